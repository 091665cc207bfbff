#include "AppTestSupport.h"
#include "app/xml/JXmlDocument.h"
#include "app/xml/JXmlDomClasses.h"
#include "app/xml/JXmlError.h"
#include "app/xml/JXmlNodeList.h"
#include "app/xml/JXmlString.h"

#include <gtest/gtest.h>

#include <string.h>

#include <set>
#include <utility>

namespace
{
const char kSmallDoc[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<root xmlns:xs1="urn:x-reader:xs1"><records><xs1:text id="1" title="A"/></records></root>
)";

// ---- Which DOM classes exist, and how a new document was configured ----

int VersionOf(REFCLSID clsid)
{
    for (const JXmlDomClass& domClass : kJXmlDomLadder)
        if (::IsEqualCLSID(clsid, domClass.clsid))
            return domClass.nVersion;
    return -1;
}

std::set<int> s_available;
std::vector<int> s_tried;
std::vector<std::string> s_configuration;

// A real Wine document stands in for every class the test declares available. Its
// setProperty and put_resolveExternals are recorded by giving the object a copy of its own
// virtual table with those two entries replaced.
template <typename Method> size_t SlotOf(Method method)
{
    struct ItaniumMemberPointer
    {
        uintptr_t ptr; // 1 + byte offset into the virtual table
        ptrdiff_t adjust;
    } rep;
    static_assert(sizeof(rep) == sizeof(method), "member pointer layout");
    memcpy(&rep, &method, sizeof rep);
    return (rep.ptr - 1) / sizeof(void*);
}

void* s_copiedTable[256];
void** s_realTable = nullptr;
const size_t kSetPropertySlot = SlotOf(&IXMLDOMDocument2::setProperty);
const size_t kResolveExternalsSlot = SlotOf(&IXMLDOMDocument::put_resolveExternals);

std::string Narrow(BSTR text)
{
    return (LPCSTR)JXmlNarrow(text);
}

HRESULT WINAPI RecordSetProperty(IXMLDOMDocument2* self, BSTR name, VARIANT value)
{
    std::string entry = Narrow(name) + "=";
    if (V_VT(&value) == VT_BOOL)
        entry += V_BOOL(&value) ? "true" : "false";
    else if (V_VT(&value) == VT_BSTR)
        entry += Narrow(V_BSTR(&value));
    s_configuration.push_back(entry);
    using Fn = HRESULT(WINAPI*)(IXMLDOMDocument2*, BSTR, VARIANT);
    return reinterpret_cast<Fn>(s_realTable[kSetPropertySlot])(self, name, value);
}

HRESULT WINAPI RecordResolveExternals(IXMLDOMDocument2* self, VARIANT_BOOL value)
{
    s_configuration.push_back(std::string("resolveExternals=") + (value ? "true" : "false"));
    using Fn = HRESULT(WINAPI*)(IXMLDOMDocument2*, VARIANT_BOOL);
    return reinterpret_cast<Fn>(s_realTable[kResolveExternalsSlot])(self, value);
}

HRESULT TestDomFactory(REFCLSID clsid, IUnknown** ppUnknown)
{
    const int version = VersionOf(clsid);
    s_tried.push_back(version);
    if (!s_available.count(version))
        return REGDB_E_CLASSNOTREG;
    IXMLDOMDocument2* pDoc = nullptr;
    HRESULT hr = ::CoCreateInstance(kJXmlDomLadder[0].clsid, nullptr, CLSCTX_INPROC_SERVER,
                                    kIidXmlDomDocument2, reinterpret_cast<void**>(&pDoc));
    if (FAILED(hr))
        return hr;
    // IXMLDOMDocument3 adds two entries after getProperty.
    const size_t tableSize = SlotOf(&IXMLDOMDocument2::getProperty) + 3;
    void*** object = reinterpret_cast<void***>(pDoc);
    s_realTable = *object;
    memcpy(s_copiedTable, s_realTable, tableSize * sizeof(void*));
    s_copiedTable[kSetPropertySlot] = reinterpret_cast<void*>(RecordSetProperty);
    s_copiedTable[kResolveExternalsSlot] = reinterpret_cast<void*>(RecordResolveExternals);
    *object = s_copiedTable;
    *ppUnknown = pDoc; // IXMLDOMDocument2 is an IUnknown
    return S_OK;
}

class DomLadder : public ::testing::Test
{
protected:
    void SetUp() override { m_pfnPrevious = JXmlSetDomFactory(TestDomFactory); }
    void TearDown() override { JXmlSetDomFactory(m_pfnPrevious); }
    JXmlDomFactory m_pfnPrevious = nullptr;
};
} // namespace

