// Functions: JMakeUuidString, JSetUuidCreator
// Upper-case text of a new sequential UUID for a new collection.
#pragma once

#include <afx.h>

#include <rpc.h>

// Creates a new sequential UUID; the default is the RPC runtime's UuidCreateSequential. A
// test installs its own to make the service answer with another status.
typedef RPC_STATUS(RPC_ENTRY* JUuidCreator)(UUID* pUuid);
// Installs a creator (null restores the default) and returns the previous one.
JUuidCreator JSetUuidCreator(JUuidCreator pfnCreator);

// The new UUID's 36-character text, upper-cased; empty unless both the creation and the
// conversion report plain success. pUuid, when given, receives the UUID's 16 bytes.
CString JMakeUuidString(UUID* pUuid = nullptr);
