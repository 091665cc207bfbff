#include "CatalogueFixture.h"
#include "app/xml/JXmlFileReplace.h"

#include <string.h>
#include <string>
#include <utility>

namespace
{
// ---- Writes that fail where a full disk or a failing device would make them fail ----

enum class FailAt
{
    FirstByte,
    Middle,
    ShortCount,
    Flush,
    Close,
};
FailAt s_failAt;
bool s_failed;

// The copy kept in the backup folder before the first save is written by the same calls; it
// is not the write under test.
bool IsBackupWrite(HANDLE hFile)
{
    char szPath[MAX_PATH * 2] = {};
    const DWORD length = ::GetFinalPathNameByHandleA(hFile, szPath, sizeof(szPath), 0);
    return length > 0 && length < sizeof(szPath) && strstr(szPath, "\\backups\\") != nullptr;
}

BOOL WINAPI FailingWrite(HANDLE hFile, LPCVOID pData, DWORD nBytes, LPDWORD pnWritten,
                         LPOVERLAPPED pOverlapped)
{
    if (IsBackupWrite(hFile))
        return ::WriteFile(hFile, pData, nBytes, pnWritten, pOverlapped);
    switch (s_failAt)
    {
    case FailAt::FirstByte:
        s_failed = true;
        *pnWritten = 0;
        ::SetLastError(ERROR_DISK_FULL);
        return FALSE;
    case FailAt::Middle:
        s_failed = true;
        ::WriteFile(hFile, pData, nBytes / 2, pnWritten, pOverlapped);
        ::SetLastError(ERROR_DISK_FULL);
        return FALSE;
    case FailAt::ShortCount:
        s_failed = true;
        return ::WriteFile(hFile, pData, nBytes / 2, pnWritten, pOverlapped);
    default:
        return ::WriteFile(hFile, pData, nBytes, pnWritten, pOverlapped);
    }
}

BOOL WINAPI FailingFlush(HANDLE hFile)
{
    if (s_failAt != FailAt::Flush || IsBackupWrite(hFile))
        return ::FlushFileBuffers(hFile);
    s_failed = true;
    ::SetLastError(ERROR_IO_DEVICE);
    return FALSE;
}

// The handle is gone either way, as after a real failed close.
BOOL WINAPI FailingClose(HANDLE hFile)
{
    const bool bBackup = IsBackupWrite(hFile);
    const BOOL bClosed = ::CloseHandle(hFile);
    if (s_failAt != FailAt::Close || bBackup)
        return bClosed;
    s_failed = true;
    ::SetLastError(ERROR_IO_DEVICE);
    return FALSE;
}

const JXmlFileWriteCalls kFailingCalls = {FailingWrite, FailingFlush, FailingClose};

// ---- Catalogues in other encodings ----

struct Book
{
    const char* id;
    const char* title;
    const char* author;
    const char* date;
};
// UTF-8 texts; the ISO-8859-1 catalogue carries what Latin-1 lacks as character references.
const Book kBooks[] = {
    {"1", "Caf\xc3\xa9 Lumi\xc3\xa8re", "\xc3\x89tienne Fa\xc3\xbf", "Sat, 01 Mar 2008"},
    {"2", "\xce\x9f\xce\xb4\xcf\x8d\xcf\x83\xcf\x83\xce\xb5\xce\xb9\xce\xb1",
     "\xce\x8c\xce\xbc\xce\xb7\xcf\x81\xce\xbf\xcf\x82", "-700"},
    {"3", "\xe5\x90\xbe\xe8\xbc\xa9\xe3\x81\xaf\xe7\x8c\xab", "\xe5\xa4\x8f\xe7\x9b\xae",
     "1905 \xc2\xb7 \xc2\xbd"},
    {"4", "Books \xf0\x9f\x93\x9a", "Zo\xc3\xab \xc3\x9cnal", "2020-01-01"},
};
const char kOmega[] = "\xce\xa9mega";

std::wstring Wide(const std::string& utf8)
{
    std::wstring wide(utf8.size(), L'\0');
    wide.resize(static_cast<size_t>(::MultiByteToWideChar(CP_UTF8, 0, utf8.data(),
                                                          static_cast<int>(utf8.size()), &wide[0],
                                                          static_cast<int>(wide.size()))));
    return wide;
}

std::string Latin1(const std::string& utf8)
{
    std::string bytes;
    const std::wstring wide = Wide(utf8);
    for (size_t i = 0; i < wide.size(); ++i)
    {
        unsigned code = wide[i];
        if (code >= 0xD800 && code < 0xDC00 && i + 1 < wide.size())
            code = 0x10000 + ((code - 0xD800) << 10) + (wide[++i] - 0xDC00);
        bytes += code < 0x100 ? std::string(1, char(code)) : "&#" + std::to_string(code) + ";";
    }
    return bytes;
}

std::string Utf16(const std::string& utf8)
{
    std::string bytes = "\xff\xfe";
    for (wchar_t ch : Wide(utf8))
        bytes += {char(ch & 0xff), char(ch >> 8)};
    return bytes;
}

std::string Library(const char* encoding)
{
    std::string xml = std::string("<?xml version=\"1.0\" encoding=\"") + encoding +
                      "\"?>\n<library xmlns:xs1=\"urn:x-reader\">\n<records>\n";
    for (const Book& b : kBooks)
        xml += std::string("<xs1:text id=\"") + b.id + "\" title=\"" + b.title + "\" author=\"" +
               b.author + "\" date=\"" + b.date + "\"/>\n";
    xml += "<xs1:playlist title=\"\xce\x92\xce\xb9\xce\xb2\xce\xbb\xce\xaf\xce\xb1\" id=\"10\">"
           "<xs1:item id=\"2\"/><xs1:item id=\"3\"/></xs1:playlist>\n</records>\n</library>\n";
    return xml;
}
} // namespace