TEST_F(DomLadder, TakesTheFirstAvailableClassAndSetsNewParserOnlyFor40)
{
    struct Case
    {
        std::set<int> available;
        std::vector<int> tried;
        int version;
    } cases[] = {
        {{60, 30, 50, 40, 26, 0}, {60}, 60}, {{30, 50, 40, 26, 0}, {60, 30}, 30},
        {{50, 40}, {60, 30, 50}, 50},        {{40, 26, 0}, {60, 30, 50, 40}, 40},
        {{26}, {60, 30, 50, 40, 26}, 26},    {{0}, {60, 30, 50, 40, 26, 0}, 0},
    };
    for (const Case& c : cases)
    {
        s_available = c.available;
        s_tried.clear();
        s_configuration.clear();
        JXmlDocument doc;
        ASSERT_TRUE(doc.Create()) << "version " << c.version;
        EXPECT_EQ(c.tried, s_tried) << "classes tried for version " << c.version;
        EXPECT_EQ(c.version, doc.DomVersion);
        std::vector<std::string> expected = {"SelectionLanguage=XPath"};
        if (c.version == 40)
            expected.push_back("NewParser=true");
        expected.insert(expected.end(), {"AllowXsltScript=true", "AllowDocumentFunction=true",
                                         "resolveExternals=false", "ProhibitDTD=true"});
        EXPECT_EQ(expected, s_configuration) << "configuration of version " << c.version;

        // The configured document works: it loads and answers XPath.
        ScratchFolder folder;
        ASSERT_TRUE(doc.Open(folder.Write("a.xml", kSmallDoc)));
        EXPECT_EQ(c.version, doc.DomVersion);
        JXmlNode root(doc.GetRoot());
        EXPECT_FALSE(JXmlNode(root.FindChild("records", false)).IsNull());
    }
}

TEST_F(DomLadder, FailsWhenNoClassIsAvailable)
{
    s_available.clear();
    s_tried.clear();
    JXmlDocument doc;
    EXPECT_FALSE(doc.Create());
    EXPECT_EQ((std::vector<int>{60, 30, 50, 40, 26, 0}), s_tried);
    EXPECT_EQ(0, doc.DomVersion);
    EXPECT_TRUE(JXmlNode(doc.GetRoot()).IsNull());
    EXPECT_FALSE(doc.Save(nullptr));
}

TEST(JXmlDocument, PlatformDomIsVersion60)
{
    JXmlDocument doc;
    ASSERT_TRUE(doc.Create());
    EXPECT_EQ(60, doc.DomVersion);
    EXPECT_TRUE(doc.GetPath().IsEmpty());
}

TEST(JXmlDocument, OpenOfAMissingFileKeepsThePreviousDocument)
{
    ScratchFolder folder;
    const CString good = folder.Write("good.xml", kSmallDoc);
    JXmlDocument doc;
    ASSERT_TRUE(doc.Open(good));
    EXPECT_FALSE(doc.Open(folder.Path("missing.xml")));
    EXPECT_STREQ((LPCSTR)good, (LPCSTR)doc.GetPath());
    JXmlNode root(doc.GetRoot());
    EXPECT_STREQ("root", (LPCSTR)root.GetName());
    EXPECT_EQ(60, doc.DomVersion);
}

