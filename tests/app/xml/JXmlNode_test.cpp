#include "AppTestSupport.h"
#include "app/xml/JXmlDocument.h"
#include "app/xml/JXmlError.h"
#include "app/xml/JXmlNodeList.h"

#include <gtest/gtest.h>

namespace
{
class XmlNodeTest : public ::testing::Test
{
protected:
    // Loads the document element <root> of the text and returns it.
    JXmlNode Load(const char* xml)
    {
        m_doc = std::make_unique<JXmlDocument>();
        EXPECT_TRUE(m_doc->Open(m_folder.Write("doc.xml", xml))) << xml;
        return JXmlNode(m_doc->GetRoot());
    }
    CString SavedText()
    {
        EXPECT_TRUE(m_doc->Save(nullptr));
        return ReadBytes(m_doc->GetPath()).c_str();
    }

    ScratchFolder m_folder;
    std::unique_ptr<JXmlDocument> m_doc;
};

std::vector<CString> Names(const JXmlNodeList& list)
{
    std::vector<CString> names;
    for (int i = 0; i < list.GetCount(); ++i)
        names.push_back(JXmlNode(list.GetItem(i)).GetName());
    return names;
}
} // namespace

TEST_F(XmlNodeTest, FindChildMatchesTheLocalNameWhateverThePrefix)
{
    JXmlNode root = Load(R"(<root xmlns:xs1="urn:a" xmlns:pl="urn:b">
        <xs1:text id="1"/><xs1:playlist id="2"/><xs1:playlist id="3"/><pl:records id="4"/>
        <records id="5"/></root>)");
    JXmlNode playlist(root.FindChild("playlist", false));
    EXPECT_EQ(2, playlist.GetAttributeInt("id", 0)) << "the first xs1:playlist";
    JXmlNode records(root.FindChild("records", false));
    EXPECT_EQ(4, records.GetAttributeInt("id", 0)) << "prefixed records comes first";
    EXPECT_STREQ("pl:records", (LPCSTR)records.GetName());
    EXPECT_TRUE(JXmlNode(root.FindChild("missing", false)).IsNull());
    EXPECT_TRUE(JXmlNode(root.FindChild("it's", false)).IsNull()) << "apostrophes are escaped";
}

TEST_F(XmlNodeTest, FindChildCreatesOnceAndFindsItsCreationAgain)
{
    JXmlNode root = Load("<root><a/><!-- note --></root>");
    JXmlNode first(root.FindChild("records", true));
    ASSERT_FALSE(first.IsNull());
    ASSERT_TRUE(first.SetAttribute("mark", "1", "", ""));
    JXmlNode second(root.FindChild("records", true));
    EXPECT_STREQ("1", (LPCSTR)second.GetAttribute("mark", nullptr))
        << "the second call finds the first one";
    EXPECT_EQ((std::vector<CString>{"a", "records"}), Names(JXmlNodeList(root.GetChildren())));
    EXPECT_NE(-1, SavedText().Find("<a/><!-- note --><records mark=\"1\"/></root>"));
}

