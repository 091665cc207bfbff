// Catalogue benchmark: the bare MSXML load and save of a catalogue against the program's own
// LoadFile, FillBooks, AddBooks, MoveBook and OnFileSave on the same file. LoadFile is set
// against a bare load by path; OnFileSave, which checks that its bytes read back before it
// writes them, against a bare save plus one bare load of the same bytes from memory.
//   CatalogueBench [catalogue.xml]      measure that file (a copy of it is edited)
//   CatalogueBench                      generate 20,000 books, 500 collections, 50,000 items
//   CatalogueBench --generate OUT [books collections items]
#include "CatalogueGenerator.h"
#include "../common/BenchClock.h"
#include "app/catalogue/JCatalogue.h"
#include "app/catalogue/JMemoryLists.h"
#include "app/xml/JXmlBytes.h"
#include "app/xml/JXmlDomClasses.h"

#include <afxwin.h>

#include <msxml2.h>
#include <objbase.h>
#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace
{
// The best of several runs, in milliseconds: the least disturbed by the rest of the machine.
double BestOf(int runs, const std::function<void()>& prepare, const std::function<void()>& work)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i)
    {
        prepare();
        const double start = BenchSeconds();
        work();
        best = std::min(best, (BenchSeconds() - start) * 1000.0);
    }
    return best;
}

BSTR Wide(const char* text)
{
    const int n = ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    BSTR result = ::SysAllocStringLen(nullptr, static_cast<UINT>(n - 1));
    ::MultiByteToWideChar(CP_ACP, 0, text, -1, result, n);
    return result;
}