TEST(JXmlDocument, OpenOfMalformedXmlFailsButTakesThePath)
{
    ScratchFolder folder;
    const CString bad = folder.Write("bad.xml", "<root><records></root>");
    JXmlDocument doc;
    EXPECT_FALSE(doc.Open(bad));
    EXPECT_STREQ((LPCSTR)bad, (LPCSTR)doc.GetPath());
    EXPECT_TRUE(JXmlNode(doc.GetRoot()).IsNull());
}

TEST(JXmlDocument, CloseForgetsEverything)
{
    ScratchFolder folder;
    JXmlDocument doc;
    ASSERT_TRUE(doc.Open(folder.Write("a.xml", kSmallDoc)));
    doc.Close();
    EXPECT_TRUE(doc.GetPath().IsEmpty());
    EXPECT_EQ(0, doc.DomVersion);
    EXPECT_TRUE(JXmlNode(doc.GetRoot()).IsNull());
}

// Documents that would make the engine read another file, or expand without bound.
TEST(JXmlDocument, RefusesDocumentTypeDeclarations)
{
    ScratchFolder folder;
    const CString secret = folder.Write("secret.txt", "TOP-SECRET");
    CString secretUrl = secret;
    secretUrl.Replace('\\', '/');
    const std::string external =
        "<?xml version=\"1.0\"?>\n<!DOCTYPE root [<!ENTITY leak SYSTEM \"file:///" +
        std::string((LPCSTR)secretUrl) +
        "\">]>\n<root><records><xs1:text xmlns:xs1=\"u\" id=\"1\" "
        "title=\"&leak;\"/></records></root>\n";
    std::string bomb = "<?xml version=\"1.0\"?>\n<!DOCTYPE root [\n<!ENTITY l0 "
                       "\"lollollollollollollollollollol\">\n";
    for (int i = 1; i <= 12; ++i)
        bomb += "<!ENTITY l" + std::to_string(i) + " \"" + [&] {
            std::string refs;
            for (int k = 0; k < 10; ++k)
                refs += "&l" + std::to_string(i - 1) + ";";
            return refs;
        }() + "\">\n";
    bomb += "]>\n<root><records><x a=\"&l12;\"/></records></root>\n";
    const std::string externalDtd = "<?xml version=\"1.0\"?>\n<!DOCTYPE root SYSTEM "
                                    "\"http://192.0.2.1/catalogue.dtd\">\n<root/>\n";

    const std::pair<const char*, std::string> cases[] = {
        {"external entity", external}, {"entity expansion", bomb}, {"external DTD", externalDtd}};
    for (const auto& c : cases)
    {
        JXmlDocument doc;
        EXPECT_FALSE(doc.Open(folder.Write("hostile.xml", c.second))) << c.first;
    }
}

TEST(JXmlDocument, SaveWritesTheWholeDocumentAndTakesANewPathOnlyOnSuccess)
{
    ScratchFolder folder;
    const CString original = folder.Write("a.xml", kSmallDoc);
    JXmlDocument doc;
    ASSERT_TRUE(doc.Open(original));
    JXmlNode root(doc.GetRoot());
    JXmlNode records(root.FindChild("records", false));
    JXmlNode added(records.AddChild("xs1:playlist"));
    ASSERT_TRUE(added.SetAttribute("title", "New", "", ""));

    const CString copy = folder.Path("copy.xml");
    ASSERT_TRUE(doc.Save(copy));
    EXPECT_STREQ((LPCSTR)copy, (LPCSTR)doc.GetPath());
    EXPECT_NE(std::string::npos, ReadBytes(copy).find("<xs1:playlist title=\"New\"/>"));
    EXPECT_EQ(std::string(kSmallDoc), ReadBytes(original)) << "the original stays as it was";

    EXPECT_FALSE(doc.Save(folder.Path("no-such-folder\\x.xml")));
    EXPECT_STREQ((LPCSTR)copy, (LPCSTR)doc.GetPath()) << "a failed save keeps the path";
}