TEST_F(XmlNodeTest, GetAttributeWithDefaults)
{
    JXmlNode root = Load(R"(<root empty="" title="T" num="12x" word="abc" neg=" -5"/>)");
    struct Case
    {
        const char* name;
        const char* def;
        const char* expected;
    } cases[] = {
        {"title", "blank", "T"},  {"missing", "blank", "blank"}, {"empty", "blank", "blank"},
        {"missing", nullptr, ""}, {"empty", nullptr, ""},        {"title", nullptr, "T"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.expected, (LPCSTR)root.GetAttribute(c.name, c.def))
            << c.name << " with default " << (c.def ? c.def : "null");

    struct IntCase
    {
        const char* name;
        int expected;
    } ints[] = {{"missing", 7}, {"empty", 7}, {"word", 0}, {"num", 12}, {"neg", -5}};
    for (const IntCase& c : ints)
        EXPECT_EQ(c.expected, root.GetAttributeInt(c.name, 7)) << c.name;
}

TEST_F(XmlNodeTest, SetAttributeReplacesAndAddsPlainAttributes)
{
    // xs1 is bound for the prefixed attribute at the end: Wine writes a namespaced attribute
    // without declaring its prefix, and the save refuses a file that would not read back.
    JXmlNode root = Load(R"(<root xmlns:xs1="urn:x"><e id="1" keep="k"/></root>)");
    JXmlNode e(root.FindChild("e", false));
    EXPECT_TRUE(e.SetAttribute("id", "3", "", ""));
    EXPECT_TRUE(e.SetAttributeInt("sourceid", -1, "", ""));
    EXPECT_TRUE(e.SetAttribute("title", "a<b&\"c\"", "", ""));
    EXPECT_EQ(3, e.GetAttributeInt("id", 0));
    EXPECT_STREQ("a<b&\"c\"", (LPCSTR)e.GetAttribute("title", nullptr));
    const CString text = SavedText();
    EXPECT_NE(-1,
              text.Find(R"(<e id="3" keep="k" sourceid="-1" title="a&lt;b&amp;&quot;c&quot;"/>)"))
        << (LPCSTR)text;
    EXPECT_EQ(text.Find("id=\"3\""), text.ReverseFind('3') - 4) << "only one id";

    EXPECT_TRUE(e.SetAttribute("id", "9", "xs1", "urn:x"));
    EXPECT_NE(-1, SavedText().Find("xs1:id=\"9\"")) << "a prefix makes a qualified name";
}

TEST_F(XmlNodeTest, ChildrenAreElementsOnlyInDocumentOrder)
{
    JXmlNode root = Load("<root>text<b/><!--c--><?pi x?><a><deep/></a></root>");
    EXPECT_EQ((std::vector<CString>{"b", "a"}), Names(JXmlNodeList(root.GetChildren())));
    JXmlNode onlyText = Load("<root>just text<!-- and a comment --></root>");
    EXPECT_EQ(0, JXmlNodeList(onlyText.GetChildren()).GetCount());
}

TEST_F(XmlNodeTest, AddChildAppendsAndRemoveDetaches)
{
    JXmlNode root = Load("<root><a/></root>");
    JXmlNode item(root.AddChild("xs1:item"));
    ASSERT_FALSE(item.IsNull());
    EXPECT_STREQ("xs1:item", (LPCSTR)item.GetName());
    JXmlNode(root.FindChild("a", false)).Remove();
    EXPECT_EQ((std::vector<CString>{"xs1:item"}), Names(JXmlNodeList(root.GetChildren())));
    item.Remove();
    EXPECT_EQ(0, JXmlNodeList(root.GetChildren()).GetCount());
    EXPECT_STREQ("xs1:item", (LPCSTR)item.GetName()) << "the handle keeps the detached node";
    item.Remove(); // no parent any more: swallowed
}

TEST_F(XmlNodeTest, LookupNamespaceFindsTheBindingInScope)
{
    struct Case
    {
        const char* xml;
        const char* uri; // of xs1 at the innermost element <in>
    } cases[] = {
        {R"(<root xmlns:xs1="urn:a"><mid><in/></mid></root>)", "urn:a"},
        {R"(<root xmlns:xs1="urn:a"><mid xmlns:xs1="urn:b"><in/></mid></root>)", "urn:b"},
        {R"(<xs1:root xmlns:xs1="urn:a"><xs1:mid><in/></xs1:mid></xs1:root>)", "urn:a"},
        {R"(<root xmlns="urn:d"><mid><in/></mid></root>)", ""},
        {R"(<root xmlns:xs2="urn:a"><mid><in xmlns:xs10="urn:c"/></mid></root>)", ""},
        {R"(<root><mid><in/></mid></root>)", ""},
    };
    for (const Case& c : cases)
    {
        JXmlNode root = Load(c.xml);
        JXmlNode in(JXmlNode(root.FindChild("mid", false)).FindChild("in", false));
        ASSERT_FALSE(in.IsNull()) << c.xml;
        EXPECT_STREQ(c.uri, (LPCSTR)in.LookupNamespace("xs1")) << c.xml;
    }
    JXmlNode root = Load(R"(<root xmlns="urn:d"/>)");
    EXPECT_STREQ("urn:d", (LPCSTR)root.GetNamespaceUri());
}

TEST_F(XmlNodeTest, AddChildInANamespaceDeclaresItsPrefix)
{
    JXmlNode root = Load("<root><records/></root>");
    JXmlNode records(root.FindChild("records", false));
    JXmlNode list(records.AddChild("xs1:playlist", "urn:p"));
    ASSERT_FALSE(list.IsNull());
    EXPECT_STREQ("xs1:playlist", (LPCSTR)list.GetName());
    EXPECT_STREQ("urn:p", (LPCSTR)list.LookupNamespace("xs1"));
    EXPECT_TRUE(records.LookupNamespace("xs1").IsEmpty()) << "bound on the new element only";
    JXmlNode item(list.AddChild("xs1:item"));
    EXPECT_STREQ("urn:p", (LPCSTR)item.LookupNamespace("xs1")) << "in scope below it";
    EXPECT_STREQ(
        R"(<root><records><xs1:playlist xmlns:xs1="urn:p"><xs1:item/></xs1:playlist></records></root>
)",
        (LPCSTR)SavedText());
}

