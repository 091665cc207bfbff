// Resource identifiers of QVTOOLS201.
#pragma once

// String table
#define IDS_QVT_INVALID_FIELD 1
#define IDS_QVT_INVALID_UINT 2
#define IDS_QVT_INVALID_FLOAT 3