// source is a path (VT_BSTR) or the file's bytes (VT_ARRAY | VT_UI1).
IXMLDOMDocument* BareLoad(const VARIANT& source)
{
    IXMLDOMDocument* doc = nullptr;
    const IID iidDocument = {
        0x2933BF81, 0x7B36, 0x11d2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
    if (FAILED(::CoCreateInstance(kJXmlDomLadder[0].clsid, nullptr, CLSCTX_INPROC_SERVER,
                                  iidDocument, reinterpret_cast<void**>(&doc))))
        return nullptr;
    doc->put_async(VARIANT_FALSE);
    VARIANT_BOOL loaded = VARIANT_FALSE;
    doc->load(source, &loaded);
    if (loaded != VARIANT_TRUE)
    {
        doc->Release();
        return nullptr;
    }
    return doc;
}

bool BareSave(IXMLDOMDocument* doc, const char* path)
{
    VARIANT target;
    V_VT(&target) = VT_BSTR;
    V_BSTR(&target) = Wide(path);
    const HRESULT hr = doc->save(target);
    ::SysFreeString(V_BSTR(&target));
    return SUCCEEDED(hr);
}

int CALLBACK SilentMessageBox(HWND, LPCSTR text, LPCSTR, UINT)
{
    if (strcmp(text, "File saved successfully.") != 0)
        fprintf(stderr, "message: %s\n", text);
    return IDOK;
}

class NoRecentFiles : public JRecentFileSink
{
public:
    void AddRecentFile(const CString&) override {}
};

CString FullPath(const char* path)
{
    char full[MAX_PATH];
    return ::GetFullPathNameA(path, MAX_PATH, full, nullptr) ? CString(full) : CString(path);
}

int Measure(const CString& source, int runs)
{
    // Everything is done on a copy beside the source's temporary folder.
    char tempFolder[MAX_PATH];
    ::GetTempPathA(MAX_PATH, tempFolder);
    const CString work = CString(tempFolder) + "catalogue-bench.xml";
    const CString bareCopy = CString(tempFolder) + "catalogue-bench-bare.xml";
    if (!::CopyFileA(source, work, FALSE))
    {
        fprintf(stderr, "cannot copy %s\n", (LPCSTR)source);
        return 1;
    }
    WIN32_FILE_ATTRIBUTE_DATA info = {};
    ::GetFileAttributesExA(work, GetFileExInfoStandard, &info);
    printf("catalogue: %s (%.1f MB)\n", (LPCSTR)source, info.nFileSizeLow / 1048576.0);

    JXmlBytes bytes;
    if (!bytes.ReadFile(work))
    {
        fprintf(stderr, "cannot read %s\n", (LPCSTR)work);
        return 1;
    }
    IXMLDOMDocument* bare = nullptr;
    auto release = [&] {
        if (bare)
            bare->Release(), bare = nullptr;
    };
    const VARIANT fromBytes = bytes.AsVariant();
    const double bareBytesLoad = BestOf(runs, release, [&] { bare = BareLoad(fromBytes); });
    VARIANT fromPath;
    V_VT(&fromPath) = VT_BSTR;
    V_BSTR(&fromPath) = Wide(work);
    const double bareLoad = BestOf(runs, release, [&] { bare = BareLoad(fromPath); });
    ::SysFreeString(V_BSTR(&fromPath));
    if (!bare)
    {
        fprintf(stderr, "MSXML cannot load %s\n", (LPCSTR)work);
        return 1;
    }
    bool bareSaved = true;
    const double bareSave = BestOf(
        runs, [] {}, [&] { bareSaved &= BareSave(bare, bareCopy); });
    bare->Release();
    ::DeleteFileA(bareCopy);

    AfxSetMessageBoxHandler(SilentMessageBox);
    JMemoryCollectionsList collections;
    JMemoryBooksList books;
    NoRecentFiles recent;
    JCatalogue catalogue(collections, books, &recent);
    const double loadFile = BestOf(
        runs, [] {}, [&] { catalogue.LoadFile(work); });
    if (!catalogue.m_pDoc)
        return 1;

    // The largest collection.
    int largest = -1;
    size_t largestSize = 0;
    for (int i = 0; i < collections.GetCount(); ++i)
    {
        collections.SetCurSel(i);
        catalogue.FillBooks();
        if (catalogue.m_collectionBooks.size() >= largestSize)
        {
            largest = i;
            largestSize = catalogue.m_collectionBooks.size();
        }
    }
    if (largest < 0)
    {
        printf("no collection to measure\n");
        return 0;
    }
    collections.SetCurSel(largest);
    const double fillBooks = BestOf(
        runs, [] {}, [&] { catalogue.FillBooks(); });
    const size_t items = catalogue.m_collectionBooks.size();

    const size_t added = std::min<size_t>(1000, catalogue.m_books.size());
    JBookList toAdd(catalogue.m_books.begin(),
                    catalogue.m_books.begin() + static_cast<long>(added));
    const double addBooks = BestOf(
        1, [] {}, [&] { catalogue.AddBooks(toAdd); });
    const int rows = static_cast<int>(catalogue.m_collectionBooks.size());
    const double moveBook = rows >= 2 ? BestOf(
                                            runs, [] {}, [&] { catalogue.MoveBook(rows - 1, 0); })
                                      : 0.0;
    const double save = BestOf(
        runs, [&] { catalogue.m_bModified = true; }, [&] { catalogue.OnFileSave(); });
    const bool saved = !catalogue.IsModified();
    ::DeleteFileA(work);

    const double bareSaveCheck = bareSave + bareBytesLoad;
    printf("%-34s %10s %8s\n", "operation", "ms", "ratio");
    printf("%-34s %10.2f %8s\n", "MSXML load by path (bare)", bareLoad, "1.00");
    printf("%-34s %10.2f %8.2f   x bare load by path\n", "MSXML load of the bytes (bare)",
           bareBytesLoad, bareBytesLoad / bareLoad);
    printf("%-34s %10.2f %8.2f   target <= 0.5 x bare load by path\n", "LoadFile", loadFile,
           loadFile / bareLoad);
    printf("%-34s %10.2f %8s%s\n", "MSXML save (bare)", bareSave, "1.00",
           bareSaved ? "" : "  (failed)");
    printf("%-34s %10.2f %8s\n", "  + load of the bytes (bare)", bareSaveCheck, "1.00");
    printf("%-34s %10.2f %8.2f   target <= 1.2 x bare save + load of the bytes%s\n", "OnFileSave",
           save, save / bareSaveCheck, saved ? "" : "  (failed)");
    printf("%-34s %10.2f %8.2f   %zu items, %.2f us per item\n", "FillBooks (largest collection)",
           fillBooks, fillBooks / bareLoad, items,
           items ? fillBooks * 1000.0 / static_cast<double>(items) : 0.0);
    printf("%-34s %10.2f %8.2f   %zu books\n", "AddBooks", addBooks, addBooks / bareLoad, added);
    printf("%-34s %10.2f %8.2f   %d rows\n", "MoveBook (last row to the top)", moveBook,
           moveBook / bareLoad, rows);
    printf("(ratios of the collection operations are to the bare load)\n");
    return saved && bareSaved ? 0 : 1;
}
} // namespace

int main(int argc, char** argv)
{
    if (FAILED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return 1;
    int result = 0;
    if (argc >= 3 && strcmp(argv[1], "--generate") == 0)
    {
        CatalogueShape shape;
        if (argc >= 6)
        {
            shape.books = atoi(argv[3]);
            shape.collections = atoi(argv[4]);
            shape.items = atoi(argv[5]);
        }
        result = WriteGeneratedCatalogue(argv[2], shape) ? 0 : 1;
        if (result)
            fprintf(stderr, "cannot write %s\n", argv[2]);
    }
    else if (argc >= 2)
    {
        result = Measure(FullPath(argv[1]), 5);
    }
    else
    {
        char tempFolder[MAX_PATH];
        ::GetTempPathA(MAX_PATH, tempFolder);
        const CString generated = CString(tempFolder) + "catalogue-bench-generated.xml";
        CatalogueShape shape;
        printf("generating %d books, %d collections, %d items\n", shape.books, shape.collections,
               shape.items);
        result = WriteGeneratedCatalogue(generated, shape) ? Measure(generated, 5) : 1;
        ::DeleteFileA(generated);
    }
    ::CoUninitialize();
    return result;
}
