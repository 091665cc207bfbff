// Functions: WriteGeneratedCatalogue
// Writes a reader catalogue of any size for the benchmarks.
#pragma once

struct CatalogueShape
{
    int books = 20000;
    int collections = 500;
    int items = 50000;         // spread over the collections, the first one the largest
    unsigned seed = 20261209u; // the same shape gives the same file
};

// Writes the catalogue as UTF-8; false when the file cannot be written.
bool WriteGeneratedCatalogue(const char* path, const CatalogueShape& shape);