TEST_F(CatalogueTest, EveryFailedWriteLeavesTheOldFileAndTheChanges)
{
    const std::pair<FailAt, const char*> cases[] = {
        {FailAt::FirstByte, "the first byte"}, {FailAt::Middle, "the middle"},
        {FailAt::ShortCount, "a short count"}, {FailAt::Flush, "the flush"},
        {FailAt::Close, "the close"},
    };
    for (const auto& c : cases)
    {
        Load(kLibrary);
        catalogue.AddCollection("Delta");
        messages.Clear();
        recent.paths.clear();
        s_failAt = c.first;
        s_failed = false;
        const JXmlFileWriteCalls* pPrevious = JXmlSetFileWriteCalls(&kFailingCalls);
        catalogue.OnFileSave();
        JXmlSetFileWriteCalls(pPrevious);

        EXPECT_TRUE(s_failed) << "the save reached " << c.second;
        ASSERT_EQ(1u, messages.Messages().size()) << c.second;
        EXPECT_STREQ("Error occured trying to save.", (LPCSTR)messages.Messages()[0].text)
            << c.second;
        EXPECT_EQ(UINT(MB_OK | MB_ICONEXCLAMATION), messages.Messages()[0].type) << c.second;
        EXPECT_TRUE(catalogue.IsModified()) << c.second;
        EXPECT_TRUE(recent.paths.empty()) << c.second;
        EXPECT_EQ(std::string(kLibrary), ReadBytes(path)) << "the old file after " << c.second;
        EXPECT_EQ(std::vector<CString>{"catalogue.xml"}, FileNames(folder.Folder()))
            << "left behind after " << c.second;

        // The changes are still there to be saved once the writes work again.
        messages.Clear();
        catalogue.OnFileSave();
        EXPECT_FALSE(catalogue.IsModified()) << c.second;
        EXPECT_NE(-1, SavedText().Find("title=\"Delta\"")) << c.second;
    }
}

