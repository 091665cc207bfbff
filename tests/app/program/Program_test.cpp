// Shelvix.exe worked from outside, as a person would: the file dialog, the lists, the menus'
// commands, the two dialogs, a drag with the real mouse, the message boxes; then the saved
// catalogue is compared with what the edits must give.
#include "AppTestSupport.h"
#include "RemoteWindows.h"

#include <gtest/gtest.h>

#include "app/xml/JXmlDomClasses.h"

#include <msxml2.h>
#include <wrl/client.h>

#include <map>

using Microsoft::WRL::ComPtr;

namespace
{
const int kFileOpen = 57601;
const int kFileSave = 57603;
const int kCollectionAdd = 32777;
const int kBooksAdd = 32778;
const int kBookDelete = 32780;
const int kCollections = 1000;
const int kBooks = 1001;
const int kCollectionName = 1002;
const int kOffered = 1003;

CString ProgramFolder()
{
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    CString folder(path);
    return folder.Left(folder.ReverseFind('\\'));
}

// The program, started with an empty profile and ended with the test.
class ShelvixProgram : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CString command = "\"" + ProgramFolder() + "\\Shelvix.exe\"";
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        ASSERT_TRUE(::CreateProcessA(nullptr, command.GetBuffer(0), nullptr, nullptr, FALSE, 0,
                                     nullptr, nullptr, &startup, &m_process))
            << "cannot start " << (LPCSTR)command;
        m_hFrame = WaitForWindow([&] { return FindProcessWindow(Pid(), L"Shelvix"); });
        ASSERT_NE(nullptr, m_hFrame) << "no main window";
        m_hCollections = WaitForWindow([&] { return FindDescendant(m_hFrame, kCollections); });
        m_hBooks = FindDescendant(m_hFrame, kBooks);
        ASSERT_NE(nullptr, m_hCollections);
        ASSERT_NE(nullptr, m_hBooks);
    }

    void TearDown() override
    {
        if (m_process.hProcess)
        {
            if (::WaitForSingleObject(m_process.hProcess, 0) != WAIT_OBJECT_0)
                ::TerminateProcess(m_process.hProcess, 1);
            ::CloseHandle(m_process.hThread);
            ::CloseHandle(m_process.hProcess);
        }
    }

    DWORD Pid() const { return m_process.dwProcessId; }
    bool Running() const { return ::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT; }

    // A menu or toolbar command, as the frame receives it from a click.
    void Command(int nID) { ::PostMessageW(m_hFrame, WM_COMMAND, nID, 0); }

    HWND WaitForDialog(const wchar_t* caption)
    {
        return WaitForWindow([&] { return FindProcessWindow(Pid(), caption, L"#32770"); });
    }

    // Chooses a file in the Open dialog.
    void OpenThroughFileDialog(const CString& path)
    {
        Command(kFileOpen);
        HWND hDialog = WaitForDialog(L"Open");
        ASSERT_NE(nullptr, hDialog) << "no file dialog";
        HWND hName = ::GetDlgItem(hDialog, 1148); // the explorer dialog's file name box
        if (!hName)
            hName = ::GetDlgItem(hDialog, 1152);
        ASSERT_NE(nullptr, hName);
        ::SendMessageW(hName, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide(path).c_str()));
        ClickButton(hDialog, IDOK);
        ASSERT_NE(nullptr, WaitForWindow([&] {
                      return FindProcessWindow(Pid(), L"Open", L"#32770") ? nullptr : m_hFrame;
                  }))
            << "the file dialog stays open";
    }

    // The text of the message box now shown; answers it with nButton.
    std::wstring AnswerMessage(int nButton)
    {
        HWND hBox = WaitForDialog(L"Shelvix");
        if (!hBox)
            return L"(no message box)";
        std::wstring text;
        for (const std::wstring& part : StaticTexts(hBox))
            text += part;
        ClickButton(hBox, nButton);
        WaitForWindow([&] { return ::IsWindow(hBox) ? nullptr : m_hFrame; });
        return text;
    }

    void SelectCollection(const wchar_t* name)
    {
        const std::vector<std::wstring> names = ListBoxTexts(m_hCollections);
        int index = -1;
        for (size_t i = 0; i < names.size(); ++i)
            if (names[i] == name)
                index = static_cast<int>(i);
        ASSERT_GE(index, 0) << "no collection " << Utf8(name);
        ::SendMessageW(m_hCollections, LB_SETCURSEL, index, 0);
        ::SendMessageW(::GetParent(m_hCollections), WM_COMMAND,
                       MAKEWPARAM(kCollections, LBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(m_hCollections));
    }

    std::vector<std::wstring> BookTitles()
    {
        return ListViewColumn(m_process.hProcess, m_hBooks, 0);
    }

    ProfileAside m_profile{"Shelvix"}; // the program starts with an empty profile
    PROCESS_INFORMATION m_process = {};
    HWND m_hFrame = nullptr;
    HWND m_hCollections = nullptr;
    HWND m_hBooks = nullptr;
    ScratchFolder m_folder;
};

