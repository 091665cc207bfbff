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
    for (const char* text : {"<root><records></root>", "", "\xef\xbb\xbf"})
    {
        const CString bad = folder.Write("bad.xml", text);
        JXmlDocument doc;
        EXPECT_FALSE(doc.Open(bad)) << "[" << text << "]";
        EXPECT_STREQ((LPCSTR)bad, (LPCSTR)doc.GetPath()) << "[" << text << "]";
        EXPECT_TRUE(JXmlNode(doc.GetRoot()).IsNull()) << "[" << text << "]";
    }
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

    EXPECT_EQ(std::vector<CString>{"catalogue.xml"}, FileNames(folder.Folder()))
        << "nothing is left behind beside the target";

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

namespace
{
std::string Utf16Le(const wchar_t* text)
{
    std::string bytes = "\xff\xfe";
    for (const wchar_t* p = text; *p; ++p)
        bytes += {char(*p & 0xff), char(*p >> 8)};
    return bytes;
}

std::string FirstLine(const std::string& text)
{
    return text.substr(0, text.find('\n'));
}
} // namespace

// Wine's MSXML writes UTF-8 under whatever declaration the document had; the save makes the
// declaration say so, and leaves one that already does as it is.
TEST(JXmlDocument, DeclarationsNamingAnotherEncodingAreSavedAsUtf8)
{
    const char kTitle[] = "Caf\xc3\xa9 \xc3\x89tienne \xce\xa9"; // Café Étienne Ω
    struct Case
    {
        const char* what;
        std::string bytes;
        const char* declaration; // first line of the saved file
    } cases[] = {
        {"ISO-8859-1",
         "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<r t=\"Caf\xe9 \xc9tienne &#937;\"/>",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"},
        {"windows-1252, standalone",
         "<?xml version=\"1.0\" encoding=\"windows-1252\" standalone=\"yes\"?>\n"
         "<r t=\"Caf\xe9 \xc9tienne &#937;\"/>",
         "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"},
        {"UTF-16 with its byte-order mark",
         Utf16Le(
             L"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<r t=\"Caf\xe9 \xc9tienne \x3a9\"/>"),
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"},
        {"UTF-16 without a declaration", Utf16Le(L"<r t=\"Caf\xe9 \xc9tienne \x3a9\"/>"),
         "<r t=\"Caf\xc3\xa9 \xc3\x89tienne \xce\xa9\"/>"},
        {"utf-8 in lower case stays",
         "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<r t=\"Caf\xc3\xa9 \xc3\x89tienne "
         "\xce\xa9\"/>",
         "<?xml version=\"1.0\" encoding=\"utf-8\"?>"},
    };
    ScratchFolder folder;
    for (const Case& c : cases)
    {
        const CString path = folder.Write("encoded.xml", c.bytes);
        {
            JXmlDocument doc;
            ASSERT_TRUE(doc.Open(path)) << c.what;
            EXPECT_STREQ(kTitle, (LPCSTR)JXmlNode(doc.GetRoot()).GetAttribute("t", nullptr))
                << c.what;
            ASSERT_TRUE(doc.Save(nullptr)) << c.what;
        }
        EXPECT_EQ(c.declaration, FirstLine(ReadBytes(path))) << c.what;
        JXmlDocument again;
        ASSERT_TRUE(again.Open(path)) << c.what;
        EXPECT_STREQ(kTitle, (LPCSTR)JXmlNode(again.GetRoot()).GetAttribute("t", nullptr))
            << c.what << " after the save";
    }
}

TEST(JXmlDocument, SaveRefusesADocumentThatWouldNotReadBack)
{
    struct Case
    {
        const char* what;
        std::string xml;
        bool opens;
    } cases[] = {
        // Wine writes the prefix of an element made by name alone without declaring it.
        {"an element with an unbound prefix", "<root><records/></root>", true},
        {"a file that did not parse", "<root><records></root>", false},
        {"a file refused for its DTD",
         "<?xml version=\"1.0\"?>\n<!DOCTYPE root [<!ENTITY e \"x\">]>\n<root>&e;</root>\n", false},
    };
    for (const Case& c : cases)
    {
        ScratchFolder folder;
        const CString path = folder.Write("catalogue.xml", c.xml);
        JXmlDocument doc;
        ASSERT_EQ(c.opens, doc.Open(path)) << c.what;
        JXmlNode records(JXmlNode(doc.GetRoot()).FindChild("records", false));
        records.AddChild("xs1:playlist");
        EXPECT_FALSE(doc.Save(nullptr)) << c.what;
        EXPECT_EQ(c.xml, ReadBytes(path)) << c.what;
        EXPECT_EQ(std::vector<CString>{"catalogue.xml"}, FileNames(folder.Folder())) << c.what;
    }

    ScratchFolder folder;
    JXmlDocument empty;
    ASSERT_TRUE(empty.Create());
    EXPECT_FALSE(empty.Save(folder.Path("new.xml"))) << "a document with nothing in it";
    EXPECT_TRUE(FileNames(folder.Folder()).empty());
}

// The save checks what it writes but writes what the DOM's own save writes, byte for byte.
TEST(JXmlDocument, SaveWritesTheBytesOfTheDomsOwnSave)
{
    const char kDoc[] =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<?reader sync=\"1\"?>\n<!-- the device's comment -->\n"
        "<cache xmlns=\"urn:c\" xmlns:xs1=\"urn:c\" nextID=\"9\">\n"
        "  <xs1:records>\n"
        "    <xs1:text id=\"1\" title=\"&#233;t&#233; &amp; &lt;hiver&gt;\"/>\n"
        "    <xs1:text id=\"2\" title=\"\xe5\x90\xbe\xe8\xbc\xa9 \xf0\x9f\x93\x9a\">"
        "<![CDATA[a < b]]> text </xs1:text>\n"
        "  </xs1:records>\n</cache>\n";
    ScratchFolder folder;
    const CString ours = folder.Write("ours.xml", kDoc);
    const CString bare = folder.Write("bare.xml", kDoc);

    JXmlDocument doc;
    ASSERT_TRUE(doc.Open(ours));
    ASSERT_TRUE(doc.Save(nullptr));

    Microsoft::WRL::ComPtr<IXMLDOMDocument2> dom;
    ASSERT_TRUE(SUCCEEDED(::CoCreateInstance(kJXmlDomLadder[0].clsid, nullptr, CLSCTX_INPROC_SERVER,
                                             kIidXmlDomDocument2, &dom)));
    ASSERT_TRUE(SUCCEEDED(dom->put_async(VARIANT_FALSE)));
    VARIANT source;
    ::VariantInit(&source);
    V_VT(&source) = VT_BSTR;
    V_BSTR(&source) = ::SysAllocString(JXmlBstr(bare));
    VARIANT_BOOL loaded = VARIANT_FALSE;
    ASSERT_TRUE(SUCCEEDED(dom->load(source, &loaded)) && loaded == VARIANT_TRUE);
    ASSERT_TRUE(SUCCEEDED(dom->save(source)));
    ::VariantClear(&source);

    EXPECT_EQ(ReadBytes(bare), ReadBytes(ours));
}