TEST_F(CatalogueTest, EveryEncodingAndAnUnboundPrefixReadBackAfterAnAddedCollection)
{
    struct Case
    {
        const char* what;
        std::string bytes;
        size_t books;
        std::vector<CString> collections; // after the reload, sorted
    } cases[] = {
        {"UTF-8",
         Library("UTF-8"),
         4,
         {"\xce\x92\xce\xb9\xce\xb2\xce\xbb\xce\xaf\xce\xb1", kOmega}},
        {"ISO-8859-1",
         Latin1(Library("ISO-8859-1")),
         4,
         {"\xce\x92\xce\xb9\xce\xb2\xce\xbb\xce\xaf\xce\xb1", kOmega}},
        {"UTF-16",
         Utf16(Library("UTF-16")),
         4,
         {"\xce\x92\xce\xb9\xce\xb2\xce\xbb\xce\xaf\xce\xb1", kOmega}},
        {"no xs1 binding, bare root", "<catalogue/>", 0, {kOmega}},
        {"no xs1 binding, root in a namespace",
         "<?xml version=\"1.0\"?>\n<catalogue xmlns=\"urn:x-reader\"><records/></catalogue>",
         0,
         {kOmega}},
    };
    for (const Case& c : cases)
    {
        Load(c.bytes);
        ASSERT_EQ(c.books, catalogue.m_books.size()) << c.what;
        catalogue.AddCollection(kOmega);
        JBookList picked(1);
        picked[0].m_nId = c.books ? 3 : 77;
        catalogue.AddBooks(picked);
        catalogue.OnFileSave();
        ASSERT_FALSE(catalogue.IsModified()) << c.what << ": " << (LPCSTR)SavedText();

        recent.paths.clear();
        catalogue.LoadFile(path);
        ASSERT_NE(nullptr, catalogue.m_pDoc) << c.what;
        EXPECT_EQ(c.collections, CollectionNames()) << c.what;
        ASSERT_EQ(c.books, catalogue.m_books.size()) << c.what;
        for (size_t i = 0; i < c.books; ++i)
        {
            EXPECT_EQ(atoi(kBooks[i].id), catalogue.m_books[i].m_nId) << c.what;
            EXPECT_STREQ(kBooks[i].title, (LPCSTR)catalogue.m_books[i].m_strTitle) << c.what;
            EXPECT_STREQ(kBooks[i].author, (LPCSTR)catalogue.m_books[i].m_strAuthor) << c.what;
            EXPECT_STREQ(kBooks[i].date, (LPCSTR)catalogue.m_books[i].m_strDate) << c.what;
        }
        Select(kOmega);
        EXPECT_EQ(std::vector<CString>{c.books ? kBooks[2].title : "UNDEFINED"}, Titles())
            << c.what << ": the new collection keeps its item";
        if (c.books)
        {
            Select("\xce\x92\xce\xb9\xce\xb2\xce\xbb\xce\xaf\xce\xb1");
            EXPECT_EQ((std::vector<CString>{kBooks[1].title, kBooks[2].title}), Titles()) << c.what;
        }
    }
}

// Where xs1 is bound nowhere, the new collection binds it itself: to the document element's
// namespace, as the reader's own catalogues do, or else to the program's own. Its attributes
// stay the four it always has, in their order; a catalogue that binds xs1 gets no binding.
TEST_F(CatalogueTest, NewCollectionBindsXs1OnlyWhereItIsUnbound)
{
    const std::pair<const char*, const char*> cases[] = {
        {"<catalogue/>", "<xs1:playlist xmlns:xs1=\"urn:x-shelvix:xs1\" title=\"New\" "
                         "sourceid=\"1\" id=\"1\" uuid=\""},
        {"<catalogue xmlns=\"urn:r\"><records/></catalogue>",
         "<xs1:playlist xmlns:xs1=\"urn:r\" title=\"New\" sourceid=\"1\" id=\"1\" uuid=\""},
        {"<catalogue xmlns:xs1=\"urn:b\"><records/></catalogue>",
         "<xs1:playlist title=\"New\" sourceid=\"1\" id=\"1\" uuid=\""},
        {"<c><xs1:records xmlns:xs1=\"urn:b\"/></c>",
         "<xs1:playlist title=\"New\" sourceid=\"1\" id=\"1\" uuid=\""},
    };
    for (const auto& c : cases)
    {
        Load(c.first);
        catalogue.AddCollection("New");
        catalogue.OnFileSave();
        EXPECT_NE(-1, SavedText().Find(c.second)) << (LPCSTR)SavedText();
        EXPECT_EQ(1, SavedText().Replace("xmlns:xs1", "")) << (LPCSTR)SavedText();
    }
}