std::vector<std::wstring> W(std::initializer_list<const char*> texts)
{
    std::vector<std::wstring> wide;
    for (const char* text : texts)
        wide.push_back(Wide(text));
    return wide;
}

ComPtr<IXMLDOMDocument2> LoadDom(const CString& path)
{
    ComPtr<IXMLDOMDocument2> doc;
    if (FAILED(::CoCreateInstance(kJXmlDomLadder[0].clsid, nullptr, CLSCTX_INPROC_SERVER,
                                  kIidXmlDomDocument2,
                                  reinterpret_cast<void**>(doc.GetAddressOf()))))
        return nullptr;
    doc->put_async(VARIANT_FALSE);
    VARIANT source;
    ::VariantInit(&source);
    source.vt = VT_BSTR;
    source.bstrVal = ::SysAllocString(Wide(path).c_str());
    VARIANT_BOOL ok = VARIANT_FALSE;
    doc->load(source, &ok);
    ::VariantClear(&source);
    return ok == VARIANT_TRUE ? doc : nullptr;
}

std::wstring TakeBstr(BSTR text)
{
    std::wstring result = text ? text : L"";
    ::SysFreeString(text);
    return result;
}

std::wstring XmlOf(IXMLDOMNode* pNode)
{
    BSTR text = nullptr;
    pNode->get_xml(&text);
    return TakeBstr(text);
}

std::wstring Attribute(IXMLDOMNode* pNode, const wchar_t* name)
{
    ComPtr<IXMLDOMElement> element;
    if (FAILED(pNode->QueryInterface(kIidXmlDomElement,
                                     reinterpret_cast<void**>(element.GetAddressOf()))))
        return L"";
    VARIANT value;
    ::VariantInit(&value);
    BSTR bstrName = ::SysAllocString(name);
    element->getAttribute(bstrName, &value);
    ::SysFreeString(bstrName);
    std::wstring text = value.vt == VT_BSTR ? value.bstrVal : L"(none)";
    ::VariantClear(&value);
    return text;
}

// The element children of a node, in document order.
std::vector<ComPtr<IXMLDOMNode>> Elements(IXMLDOMNode* pParent)
{
    std::vector<ComPtr<IXMLDOMNode>> elements;
    ComPtr<IXMLDOMNodeList> children;
    pParent->get_childNodes(&children);
    long count = 0;
    children->get_length(&count);
    for (long i = 0; i < count; ++i)
    {
        ComPtr<IXMLDOMNode> child;
        children->get_item(i, &child);
        DOMNodeType type;
        child->get_nodeType(&type);
        if (type == NODE_ELEMENT)
            elements.push_back(child);
    }
    return elements;
}

ComPtr<IXMLDOMNode> Records(IXMLDOMDocument* pDoc)
{
    ComPtr<IXMLDOMElement> root;
    pDoc->get_documentElement(&root);
    for (const ComPtr<IXMLDOMNode>& child : Elements(root.Get()))
    {
        BSTR name = nullptr;
        child->get_baseName(&name);
        if (TakeBstr(name) == L"records")
            return child;
    }
    return nullptr;
}

// The document without its records element: everything the program never touches.
std::wstring XmlOutsideRecords(IXMLDOMDocument* pDoc)
{
    ComPtr<IXMLDOMNode> records = Records(pDoc);
    ComPtr<IXMLDOMNode> parent;
    records->get_parentNode(&parent);
    ComPtr<IXMLDOMNode> removed;
    parent->removeChild(records.Get(), &removed);
    return XmlOf(pDoc);
}

std::vector<std::wstring> ItemIds(IXMLDOMNode* pCollection)
{
    std::vector<std::wstring> ids;
    for (const ComPtr<IXMLDOMNode>& item : Elements(pCollection))
        ids.push_back(Attribute(item.Get(), L"id"));
    return ids;
}

