// A real full disk: a 64 KB tmpfs that the CTest fixture SmallDisk mounts and names in
// SHELVIX_SMALL_DISK (a Unix path). Without it the tests skip themselves and say why.
#include "CatalogueFixture.h"

#include <stdlib.h>

#include <string>

namespace
{
const ULONGLONG kSmallDiskMostBytes = 1 << 20;

// A catalogue of some 24 KB, larger than what is left free on the disk.
std::string LargeLibrary()
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<cache xmlns=\"urn:c\" xmlns:xs1=\"urn:c\">\n<xs1:records>\n";
    for (int id = 1; id <= 150; ++id)
        xml += "<xs1:text id=\"" + std::to_string(id) + "\" title=\"Caf\xc3\xa9 book " +
               std::to_string(id) +
               "\" author=\"\xce\x9f\xce\xbc\xce\xb7\xcf\x81\xce\xbf\xcf\x82\" "
               "date=\"2009\"/>\n";
    xml += "<xs1:playlist title=\"Shelf\" id=\"200\"><xs1:item id=\"1\"/></xs1:playlist>\n"
           "</xs1:records>\n</cache>\n";
    return xml;
}

bool WriteWhole(HANDLE hFile, const char* pData, DWORD nBytes)
{
    DWORD nWritten = 0;
    return ::WriteFile(hFile, pData, nBytes, &nWritten, nullptr) && nWritten == nBytes;
}

// Fills the disk to its last byte with one file, then frees nFree bytes of it again.
bool FillDisk(const CString& path, LONG nFree)
{
    HANDLE hFile = ::CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    static const char kZeros[65536] = {};
    for (DWORD nChunk : {65536u, 4096u, 512u, 1u})
        while (WriteWhole(hFile, kZeros, nChunk))
            ;
    bool bDone = true;
    if (nFree > 0)
        bDone = ::SetFilePointer(hFile, -nFree, nullptr, FILE_END) != INVALID_SET_FILE_POINTER &&
                ::SetEndOfFile(hFile);
    return ::CloseHandle(hFile) && bDone;
}

ULONGLONG FreeBytes(const CString& folder)
{
    ULARGE_INTEGER free = {};
    ::GetDiskFreeSpaceExA(folder + "\\", &free, nullptr, nullptr);
    return free.QuadPart;
}
} // namespace

class CatalogueOnSmallDisk : public CatalogueTest
{
protected:
    void SetUp() override
    {
        const char* unixPath = getenv("SHELVIX_SMALL_DISK");
        if (!unixPath || !*unixPath)
            GTEST_SKIP() << "SHELVIX_SMALL_DISK is not set: these tests run through CTest "
                            "(CatalogueSmallDiskTests), whose fixture mounts the small disk";
        m_disk = WinePathOf(unixPath);
        std::string status = ReadBytes(m_disk + ".status");
        while (!status.empty() && (status.back() == '\n' || status.back() == '\r'))
            status.pop_back();
        if (status != "mounted")
            GTEST_SKIP() << "no small disk at " << unixPath << ": "
                         << (status.empty() ? "the fixture left no status" : status);
        ULARGE_INTEGER total = {};
        ASSERT_TRUE(::GetDiskFreeSpaceExA(m_disk + "\\", nullptr, &total, nullptr));
        ASSERT_LE(total.QuadPart, kSmallDiskMostBytes) << "the fixture mounted " << unixPath;
        ASSERT_TRUE(FileNames(m_disk).empty()) << "the small disk is not empty";
    }
    void TearDown() override
    {
        if (m_disk.IsEmpty())
            return;
        for (const CString& name : FileNames(m_disk))
            ::DeleteFileA(m_disk + "\\" + name);
    }

    CString m_disk;
};

TEST_F(CatalogueOnSmallDisk, SaveOnAFullDiskLeavesTheOldFileAndTheChanges)
{
    const std::string library = LargeLibrary();
    const struct
    {
        const char* what;
        LONG free;
    } cases[] = {{"filled to the last block", 0}, {"all but 8 KB filled", 8192}};
    for (const auto& c : cases)
    {
        path = m_disk + "\\catalogue.xml";
        {
            HANDLE hFile = ::CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                         FILE_ATTRIBUTE_NORMAL, nullptr);
            ASSERT_NE(INVALID_HANDLE_VALUE, hFile) << c.what;
            ASSERT_TRUE(WriteWhole(hFile, library.data(), DWORD(library.size()))) << c.what;
            ASSERT_TRUE(::CloseHandle(hFile));
        }
        catalogue.LoadFile(path);
        ASSERT_NE(nullptr, catalogue.m_pDoc) << c.what;
        catalogue.AddCollection("Delta");
        const CString filler = m_disk + "\\filler";
        ASSERT_TRUE(FillDisk(filler, c.free)) << c.what;
        ASSERT_LE(FreeBytes(m_disk), ULONGLONG(c.free)) << c.what;
        ASSERT_LT(ULONGLONG(c.free), library.size()) << "the catalogue must not fit";

        messages.Clear();
        recent.paths.clear();
        catalogue.OnFileSave();
        ASSERT_EQ(1u, messages.Messages().size()) << c.what;
        EXPECT_STREQ("Error occured trying to save.", (LPCSTR)messages.Messages()[0].text)
            << c.what;
        EXPECT_TRUE(catalogue.IsModified()) << c.what;
        EXPECT_TRUE(recent.paths.empty()) << c.what;
        const std::string kept = ReadBytes(path);
        EXPECT_EQ(library.size(), kept.size()) << "the old file's size: " << c.what;
        EXPECT_TRUE(library == kept) << "the old file, byte for byte: " << c.what;
        EXPECT_EQ((std::vector<CString>{"catalogue.xml", "filler"}), FileNames(m_disk))
            << "left behind: " << c.what;

        // Once there is room again, the same changes save.
        ASSERT_TRUE(::DeleteFileA(filler));
        messages.Clear();
        catalogue.OnFileSave();
        EXPECT_FALSE(catalogue.IsModified()) << c.what;
        EXPECT_NE(-1, SavedText().Find("title=\"Delta\"")) << c.what;
        ASSERT_TRUE(::DeleteFileA(path));
    }
}