TEST(JXmlDocument, FailedSaveLeavesTheTargetByteForByte)
{
    ScratchFolder folder;
    const CString path = folder.Write("catalogue.xml", kSmallDoc);
    JXmlDocument doc;
    ASSERT_TRUE(doc.Open(path));
    JXmlNode records(JXmlNode(doc.GetRoot()).FindChild("records", false));
    records.AddChild("xs1:playlist");

    // Read-only target.
    ASSERT_TRUE(::SetFileAttributesA(path, FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(doc.Save(nullptr)) << "read-only target";
    ::SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(std::string(kSmallDoc), ReadBytes(path));

    // Target held open by another program without sharing.
    HANDLE hLock = ::CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, hLock);
    EXPECT_FALSE(doc.Save(nullptr)) << "locked target";
    ::CloseHandle(hLock);
    EXPECT_EQ(std::string(kSmallDoc), ReadBytes(path));

    // Nothing is left behind beside the target.
    WIN32_FIND_DATAA data;
    int files = 0;
    HANDLE hFind = ::FindFirstFileA(folder.Folder() + "\\*", &data);
    ASSERT_NE(INVALID_HANDLE_VALUE, hFind);
    do
    {
        files += !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            CString(data.cFileName) != "catalogue.xml")
            ADD_FAILURE() << "left behind: " << data.cFileName;
    } while (::FindNextFileA(hFind, &data));
    ::FindClose(hFind);
    EXPECT_EQ(1, files) << "temporary files left in the folder";

    // Once the obstacle is gone the same document saves.
    EXPECT_TRUE(doc.Save(nullptr));
    EXPECT_NE(std::string::npos, ReadBytes(path).find("<xs1:playlist/>"));
}

TEST(JXmlDocument, TextInAnyScriptSurvivesLoadAndSave)
{
    const char* titles[] = {
        "Caf\xc3\xa9 cr\xc3\xa8me br\xc3\xbbl\xc3\xa9\x65",                 // Latin with accents
        "\xce\x9f\xce\xb4\xcf\x8d\xcf\x83\xcf\x83\xce\xb5\xce\xb9\xce\xb1", // Greek
        "\xe5\x90\xbe\xe8\xbc\xa9\xe3\x81\xaf\xe7\x8c\xab\xe3\x81\xa7\xe3\x81\x82\xe3\x82"
        "\x8b",                                        // Japanese
        "Books \xf0\x9f\x93\x9a and \xf0\x9f\x98\x80", // emoji
    };
    ScratchFolder folder;
    // A folder name outside Latin-1 too.
    const CString sub = folder.Path("\xce\xb2\xce\xb9\xce\xb2\xce\xbb\xce\xaf\xce\xb1");
    ASSERT_TRUE(::CreateDirectoryA(sub, nullptr));
    const CString path = sub + "\\\xe6\x9c\xac.xml";
    {
        FILE* f = fopen(path, "wb");
        ASSERT_NE(nullptr, f);
        fputs(kSmallDoc, f);
        fclose(f);
    }
    {
        JXmlDocument doc;
        ASSERT_TRUE(doc.Open(path));
        JXmlNode records(JXmlNode(doc.GetRoot()).FindChild("records", false));
        for (const char* title : titles)
            ASSERT_TRUE(
                JXmlNode(records.AddChild("xs1:text")).SetAttribute("title", title, "", ""));
        ASSERT_TRUE(doc.Save(nullptr));
    }
    JXmlDocument doc;
    ASSERT_TRUE(doc.Open(path));
    JXmlNodeList entries(
        JXmlNode(JXmlNode(doc.GetRoot()).FindChild("records", false)).GetChildren());
    ASSERT_EQ(5, entries.GetCount());
    for (int i = 0; i < 4; ++i)
        EXPECT_STREQ(titles[i],
                     (LPCSTR)JXmlNode(entries.GetItem(i + 1)).GetAttribute("title", nullptr));
}
