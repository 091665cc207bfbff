// Edit history and filter benchmark on the generated catalogue (20,000 books, 500 collections,
// 50,000 items): the memory that 1,000 recorded edits hold, the time of an edit, of its undo and
// of undoing all of them; and the time of one filter keystroke over every book's folded title
// and author, as the Add Books dialog does it.
//   EditHistoryBench [catalogue.xml]
#include "CatalogueGenerator.h"
#include "../common/BenchClock.h"
#include "app/catalogue/JCatalogue.h"
#include "app/catalogue/JCatalogueBackup.h"
#include "app/catalogue/JMemoryLists.h"
#include "app/catalogue/JTextFold.h"
#include "app/xml/JXmlBytes.h"

#include <afxwin.h>

#include <objbase.h>
#include <psapi.h>
#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
// PagefileUsage is the committed private memory; Wine reports PrivateUsage as 0.
double PrivateMegabytes()
{
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof(counters);
    if (!::GetProcessMemoryInfo(::GetCurrentProcess(),
                                reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                                sizeof(counters)))
        return -1.0;
    return static_cast<double>(counters.PagefileUsage) / (1024.0 * 1024.0);
}

// Whether the two files hold the same bytes; false when either cannot be read.
bool SameBytes(const CString& a, const CString& b)
{
    JXmlBytes first, second;
    return first.ReadFile(a) && second.ReadFile(b) && first.GetSize() == second.GetSize() &&
           memcmp(first.GetData(), second.GetData(), first.GetSize()) == 0;
}

int Measure(const char* source)
{
    char szTemp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szTemp);
    const CString work = CString(szTemp) + "edit-history-bench.xml";
    const CString before = CString(szTemp) + "edit-history-before.xml";
    const CString after = CString(szTemp) + "edit-history-after.xml";
    if (!::CopyFileA(source, work, FALSE))
    {
        printf("cannot copy %s\n", source);
        return 1;
    }

    JMemoryCollectionsList collections;
    JMemoryBooksList books;
    JCatalogue catalogue(collections, books, nullptr);
    catalogue.LoadFile(work);
    if (!catalogue.m_pDoc)
        return 1;
    catalogue.m_pDoc->Save(before);

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
    // Edits go to a collection of about 100 books: the list refills after each edit, and in
    // the largest one that refill, not the history, would be what is measured.
    const int edited = largest == 0 ? 1 : 0;
    collections.SetCurSel(edited);
    catalogue.FillBooks();
    // One edit and its undo first, so that the engine's own first allocations are not counted.
    catalogue.MoveBook(0, 1);
    catalogue.OnEditUndo();

    const int kEdits = 1000;
    const double memoryBefore = PrivateMegabytes();
    const double start = BenchSeconds();
    for (int i = 0; i < kEdits; ++i)
    {
        const int rows = static_cast<int>(catalogue.m_collectionBooks.size());
        switch (i % 10)
        {
        case 7: {
            CString name;
            name.Format("Renamed %d", i);
            catalogue.RenameCollection(name);
            break;
        }
        case 8:
            catalogue.AddBooks(
                {catalogue.m_books[static_cast<size_t>(i) % catalogue.m_books.size()]});
            break;
        case 9:
            books.SelectItem(0);
            catalogue.OnBookDelete();
            break;
        default:
            catalogue.MoveBook(i % rows, (i * 7 + 3) % rows);
            break;
        }
    }
    const double editMs = (BenchSeconds() - start) * 1000.0 / kEdits;
    const double memoryAfter = PrivateMegabytes();
    catalogue.m_pDoc->Save(after);

    const double undoStart = BenchSeconds();
    int undone = 0;
    while (catalogue.CanUndo())
    {
        catalogue.OnEditUndo();
        ++undone;
    }
    const double undoMs = (BenchSeconds() - undoStart) * 1000.0;
    const CString undoneCopy = CString(szTemp) + "edit-history-undone.xml";
    catalogue.m_pDoc->Save(undoneCopy);
    const bool bSameAsLoaded = SameBytes(undoneCopy, before);
    while (catalogue.CanRedo())
        catalogue.OnEditRedo();
    const CString redoneCopy = CString(szTemp) + "edit-history-redone.xml";
    catalogue.m_pDoc->Save(redoneCopy);
    const bool bSameAsEdited = SameBytes(redoneCopy, after);

    printf("%d edits (7 moves, 1 rename, 1 add, 1 delete in 10) in a collection of %zu books\n",
           kEdits, catalogue.m_collectionBooks.size());
    printf("  memory held after the edits      %8.3f MB   (target < 1 MB)\n",
           memoryAfter - memoryBefore);
    printf("  one edit, list refill included   %8.3f ms\n", editMs);
    printf("  one undo, list refill included   %8.3f ms   (all %d undone: back to the loaded "
           "bytes: %s)\n",
           undone ? undoMs / undone : 0.0, undone, bSameAsLoaded ? "yes" : "NO");
    printf("  redoing all of them again: back to the edited bytes: %s\n",
           bSameAsEdited ? "yes" : "NO");

    // Filter: the dialog folds every title and author once, then each keystroke scans them.
    const double foldStart = BenchSeconds();
    std::vector<std::wstring> titles, authors;
    titles.reserve(catalogue.m_books.size());
    authors.reserve(catalogue.m_books.size());
    for (const JBook& book : catalogue.m_books)
    {
        titles.push_back(JFoldCase(book.m_strTitle));
        authors.push_back(JFoldCase(book.m_strAuthor));
    }
    const double foldMs = (BenchSeconds() - foldStart) * 1000.0;
    printf(
        "filter over %zu books\n  folding every title and author   %8.1f ms   (once per dialog)\n",
        titles.size(), foldMs);
    const char* typed[] = {"θ", "θά", "θάλ", "ΘΆΛΑΣΣΑ", "l", "li", "lib", "libr", "library 1"};
    for (const char* query : typed)
    {
        double best = 1e300;
        size_t matches = 0;
        for (int run = 0; run < 5; ++run)
        {
            const double t = BenchSeconds();
            const std::wstring folded = JFoldCase(query);
            std::vector<int> shown;
            shown.reserve(titles.size());
            for (size_t i = 0; i < titles.size(); ++i)
            {
                if (JBookMatches(titles[i], authors[i], folded))
                    shown.push_back(static_cast<int>(i));
            }
            best = std::min(best, (BenchSeconds() - t) * 1000.0);
            matches = shown.size();
        }
        printf("  keystroke \"%s\"%*s %8.2f ms   %zu match   (target <= 50 ms with the list)\n",
               query, static_cast<int>(18 - strlen(query)), "", best, matches);
    }

    for (const CString& file : {work, before, after, undoneCopy, redoneCopy})
        ::DeleteFileA(file);
    return bSameAsLoaded && bSameAsEdited ? 0 : 1;
}
} // namespace

int main(int argc, char** argv)
{
    if (FAILED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return 1;
    char szTemp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szTemp);
    JSetBackupFolder(CString(szTemp) + "edit-history-bench-backups");
    int result;
    if (argc > 1)
    {
        result = Measure(argv[1]);
    }
    else
    {
        const CString generated = CString(szTemp) + "edit-history-generated.xml";
        result = WriteGeneratedCatalogue(generated, CatalogueShape()) ? Measure(generated) : 1;
        ::DeleteFileA(generated);
    }
    ::CoUninitialize();
    return result;
}