TEST(JXmlNode, EmptyHandlesGiveFailureValues)
{
    JXmlNode empty;
    EXPECT_TRUE(empty.IsNull());
    EXPECT_TRUE(empty.GetName().IsEmpty());
    EXPECT_STREQ("d", (LPCSTR)empty.GetAttribute("x", "d"));
    EXPECT_EQ(4, empty.GetAttributeInt("x", 4));
    EXPECT_FALSE(empty.SetAttribute("x", "1", "", ""));
    EXPECT_TRUE(JXmlNode(empty.FindChild("x", true)).IsNull());
    EXPECT_TRUE(JXmlNode(empty.AddChild("x")).IsNull());
    EXPECT_TRUE(JXmlNode(empty.AddChild("p:x", "urn:p")).IsNull());
    EXPECT_TRUE(empty.GetNamespaceUri().IsEmpty());
    EXPECT_TRUE(empty.LookupNamespace("p").IsEmpty());
    empty.Remove();
    EXPECT_EQ(-1, JXmlNodeList(empty.GetChildren()).GetCount());

    JXmlNodeList noList;
    EXPECT_EQ(-1, noList.GetCount());
    EXPECT_THROW(noList.GetItem(0), JXmlError) << "GetItem lets the error reach its caller";
}

TEST_F(XmlNodeTest, GetItemOutsideTheListIsAnEmptyHandle)
{
    JXmlNode root = Load("<root><a/><b/></root>");
    JXmlNodeList children(root.GetChildren());
    EXPECT_FALSE(JXmlNode(children.GetItem(1)).IsNull());
    EXPECT_TRUE(JXmlNode(children.GetItem(2)).IsNull());
    EXPECT_TRUE(JXmlNode(children.GetItem(-1)).IsNull());
}

TEST_F(XmlNodeTest, NodesGoBackWhereTheyStoodAndAttributesChangeInPlace)
{
    JXmlNode root = Load(R"(<root><a/><!--x--><b/><c first="1" id="007" last=""/></root>)");
    JXmlNode b(root.FindChild("b", false));
    JXmlNode next(b.GetNextSibling());
    EXPECT_TRUE(next.GetName() == "c");
    EXPECT_TRUE(JXmlNode(b.GetParent()).GetName() == "root");
    b.Remove();
    EXPECT_TRUE(JXmlNode(b.GetParent()).IsNull());
    ASSERT_TRUE(root.InsertChild(b, next));
    JXmlNode a(root.FindChild("a", false));
    a.Remove();
    ASSERT_TRUE(root.InsertChild(a, JXmlNode())) << "an empty handle appends";
    EXPECT_EQ((std::vector<CString>{"b", "c", "a"}), Names(JXmlNodeList(root.GetChildren())));

    JXmlNode c(root.FindChild("c", false));
    CString value = "unchanged";
    EXPECT_FALSE(c.FindAttribute("missing", value));
    EXPECT_TRUE(c.FindAttribute("last", value));
    EXPECT_TRUE(value.IsEmpty()) << "present and empty is not missing";
    EXPECT_TRUE(c.FindAttribute("id", value));
    EXPECT_STREQ("007", (LPCSTR)value);
    EXPECT_TRUE(c.SetAttributeText("id", "8"));
    EXPECT_TRUE(c.RemoveAttribute("first"));
    EXPECT_TRUE(c.RemoveAttribute("first")) << "removing what is not there succeeds";
    EXPECT_TRUE(c.SetAttributeText("added", "z"));
    EXPECT_NE(-1, SavedText().Find(R"(<root><!--x--><b/><c id="8" last="" added="z"/><a/></root>)"))
        << (LPCSTR)SavedText();
    EXPECT_FALSE(JXmlNode().InsertChild(a, JXmlNode()));
    EXPECT_FALSE(JXmlNode().FindAttribute("id", value));
}