std::map<std::wstring, std::wstring> IdsByTitle(IXMLDOMNode* pRecords)
{
    std::map<std::wstring, std::wstring> ids;
    for (const ComPtr<IXMLDOMNode>& entry : Elements(pRecords))
        ids[Attribute(entry.Get(), L"title")] = Attribute(entry.Get(), L"id");
    return ids;
}
} // namespace

TEST_F(ShelvixProgram, EditsASampleCatalogueEndToEnd)
{
    const CString original = WinePathOf(SHELVIX_SOURCE_DIR "/samples/reader-catalogue.xml");
    const CString path = m_folder.Write("reader.xml", ReadBytes(original));

    OpenThroughFileDialog(path);
    // Sorted by the C library's _mbsicmp, which under the UTF-8 code page puts the Greek and
    // Japanese names first.
    EXPECT_EQ(W({"Βιβλία στα ελληνικά", "日本の本", "blank", "Cookbooks", "Reading now", "travel"}),
              ListBoxTexts(m_hCollections));
    EXPECT_TRUE(BookTitles().empty());

    SelectCollection(L"travel");
    EXPECT_EQ(W({"A Quiet Year in Kraków", "Ünterwegs: Reisen ohne Eile", "Poems for Long Trains 🚆",
                 "The Lighthouse Keeper's Almanac"}),
              BookTitles());

    // Add Collection: one new name, then the dialog is closed.
    Command(kCollectionAdd);
    HWND hAdd = WaitForDialog(L"Add Collection");
    ASSERT_NE(nullptr, hAdd);
    ::SendMessageW(::GetDlgItem(hAdd, kCollectionName), WM_SETTEXT, 0,
                   reinterpret_cast<LPARAM>(Wide("  Lecture d'été ").c_str()));
    ClickButton(hAdd, IDOK);
    ClickButton(hAdd, IDCANCEL);
    std::vector<std::wstring> names = ListBoxTexts(m_hCollections);
    ASSERT_EQ(7u, names.size());
    EXPECT_EQ(Wide("Lecture d'été"), names.back());
    EXPECT_EQ(6, ::SendMessageW(m_hCollections, LB_GETCURSEL, 0, 0)) << "the new one is selected";

    // Add Books: two of the thirteen books offered, picked by title.
    Command(kBooksAdd);
    HWND hBooks = WaitForDialog(L"Add Books To Collection");
    ASSERT_NE(nullptr, hBooks);
    HWND hOffered = ::GetDlgItem(hBooks, kOffered);
    const std::vector<std::wstring> offered = ListViewColumn(m_process.hProcess, hOffered, 0);
    EXPECT_EQ(13u, offered.size());
    std::vector<std::wstring> chosen;
    for (size_t row = 0; row < offered.size(); ++row)
    {
        if (offered[row] == Wide("夜明けの図書館") ||
            offered[row] == Wide("Crème brûlée et autres délices"))
        {
            ListViewSelect(m_process.hProcess, hOffered, static_cast<int>(row), true);
            chosen.push_back(offered[row]);
        }
    }
    ASSERT_EQ(2u, chosen.size());
    ClickButton(hBooks, IDOK);
    EXPECT_EQ(11, ListViewCount(hOffered)) << "the added books leave the offer";
    ClickButton(hBooks, IDCANCEL);
    EXPECT_EQ(chosen, BookTitles());

    // Delete Book: the second row of travel.
    SelectCollection(L"travel");
    ListViewSelect(m_process.hProcess, m_hBooks, 1, true);
    Command(kBookDelete);
    WaitForWindow([&] { return ListViewCount(m_hBooks) == 3 ? m_hBooks : nullptr; }, 5000);
    EXPECT_EQ(
        W({"A Quiet Year in Kraków", "Poems for Long Trains 🚆", "The Lighthouse Keeper's Almanac"}),
        BookTitles());

    // The last row dragged onto the first with the real mouse.
    ASSERT_TRUE(MouseDrag(ListViewRowPoint(m_process.hProcess, m_hBooks, 2),
                          ListViewRowPoint(m_process.hProcess, m_hBooks, 0)))
        << "xdotool did not run";
    WaitForWindow(
        [&] {
            return BookTitles().front() == Wide("The Lighthouse Keeper's Almanac") ? m_hBooks
                                                                                   : nullptr;
        },
        5000);
    EXPECT_EQ(
        W({"The Lighthouse Keeper's Almanac", "A Quiet Year in Kraków", "Poems for Long Trains 🚆"}),
        BookTitles());

    // Closing with changes asks; No keeps the program and the changes.
    ::PostMessageW(m_hFrame, WM_CLOSE, 0, 0);
    EXPECT_EQ(L"There are unsaved changes.\n\nAre you sure you want to exit?", AnswerMessage(IDNO));
    ::Sleep(200);
    EXPECT_TRUE(Running());

    Command(kFileSave);
    EXPECT_EQ(L"File saved successfully.", AnswerMessage(IDOK));
    ::PostMessageW(m_hFrame, WM_CLOSE, 0, 0);
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(m_process.hProcess, 15000))
        << "the program did not end after a save";

    // What the edits must give, and nothing else changed.
    ComPtr<IXMLDOMDocument2> before = LoadDom(original);
    ComPtr<IXMLDOMDocument2> after = LoadDom(path);
    ASSERT_TRUE(before && after) << "the saved catalogue does not load";
    const std::vector<ComPtr<IXMLDOMNode>> was = Elements(Records(before.Get()).Get());
    const std::vector<ComPtr<IXMLDOMNode>> is = Elements(Records(after.Get()).Get());
    ASSERT_EQ(was.size() + 1, is.size()) << "one collection added";
    const std::map<std::wstring, std::wstring> ids = IdsByTitle(Records(before.Get()).Get());
    for (size_t i = 0; i < was.size(); ++i)
    {
        if (Attribute(was[i].Get(), L"title") == L"travel")
        {
            EXPECT_EQ(XmlOf(was[i].Get()).substr(0, 40), XmlOf(is[i].Get()).substr(0, 40));
            EXPECT_EQ((std::vector<std::wstring>{L"11", L"16", L"23"}), ItemIds(is[i].Get()));
            continue;
        }
        EXPECT_EQ(XmlOf(was[i].Get()), XmlOf(is[i].Get())) << "records entry " << i << " changed";
    }
    IXMLDOMNode* pNew = is.back().Get();
    EXPECT_EQ(Wide("Lecture d'été"), Attribute(pNew, L"title"));
    EXPECT_EQ(L"1", Attribute(pNew, L"sourceid"));
    EXPECT_EQ(L"52", Attribute(pNew, L"id")) << "one more than the highest id of the file";
    EXPECT_EQ(36u, Attribute(pNew, L"uuid").size());
    EXPECT_EQ((std::vector<std::wstring>{ids.at(chosen[0]), ids.at(chosen[1])}), ItemIds(pNew));
    EXPECT_EQ(XmlOutsideRecords(before.Get()), XmlOutsideRecords(after.Get()));
}

