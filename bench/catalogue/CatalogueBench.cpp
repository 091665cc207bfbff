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
#include "app/catalogue/JCatalogueBackup.h"
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
// The times of one operation over several runs, in milliseconds.
struct Runs
{
    std::vector<double> ms;

    void Add(double value) { ms.push_back(value); }
    double Best() const { return *std::min_element(ms.begin(), ms.end()); }
    double Median() const
    {
        std::vector<double> sorted = ms;
        std::sort(sorted.begin(), sorted.end());
        return sorted[sorted.size() / 2];
    }
};

double TimeMs(const std::function<void()>& work)
{
    const double start = BenchSeconds();
    work();
    return (BenchSeconds() - start) * 1000.0;
}

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
    VARIANT fromPath;
    V_VT(&fromPath) = VT_BSTR;
    V_BSTR(&fromPath) = Wide(work);

    AfxSetMessageBoxHandler(SilentMessageBox);
    JMemoryCollectionsList collections;
    JMemoryBooksList books;
    NoRecentFiles recent;
    JCatalogue catalogue(collections, books, &recent);

    // Alternating rounds see the same load from whatever else shares the machine. What was
    // loaded before is let go outside the timing, for LoadFile as for the bare loads.
    Runs pathLoad, bytesLoad, loadFile;
    for (int i = 0; i < runs; ++i)
    {
        pathLoad.Add(TimeMs([&] { bare = BareLoad(fromPath); }));
        release();
        bytesLoad.Add(TimeMs([&] { bare = BareLoad(fromBytes); }));
        release();
        catalogue.m_pDoc.reset();
        loadFile.Add(TimeMs([&] { catalogue.LoadFile(work); }));
    }
    bare = BareLoad(fromPath);
    ::SysFreeString(V_BSTR(&fromPath));
    if (!bare || !catalogue.m_pDoc)
    {
        fprintf(stderr, "cannot load %s\n", (LPCSTR)work);
        return 1;
    }

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
    // The bare save and one bare load of the bytes it wrote, against OnFileSave, which
    // checks that its bytes read back as the document before it writes them.
    // The first save after the load also copies the file as it was into the backup folder.
    catalogue.m_bModified = true;
    const double firstSave = TimeMs([&] { catalogue.OnFileSave(); });
    Runs bareSave, bareSaveLoad, bareSaveLoadRelease, save;
    bool bareSaved = true;
    for (int i = 0; i < runs; ++i)
    {
        const double saving = TimeMs([&] { bareSaved &= BareSave(bare, bareCopy); });
        JXmlBytes written;
        bareSaved &= written.ReadFile(bareCopy);
        const VARIANT fromWritten = written.AsVariant();
        IXMLDOMDocument* reloaded = nullptr;
        const double loading = TimeMs([&] { reloaded = BareLoad(fromWritten); });
        bareSaved &= reloaded != nullptr;
        // The check in OnFileSave lets its document go again, inside the timing.
        const double releasing = TimeMs([&] {
            if (reloaded)
                reloaded->Release();
        });
        bareSave.Add(saving);
        bareSaveLoad.Add(saving + loading);
        bareSaveLoadRelease.Add(saving + loading + releasing);
        catalogue.m_bModified = true;
        save.Add(TimeMs([&] { catalogue.OnFileSave(); }));
    }
    const bool saved = !catalogue.IsModified();
    release();
    ::DeleteFileA(bareCopy);
    ::DeleteFileA(work);

    printf("%-34s %10s %8s %10s %8s\n", "operation", "best ms", "ratio", "median", "ratio");
    printf("(%d alternating rounds)\n", runs);
    auto row = [](const char* name, const Runs& runs, const Runs& base, const char* note) {
        printf("%-34s %10.2f %8.2f %10.2f %8.2f   %s\n", name, runs.Best(),
               runs.Best() / base.Best(), runs.Median(), runs.Median() / base.Median(), note);
    };
    row("MSXML load by path (bare)", pathLoad, pathLoad, "");
    row("MSXML load of the bytes (bare)", bytesLoad, pathLoad, "x bare load by path");
    row("LoadFile", loadFile, pathLoad, "target <= 0.5 x bare load by path");
    row("MSXML save (bare)", bareSave, bareSaveLoadRelease, bareSaved ? "" : "(failed)");
    row("  + load of what it wrote (bare)", bareSaveLoad, bareSaveLoadRelease, "");
    row("  + release of that document", bareSaveLoadRelease, bareSaveLoadRelease, "");
    row("OnFileSave", save, bareSaveLoadRelease,
        saved ? "target <= 1.2 x bare save + load" : "target <= 1.2 x bare save + load (failed)");
    printf("%-34s %10s %8.2f %10s %8.2f   x bare save + load, not counting the release\n", "", "",
           save.Best() / bareSaveLoad.Best(), "", save.Median() / bareSaveLoad.Median());
    printf("%-34s %10.2f %8.2f   the backup copy of the file included (one run)\n",
           "first OnFileSave after the load", firstSave, firstSave / bareSaveLoadRelease.Best());
    const double bareLoad = pathLoad.Best();
    printf("\n%-34s %10s %8s\n", "collection operation", "best ms", "ratio");
    printf("%-34s %10.2f %8.2f   %zu items, %.2f us per item\n", "FillBooks (largest collection)",
           fillBooks, fillBooks / bareLoad, items,
           items ? fillBooks * 1000.0 / static_cast<double>(items) : 0.0);
    printf("%-34s %10.2f %8.2f   %zu books\n", "AddBooks", addBooks, addBooks / bareLoad, added);
    printf("%-34s %10.2f %8.2f   %d rows\n", "MoveBook (last row to the top)", moveBook,
           moveBook / bareLoad, rows);
    printf("(ratios of the collection operations are to the bare load by path)\n");
    return saved && bareSaved ? 0 : 1;
}
} // namespace

int main(int argc, char** argv)
{
    if (FAILED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return 1;
    char backups[MAX_PATH];
    ::GetTempPathA(MAX_PATH, backups);
    JSetBackupFolder(CString(backups) + "catalogue-bench-backups");
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
        result = Measure(FullPath(argv[1]), 7);
    }
    else
    {
        char tempFolder[MAX_PATH];
        ::GetTempPathA(MAX_PATH, tempFolder);
        const CString generated = CString(tempFolder) + "catalogue-bench-generated.xml";
        CatalogueShape shape;
        printf("generating %d books, %d collections, %d items\n", shape.books, shape.collections,
               shape.items);
        result = WriteGeneratedCatalogue(generated, shape) ? Measure(generated, 7) : 1;
        ::DeleteFileA(generated);
    }
    ::CoUninitialize();
    return result;
}