TEST_F(ShelvixProgram, RefusesHostileAndBrokenFilesAndGoesOn)
{
    struct Case
    {
        const char* name;
        std::string content;
    };
    const Case cases[] = {
        {"dtd.xml", "<?xml version=\"1.0\"?>\n<!DOCTYPE cache [<!ENTITY a \"aaaa\">]>\n"
                    "<cache xmlns:xs1=\"urn:x\"><xs1:records>&a;</xs1:records></cache>\n"},
        {"external.xml", "<?xml version=\"1.0\"?>\n<!DOCTYPE cache [<!ENTITY e SYSTEM "
                         "\"file:///etc/passwd\">]>\n<cache><records>&e;</records></cache>\n"},
        {"not-xml.xml", "This is a shopping list, not a catalogue.\n"},
        {"empty.xml", ""},
    };
    const CString good = m_folder.Write(
        "good.xml", "<cache xmlns:xs1=\"urn:x\"><xs1:records><xs1:playlist title=\"Kept\" "
                    "id=\"1\"/></xs1:records></cache>");
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        OpenThroughFileDialog(good);
        ASSERT_EQ(W({"Kept"}), ListBoxTexts(m_hCollections));
        OpenThroughFileDialog(m_folder.Write(c.name, c.content));
        EXPECT_EQ(L"Unable to open the file.", AnswerMessage(IDOK));
        EXPECT_TRUE(Running());
        EXPECT_TRUE(ListBoxTexts(m_hCollections).empty());
    }
    ::PostMessageW(m_hFrame, WM_CLOSE, 0, 0);
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(m_process.hProcess, 15000));
}
