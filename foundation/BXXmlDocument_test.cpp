#include "BXXmlDocument.h"

#include "BXXmlTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::u16string Repeat(std::u16string_view piece, size_t count)
{
    std::u16string result;
    result.reserve(piece.size() * count);
    for (size_t i = 0; i < count; ++i) {
        result += piece;
    }
    return result;
}

BXString Str(const std::u16string& text)
{
    return BXString(text.data(), int32_t(text.size()));
}

struct ParseCase {
    const char16_t* m_text;
    bool m_wellFormed;
    const char16_t* m_error;
};

TEST(BXXmlDocument, ParseKeepsFirstErrorWithOffset)
{
    const ParseCase cases[] = {
        {u"<a/>", true, u""},
        {u"<a><b></B></A>", true, u""},
        {u"<?xml version=\"1.0\"?><!-- x --><!DOCTYPE a [<!ELEMENT a ANY>]><a x='1>2'/>", true, u""},
        {u"", false, u"Empty document"},
        {u"   \r\n", false, u"No root element"},
        {u"<!-- only a comment -->", false, u"No root element"},
        {u"<a/><b/>", false, u"Root element has sibling"},
        {u"<a><b></a>", false, u"End tag 'a' at offset 6 does not match start tag 'b' at offset 3"},
        {u"<a><b>", false, u"Element 'b' at offset 3 not ended"},
        {u"<a></b></a>", false, u"No start tag for end tag 'b' at offset 3"},
        {u"</b><a/>", false, u"No start tag for end tag 'b' at offset 0"},
        {u"<a><1/></a>", false, u"Incorrect tag name character at offset 3"},
        {u"<a>< b/></a>", false, u"Incorrect tag name character at offset 3"},
        {u"<a><[/></a>", false, u"Incorrect tag name character at offset 3"},
        {u"<a>x<", false, u"Incorrect tag name character at offset 4"},
        {u"<a><!x></a>", false, u"Incorrect ! tag at offset 3"},
        {u"<a><!-x--></a>", false, u"Incorrect comment tag at offset 3"},
        {u"<a><![x[ ]]></a>", false, u"Incorrect tag at offset 3"},
        {u"<a><!-- x", false, u"Comment at offset 3 unterminated"},
        {u"<a><![CDATA[ x", false, u"CDATA Section at offset 3 unterminated"},
        {u"<a><?pi x", false, u"Processing instruction at offset 3 unterminated"},
        {u"<!DOCTYPE a [ <!ELEMENT a ANY> ]", false, u"Doctype at offset 0 unterminated"},
        {u"<a b='>'", false, u"Element tag at offset 0 unterminated"},
        {u"<a></a", false, u"Element end tag at offset 3 unterminated"},
        // Only the first error is kept.
        {u"<a></b><c>", false, u"No start tag for end tag 'b' at offset 3"},
        {u"<a><!x><b></a>", false, u"Incorrect ! tag at offset 3"},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(BXXmlTestUtf8(std::u16string_view(c.m_text)));
        BXXmlDocument doc;
        EXPECT_EQ(doc.ParseText(c.m_text), c.m_wellFormed);
        EXPECT_EQ(BXXmlTestUtf8(doc.GetErrorText()), BXXmlTestUtf8(std::u16string_view(c.m_error)));
        EXPECT_EQ(doc.IsWellFormed(), c.m_wellFormed);
    }
}

TEST(BXXmlDocument, ReparseReplacesTextNodesAndError)
{
    BXXmlDocument doc;
    EXPECT_FALSE(doc.ParseText(u"<a><b>"));
    EXPECT_TRUE(doc.ParseText(u"<c>t</c>"));
    EXPECT_TRUE(doc.GetErrorText().IsEmpty());
    EXPECT_EQ(doc.GetNodeCount(), 2u);
    EXPECT_EQ(BXXmlTestUtf8(doc.GetTextAt(u"/c")), "t");
    EXPECT_EQ(doc.GetNode(0).m_flags & kXmlNodeDocumentError, 0u);
}

TEST(BXXmlDocument, MismatchedEndTagClosesTheMatchingAncestor)
{
    BXXmlDocument doc;
    EXPECT_FALSE(doc.ParseText(u"<a><b></a>"));
    uint32_t a = doc.GetRootNode();
    uint32_t b = doc.GetNode(a).m_firstChild;
    ASSERT_NE(b, 0u);
    EXPECT_EQ(BXXmlTestUtf8(doc.GetNodeName(b)), "b");
    EXPECT_NE(doc.GetNode(b).m_flags & kXmlNodeNotEnded, 0u);
    EXPECT_NE(doc.GetNode(b).m_flags & kXmlNodeIllFormed, 0u);
    EXPECT_NE(doc.GetNode(a).m_flags & kXmlNodeIllFormed, 0u);
    EXPECT_EQ(doc.GetNode(a).m_flags & kXmlNodeNotEnded, 0u);
    EXPECT_EQ(doc.GetNode(a).m_length, 10u);
    EXPECT_EQ(doc.GetEndTagLength(a), 4u);
    EXPECT_EQ(doc.GetNode(b).m_length, 3u);
    EXPECT_EQ(doc.GetNode(b).m_flags & kXmlNodeLevelMask, 2u);
}

// Children of the elements left open move up to follow them, in document order, one level higher.
TEST(BXXmlDocument, RepairLiftsChildrenOfUnendedElements)
{
    BXXmlDocument doc;
    EXPECT_FALSE(doc.ParseText(u"<r><a><b><c><x/>t</a><e/></r>"));
    EXPECT_EQ(BXXmlTestUtf8(doc.GetErrorText()), "End tag 'a' at offset 17 does not match start tag 'c' at offset 9");
    std::string shape;
    for (uint32_t node : BXXmlTestElements(doc)) {
        const BXXmlNode& record = doc.GetNode(node);
        shape += BXXmlTestUtf8(doc.GetNodeName(node)) + "@" + std::to_string(record.m_flags & kXmlNodeLevelMask) + "<" +
                 BXXmlTestUtf8(doc.GetNodeName(record.m_parent)) + ">";
        if (record.m_flags & kXmlNodeNotEnded) {
            shape += "!";
        }
        if (record.m_flags & kXmlNodeFirstChild) {
            shape += "^";
        }
        shape += " ";
    }
    EXPECT_EQ(shape, "r@1<>^ a@2<r>^ b@3<a>!^ c@3<a>! x@3<a> e@2<r> ");
    uint32_t a = doc.GetNode(doc.GetRootNode()).m_firstChild;
    uint32_t first = doc.GetNode(a).m_firstChild;
    EXPECT_EQ(BXXmlTestUtf8(doc.GetNodeName(doc.GetNode(first).m_prevSibling)), "x");
    EXPECT_EQ(doc.GetNode(a).m_length, 21u - 3u);
}

// Open elements of one name are repaired innermost first; later end tags still find the right ancestor.
TEST(BXXmlDocument, RepairOfSameNamedElementsKeepsLaterMatchesRight)
{
    BXXmlDocument doc;
    EXPECT_FALSE(doc.ParseText(u"<r><q></z><b><b><b></r2></q><x></b></x></r>"));
    EXPECT_EQ(BXXmlTestUtf8(doc.GetErrorText()), "No start tag for end tag 'z' at offset 6");
    std::string shape;
    for (uint32_t node : BXXmlTestElements(doc)) {
        shape += BXXmlTestUtf8(doc.GetNodeName(node)) + "<" +
                 BXXmlTestUtf8(doc.GetNodeName(doc.GetNode(node).m_parent)) +
                 (doc.GetNode(node).m_flags & kXmlNodeNotEnded ? ">! " : "> ");
    }
    EXPECT_EQ(shape, "r<> q<r> b<q>! b<q>! b<q>! x<r> ");
    EXPECT_EQ(doc.GetNode(doc.GetRootNode()).m_flags & kXmlNodeNotEnded, 0u);
    uint32_t x = doc.GetNode(doc.GetNode(doc.GetRootNode()).m_firstChild).m_nextSibling;
    EXPECT_NE(doc.GetNode(x).m_flags & kXmlNodeIllFormed, 0u); // the b end tag inside x had no open b
}

TEST(BXXmlDocument, StrayEndTagIsIgnoredAndMarksItsElement)
{
    BXXmlDocument doc;
    EXPECT_FALSE(doc.ParseText(u"<r><a>x</b>y</a></r>"));
    uint32_t r = doc.GetRootNode();
    uint32_t a = doc.GetNode(r).m_firstChild;
    EXPECT_NE(doc.GetNode(a).m_flags & kXmlNodeIllFormed, 0u);
    EXPECT_NE(doc.GetNode(r).m_flags & kXmlNodeIllFormed, 0u);
    EXPECT_EQ(doc.GetNode(a).m_flags & kXmlNodeNotEnded, 0u);
    EXPECT_EQ(doc.GetNode(a).m_length, 13u);
    EXPECT_EQ(BXXmlTestUtf8(doc.GetText(a)), "xy");
}

TEST(BXXmlDocument, ElementsOpenAtTheEndRunToTheEnd)
{
    BXXmlDocument doc;
    EXPECT_FALSE(doc.ParseText(u"<a><b>text"));
    uint32_t a = doc.GetRootNode();
    uint32_t b = doc.GetNode(a).m_firstChild;
    EXPECT_NE(doc.GetNode(a).m_flags & kXmlNodeNotEnded, 0u);
    EXPECT_NE(doc.GetNode(b).m_flags & kXmlNodeNotEnded, 0u);
    EXPECT_EQ(doc.GetNode(a).m_length, 10u);
    EXPECT_EQ(doc.GetNode(b).m_length, 7u);
    EXPECT_EQ(BXXmlTestUtf8(doc.GetText(b)), "text");
}

TEST(BXXmlDocument, RecordsHoldOffsetsAndTagLengths)
{
    BXXmlDocument doc;
    EXPECT_TRUE(doc.ParseText(u"<root a=\"1\">\n  <x/>\n  <y>t</y >\n</root>"));
    uint32_t root = doc.GetRootNode();
    uint32_t x = doc.GetNode(root).m_firstChild;
    uint32_t y = doc.GetNode(x).m_nextSibling;
    EXPECT_EQ(doc.GetNode(root).m_start, 0u);
    EXPECT_EQ(doc.GetNode(root).m_length, 39u);
    EXPECT_EQ(doc.GetStartTagLength(root), 12u);
    EXPECT_EQ(doc.GetEndTagLength(root), 7u);
    EXPECT_EQ(doc.GetNode(x).m_start, 15u);
    EXPECT_EQ(doc.GetNode(x).m_length, 4u);
    EXPECT_EQ(doc.GetEndTagLength(x), 0u);
    EXPECT_EQ(doc.GetNode(y).m_start, 22u);
    EXPECT_EQ(doc.GetNode(y).m_length, 9u);
    EXPECT_EQ(doc.GetEndTagLength(y), 5u);
    EXPECT_EQ(doc.GetNode(x).m_flags, 2u | kXmlNodeFirstChild);
    EXPECT_EQ(doc.GetNode(y).m_flags, 2u);
    EXPECT_EQ(doc.GetNode(x).m_prevSibling, y); // the first child names the last
    EXPECT_EQ(doc.GetNode(y).m_prevSibling, x);
    EXPECT_EQ(doc.GetNode(y).m_parent, root);
}

TEST(BXXmlDocument, TagLengthsBeyondTheirFieldsAreMeasuredAgain)
{
    std::u16string huge = u"<a v=\"" + Repeat(u"x>", 1200000) + u"\">t</a" + Repeat(u" ", 2000) + u">";
    BXXmlDocument doc;
    EXPECT_TRUE(doc.ParseText(Str(huge)));
    uint32_t a = doc.GetRootNode();
    EXPECT_EQ(doc.GetStartTagLength(a), 6u + 2400000u + 2u);
    EXPECT_EQ(doc.GetEndTagLength(a), 2004u);
    EXPECT_EQ(BXXmlTestUtf8(doc.GetText(a)), "t");
    EXPECT_EQ(doc.GetAttribute(a, u"v").GetLength(), 2400000);
}

struct PathCase {
    const char16_t* m_path;
    const char16_t* m_text;
};

constexpr const char16_t* kCatalog = u"<?xml version=\"1.0\"?>\r\n"
                                     u"<!-- head -->\r\n"
                                     u"<Root>\r\n"
                                     u"  <Product Name=\"Cantora\" id=\"p1\">\r\n"
                                     u"    <InstallToPath>C:\\Apps</InstallToPath>\r\n"
                                     u"    <Version>23</Version>\r\n"
                                     u"  </Product>\r\n"
                                     u"  <Product Name='Other'>\r\n"
                                     u"    <Version>5</Version>\r\n"
                                     u"    <Feature><Name>x</Name></Feature>\r\n"
                                     u"  </Product>\r\n"
                                     u"  <Item Name=\"a\">one</Item>\r\n"
                                     u"  <item name=\"B\">two &amp; more</item>\r\n"
                                     u"  <Deep><L1><L2><Name>deep</Name></L2></L1></Deep>\r\n"
                                     u"  <Mixed> a <!-- c --><![CDATA[<b>]]> &lt;z&gt; <?p i?>\r\n </Mixed>\r\n"
                                     u"  <Blank>  </Blank>\r\n"
                                     u"</Root>\r\n";

TEST(BXXmlDocument, PathsFindElements)
{
    const PathCase cases[] = {
        {u"/*/Product/InstallToPath", u"C:\\Apps"},
        {u"/Root/Product/Version", u"23"},
        {u"/root/PRODUCT/version", u"23"},
        {u"/*/Product[2]/Version", u"5"},
        {u"/*/Product[@id]/Version", u"23"},
        {u"/*/Product[@ID]/Version", u"23"},
        {u"/*/Product[Feature]/Version", u"5"},
        {u"/*/Product/Feature/Name", u"x"}, // the first Product has no Feature: the search backs out
        {u"/*/*/Feature/Name", u"x"},
        {u"//Name", u"x"},
        {u"//L2/Name", u"deep"},
        {u"//Deep//Name", u""},
        {u"/*/Item[2]", u"two & more"},
        {u"/*/*[3]", u"one"},
        {u"/*/Item", u"one"},
        {u"/*/Mixed", u" a <b> <z> "},
        {u"/*/Blank", u"  "},
        {u"/*/Product/Version other text", u"23"},
        {u"/*/Missing", u""},
        {u"/Other/Product", u""},
        {u"/*/Product[3]", u""},
        {u"/*/Product[0]", u""},
        {u"/*/Product[@id=p1]/Version", u""},
        {u"/*/Product[@id", u""},
        {u"/*/Deep", u""},
        {u"/*/", u""},
        {u"", u""},
        {u"/", u""},
    };
    BXXmlDocument doc;
    ASSERT_TRUE(doc.ParseText(kCatalog)) << BXXmlTestUtf8(doc.GetErrorText());
    for (const PathCase& c : cases) {
        SCOPED_TRACE(BXXmlTestUtf8(std::u16string_view(c.m_path)));
        EXPECT_EQ(BXXmlTestUtf8(doc.GetTextAt(c.m_path)), BXXmlTestUtf8(std::u16string_view(c.m_text)));
    }
}

TEST(BXXmlDocument, CursorWalksSiblingsAndChildren)
{
    BXXmlDocument doc;
    ASSERT_TRUE(doc.ParseText(kCatalog));
    EXPECT_TRUE(doc.FindElement(u"Root")); // the root check
    EXPECT_FALSE(doc.FindElement(u"Root"));
    EXPECT_TRUE(doc.EnterElement());
    std::string names;
    while (doc.FindElement(u"Product")) {
        names += BXXmlTestUtf8(doc.GetAttribute(u"name")) + ",";
        EXPECT_EQ(doc.GetChildNode(), 0u);
    }
    EXPECT_EQ(names, "Cantora,Other,");

    // A position counts every matching sibling, also those before the current element.
    doc.ResetPosition();
    ASSERT_TRUE(doc.FindElement(u"/*/Product"));
    EXPECT_FALSE(doc.FindElement(u"Product[1]"));
    ASSERT_TRUE(doc.FindElement(u"/*/Product"));
    EXPECT_TRUE(doc.FindElement(u"Product[2]"));
    EXPECT_EQ(BXXmlTestUtf8(doc.GetAttribute(u"Name")), "Other");

    doc.ResetPosition();
    EXPECT_TRUE(doc.FindElement(u"/*/Product"));
    EXPECT_TRUE(doc.FindChildElement(u"Version"));
    uint32_t product = doc.GetCurrentNode();
    EXPECT_EQ(BXXmlTestUtf8(doc.GetText(doc.GetChildNode())), "23");
    EXPECT_FALSE(doc.FindChildElement(u"Version"));
    EXPECT_TRUE(doc.FindChildElement(u"Version", true));
    EXPECT_EQ(doc.GetCurrentNode(), product);
    EXPECT_TRUE(doc.FindChildElement(u"InstallToPath", true));
    EXPECT_EQ(BXXmlTestUtf8(doc.GetChildText(u"Version")), "23");
    EXPECT_EQ(BXXmlTestUtf8(doc.GetNodeName(doc.GetChildNode())), "InstallToPath"); // cursor kept
    EXPECT_EQ(BXXmlTestUtf8(doc.GetChildText(u"Missing")), "");

    EXPECT_TRUE(doc.EnterElement());
    EXPECT_EQ(BXXmlTestUtf8(doc.GetNodeName()), "InstallToPath");
    EXPECT_TRUE(doc.FindElement(u"Version"));
    EXPECT_TRUE(doc.LeaveElement());
    EXPECT_EQ(doc.GetCurrentNode(), product);
    EXPECT_EQ(BXXmlTestUtf8(doc.GetNodeName(doc.GetChildNode())), "Version");
    EXPECT_TRUE(doc.LeaveElement());
    EXPECT_EQ(BXXmlTestUtf8(doc.GetNodeName()), "Root");
    EXPECT_FALSE(doc.LeaveElement());

    doc.ResetPosition();
    EXPECT_FALSE(doc.EnterElement());
    EXPECT_TRUE(doc.FindChildElement(u"Item")); // no current element: the first one becomes current
    EXPECT_EQ(BXXmlTestUtf8(doc.GetNodeName()), "Root");
    EXPECT_EQ(BXXmlTestUtf8(doc.GetAttribute(doc.GetChildNode(), u"NAME")), "a");
}

TEST(BXXmlDocument, DescendantSearchContinuesAfterTheCurrentElement)
{
    BXXmlDocument doc;
    ASSERT_TRUE(doc.ParseText(u"<r><a><n>1</n><b><n>2</n></b></a><n>3</n><c><n>4</n></c></r>"));
    EXPECT_TRUE(doc.FindElement(u"r"));
    EXPECT_TRUE(doc.EnterElement());
    EXPECT_TRUE(doc.FindElement(u"c"));
    EXPECT_TRUE(doc.FindElement(u"//n")); // c's own descendants follow c
    EXPECT_EQ(BXXmlTestUtf8(doc.GetText()), "4");
    EXPECT_FALSE(doc.FindElement(u"//n"));
    doc.ResetPosition();
    EXPECT_TRUE(doc.FindElement(u"r"));
    EXPECT_TRUE(doc.EnterElement());
    // Each find moves the parent to the found element's, so the search stays inside that branch.
    std::string found;
    while (doc.FindElement(u"//n")) {
        found += BXXmlTestUtf8(doc.GetText());
    }
    EXPECT_EQ(found, "12");
    EXPECT_TRUE(doc.LeaveElement());
    EXPECT_TRUE(doc.LeaveElement()); // on a, under r: what follows a comes next
    EXPECT_TRUE(doc.FindElement(u"//n"));
    EXPECT_EQ(BXXmlTestUtf8(doc.GetText()), "1"); // a's own descendants follow a in document order
    EXPECT_TRUE(doc.FindElement(u"/r"));
    EXPECT_TRUE(doc.FindChildElement(u"//b/n"));
    EXPECT_EQ(BXXmlTestUtf8(doc.GetText(doc.GetChildNode())), "2");
    EXPECT_EQ(BXXmlTestUtf8(doc.GetTextAt(u"/r/*[2]")), "3");
    EXPECT_EQ(BXXmlTestUtf8(doc.GetTextAt(u"//n[2]")), ""); // no n is the second n among its siblings
    EXPECT_EQ(BXXmlTestUtf8(doc.GetTextAt(u"//*[2]/n[1]")), "2");
}

TEST(BXXmlDocument, NextNodeVisitsEveryKindOfNode)
{
    BXXmlDocument doc;
    ASSERT_TRUE(doc.ParseText(u"<?xml version='1.0'?><!DOCTYPE r><r>a&amp;b<!--c--><![CDATA[<d>]]><?pi x?><e/>f</r>"));
    std::string seen;
    do {
        seen += BXXmlTestUtf8(doc.GetNodeName()) + "=" + BXXmlTestUtf8(doc.GetText()) + " ";
        if (doc.GetNodeKind() == BXXmlDocument::NodeKind::Element && doc.GetNode(doc.GetCurrentNode()).m_firstChild) {
            doc.EnterElement();
        }
    } while (doc.NextNode());
    EXPECT_EQ(seen, "= xml=xml version='1.0' #doctype=DOCTYPE r r= #text=a&b #comment=c #cdata-section=<d> "
                    "pi=pi x e= #text=f ");
}

TEST(BXXmlDocument, TextOfElements)
{
    const PathCase cases[] = {
        {u"<a>x &lt; y</a>", u"x < y"},
        {u"<a>  </a>", u"  "},
        {u"<a> <!--c--> </a>", u""},
        {u"<a> 1 <![CDATA[ & ]]> 2 </a>", u" 1  &  2 "},
        {u"<a><b/></a>", u""},
        {u"<a/>", u""},
        {u"<a></a>", u""},
        {u"<a>&#65;&#0;&foo;</a>", u"A&#0;&foo;"},
    };
    for (const PathCase& c : cases) {
        SCOPED_TRACE(BXXmlTestUtf8(std::u16string_view(c.m_path)));
        BXXmlDocument doc;
        doc.ParseText(c.m_path);
        EXPECT_EQ(BXXmlTestUtf8(doc.GetTextAt(u"/a")), BXXmlTestUtf8(std::u16string_view(c.m_text)));
    }
}

TEST(BXXmlDocument, AttributesAreReadTolerantly)
{
    BXXmlDocument doc;
    ASSERT_TRUE(doc.ParseText(u"<a one = 'x\"y' two=\"&lt;&amp;\" bare three=plain four='>'/>"));
    ASSERT_TRUE(doc.FindElement(u"a"));
    EXPECT_EQ(BXXmlTestUtf8(doc.GetAttribute(u"one")), "x\"y");
    EXPECT_EQ(BXXmlTestUtf8(doc.GetAttribute(u"TWO")), "<&");
    EXPECT_EQ(BXXmlTestUtf8(doc.GetAttribute(u"bare")), "");
    EXPECT_EQ(BXXmlTestUtf8(doc.GetAttribute(u"three")), "plain");
    EXPECT_EQ(BXXmlTestUtf8(doc.GetAttribute(u"four")), ">");
    EXPECT_EQ(BXXmlTestUtf8(doc.GetAttribute(u"missing")), "");
    EXPECT_EQ(BXXmlTestUtf8(doc.GetAttribute(u"")), "");
}

TEST(BXXmlDocument, ZeroUnitsAndLoneSurrogatesAreOrdinaryText)
{
    std::u16string text = u"<a b='\xD800'>x";
    text.push_back(0);
    text += u"y\xDC00</a>";
    BXXmlDocument doc;
    EXPECT_TRUE(doc.ParseText(Str(text)));
    BXString value = doc.GetTextAt(u"/a");
    EXPECT_EQ(value.GetLength(), 4);
    EXPECT_EQ(value[1], 0);
    EXPECT_EQ(doc.GetAttribute(u"b")[0], 0xD800);
}

TEST(BXXmlDocument, DeepNestingUsesNoRecursion)
{
    const size_t depth = 100000;
    std::u16string text = Repeat(u"<a>", depth) + u"<b>x</b>" + Repeat(u"</a>", depth);
    BXXmlDocument doc;
    ASSERT_TRUE(doc.ParseText(Str(text)));
    EXPECT_EQ(BXXmlTestUtf8(doc.GetTextAt(u"//b")), "x");
    EXPECT_EQ(doc.GetNode(doc.GetCurrentNode()).m_flags & kXmlNodeLevelMask, kXmlNodeLevelMask); // saturated
    EXPECT_EQ(BXXmlTestUtf8(doc.GetTextAt(u"//c")), "");
    EXPECT_EQ(BXXmlTestUtf8(doc.GetTextAt(u"//a[b]/b")), "x");

    // Open everywhere, then closed by the outermost end tag: one repair of the whole chain.
    std::u16string open = u"<r>" + Repeat(u"<a>", depth) + u"</r>";
    EXPECT_FALSE(doc.ParseText(Str(open)));
    EXPECT_EQ(BXXmlTestUtf8(doc.GetErrorText()), "End tag 'r' at offset " + std::to_string(3 + 3 * depth) +
                                                     " does not match start tag 'a' at offset " +
                                                     std::to_string(3 * depth));
    uint32_t last = doc.GetNode(doc.GetNode(doc.GetRootNode()).m_firstChild).m_prevSibling;
    EXPECT_EQ(doc.GetNode(last).m_flags & kXmlNodeLevelMask, 2u);

    // Stray end tags under a deep open chain stay cheap: each one is a look-up, not a walk.
    std::u16string stray = Repeat(u"<a>", depth) + Repeat(u"</q>", depth);
    EXPECT_FALSE(doc.ParseText(Str(stray)));
    EXPECT_EQ(BXXmlTestUtf8(doc.GetErrorText()), "No start tag for end tag 'q' at offset " + std::to_string(3 * depth));

    ASSERT_TRUE(doc.ParseText(Str(text)));
    ASSERT_TRUE(doc.FindElement(u"a"));
    EXPECT_TRUE(doc.RemoveElement());
    EXPECT_EQ(doc.GetDocumentText().GetLength(), 0);
}

TEST(BXXmlDocument, EditsShiftEveryLaterRecord)
{
    BXXmlDocument doc;
    ASSERT_TRUE(doc.ParseText(u"<Root>\r\n<A x=\"1\">t</A>\r\n<B/>\r\n<C><D y='2'/></C>\r\n<E>e</E>\r\n</Root>"));
    const uint32_t root = doc.GetRootNode();
    ASSERT_TRUE(doc.FindElement(u"/Root/A"));
    uint32_t a = doc.GetCurrentNode();

    EXPECT_TRUE(doc.SetAttribute(a, u"x", u"longer value"));
    BXXmlTestExpectMatchesReparse(doc);
    EXPECT_TRUE(doc.SetAttribute(a, u"X", u""));
    BXXmlTestExpectMatchesReparse(doc);
    EXPECT_TRUE(doc.SetAttribute(a, u"new", u"a\"b<c>&'d\x01"));
    BXXmlTestExpectMatchesReparse(doc);
    EXPECT_EQ(BXXmlTestUtf8(doc.GetAttribute(a, u"new")), "a\"b<c>&'d\\u0001");

    ASSERT_TRUE(doc.FindElement(u"/Root/B"));
    EXPECT_TRUE(doc.SetAttribute(doc.GetCurrentNode(), u"z", u"3"));
    BXXmlTestExpectMatchesReparse(doc);
    EXPECT_TRUE(doc.EnterElement());
    EXPECT_NE(doc.InsertElement(u"Child", u"1 < 2"), 0u); // the empty element opens up
    BXXmlTestExpectMatchesReparse(doc);
    EXPECT_NE(doc.InsertElement(u"Child", u"two"), 0u);
    BXXmlTestExpectMatchesReparse(doc);
    EXPECT_EQ(BXXmlTestUtf8(doc.GetTextAt(u"/Root/B/Child[2]")), "two");
    EXPECT_EQ(BXXmlTestUtf8(doc.GetTextAt(u"/Root/B/Child")), "1 < 2");

    ASSERT_TRUE(doc.FindElement(u"/Root/C/D"));
    EXPECT_TRUE(doc.SetAttribute(doc.GetCurrentNode(), u"y", u""));
    BXXmlTestExpectMatchesReparse(doc);
    EXPECT_NE(doc.InsertElement(u"After", u""), 0u);
    BXXmlTestExpectMatchesReparse(doc);
    EXPECT_TRUE(doc.FindElement(u"/Root/C/D"));
    EXPECT_TRUE(doc.RemoveElement());
    BXXmlTestExpectMatchesReparse(doc);

    ASSERT_TRUE(doc.FindElement(u"/Root/A"));
    EXPECT_TRUE(doc.RemoveElement());
    BXXmlTestExpectMatchesReparse(doc);
    EXPECT_EQ(doc.GetCurrentNode(), 0u);
    EXPECT_NE(doc.GetNode(doc.GetNode(root).m_firstChild).m_flags & kXmlNodeFirstChild, 0u);
    ASSERT_TRUE(doc.FindElement(u"/Root/E"));
    EXPECT_TRUE(doc.RemoveElement());
    BXXmlTestExpectMatchesReparse(doc);
    EXPECT_NE(doc.InsertElement(u"Last", u"z"), 0u);
    BXXmlTestExpectMatchesReparse(doc);
    EXPECT_NE(doc.GetFlags() & BXXmlDocument::kFlagEdited, 0u);
    EXPECT_EQ(BXXmlTestUtf8(doc.GetDocumentText()),
              "<Root>\\u000D\\u000A<B z=\"3\">\\u000D\\u000A<Child>1 &lt; 2</Child>\\u000D\\u000A<Child>two</Child>"
              "\\u000D\\u000A</B>\\u000D\\u000A<C><After></After>\\u000D\\u000A</C>\\u000D\\u000A<Last>z</Last>"
              "\\u000D\\u000A</Root>");
}

TEST(BXXmlDocument, InsertBuildsAWriterDocument)
{
    BXXmlDocument doc;
    EXPECT_NE(doc.InsertElement(u"T", u""), 0u);
    EXPECT_TRUE(doc.SetAttribute(doc.GetCurrentNode(), u"version", u"1.0"));
    EXPECT_TRUE(doc.EnterElement());
    EXPECT_NE(doc.InsertElement(u"Item", u"x<y"), 0u);
    EXPECT_TRUE(doc.SetAttribute(doc.GetCurrentNode(), u"Name", u"A"));
    EXPECT_NE(doc.InsertElement(u"Item", u""), 0u);
    BXXmlTestExpectMatchesReparse(doc);
    EXPECT_EQ(BXXmlTestUtf8(doc.GetDocumentText()),
              "<T version=\"1.0\">\\u000D\\u000A<Item Name=\"A\">x&lt;y</Item>\\u000D\\u000A<Item></Item>"
              "\\u000D\\u000A</T>\\u000D\\u000A");
    EXPECT_EQ(doc.InsertElement(u"bad name", u""), 0u);
    EXPECT_EQ(doc.InsertElement(u"", u""), 0u);
    EXPECT_FALSE(doc.SetAttribute(doc.GetCurrentNode(), u"a=b", u""));
    EXPECT_FALSE(doc.SetAttribute(0, u"a", u""));
}

TEST(BXXmlDocument, RemovedSlotsAreReused)
{
    BXXmlDocument doc;
    ASSERT_TRUE(doc.ParseText(u"<r><a><b/><c/></a></r>"));
    uint32_t before = doc.GetNodeCount();
    ASSERT_TRUE(doc.FindElement(u"/r/a"));
    EXPECT_TRUE(doc.RemoveElement());
    EXPECT_FALSE(doc.IsElement(3));
    doc.ResetPosition();
    ASSERT_TRUE(doc.FindElement(u"r"));
    ASSERT_TRUE(doc.EnterElement());
    for (int i = 0; i < 3; ++i) {
        EXPECT_NE(doc.InsertElement(u"n", u"v"), 0u);
    }
    EXPECT_EQ(doc.GetNodeCount(), before);
    BXXmlTestExpectMatchesReparse(doc);
}

TEST(BXXmlDocument, EditsRefuseAnElementWithoutEndTag)
{
    BXXmlDocument doc;
    EXPECT_FALSE(doc.ParseText(u"<r><a>"));
    ASSERT_TRUE(doc.FindElement(u"r"));
    ASSERT_TRUE(doc.EnterElement());
    EXPECT_EQ(doc.InsertElement(u"x", u""), 0u);
    EXPECT_TRUE(doc.FindElement(u"a"));
    EXPECT_TRUE(doc.SetAttribute(doc.GetCurrentNode(), u"k", u"v"));
    EXPECT_EQ(BXXmlTestUtf8(doc.GetDocumentText()), "<r><a k=\"v\">");
}

struct EscapeCase {
    const char16_t* m_text;
    uint32_t m_flags;
    const char16_t* m_escaped;
};

TEST(BXXmlDocument, XmlEscapeFollowsItsFlags)
{
    const EscapeCase cases[] = {
        {u"a&b<c>d", 0, u"a&amp;b&lt;c&gt;d"},
        {u"\"'", 0, u"\"'"},
        {u"\"'", BXXmlDocument::kEscapeQuote, u"&quot;'"},
        {u"\"'", BXXmlDocument::kEscapeApostrophe, u"\"&apos;"},
        {u"\"'", BXXmlDocument::kEscapeAttributeValue, u"&quot;&apos;"},
        {u"\"'", BXXmlDocument::kEscapeElementText, u"\"'"},
        {u"\x01\x02\t\n\r\x1F", 0, u"\x01\x02\t\n\r\x1F"},
        {u"\x01\x02\t\n\r\x1F", BXXmlDocument::kEscapeControls, u"&#x1;&#x2;\t\n\r&#x1F;"},
        {u"\x01\x02\t\n\r\x1F", BXXmlDocument::kEscapeElementText, u"&#x1;?\t\n\r?"},
    };
    for (const EscapeCase& c : cases) {
        SCOPED_TRACE(BXXmlTestUtf8(std::u16string_view(c.m_text)));
        EXPECT_EQ(BXXmlTestUtf8(BXXmlDocument::XmlEscape(c.m_text, c.m_flags)),
                  BXXmlTestUtf8(std::u16string_view(c.m_escaped)));
    }
    std::u16string zero(1, u'\0');
    EXPECT_EQ(BXXmlTestUtf8(BXXmlDocument::XmlEscape(Str(zero), 0x30)), "?");
    EXPECT_EQ(BXXmlTestUtf8(BXXmlDocument::XmlEscape(Str(zero), 0x10)), "&#x0;");

    BXString plain(u"nothing to change");
    BXString same = BXXmlDocument::XmlEscape(plain, BXXmlDocument::kEscapeAttributeValue);
    EXPECT_EQ(same.GetString(), plain.GetString()); // shared, not copied
    std::u16string many = Repeat(u"<&>", 5000);
    EXPECT_EQ(BXXmlDocument::XmlEscape(Str(many), 0).GetLength(), 5000 * 13);
}

TEST(BXXmlDocument, XmlUnescapeKeepsWhatItDoesNotKnow)
{
    const EscapeCase cases[] = {
        {u"&lt;&amp;&gt;&apos;&quot;", 0, u"<&>'\""},
        {u"&#65;&#x41;&#x6a;", 0, u"AAj"},
        {u"&#0;", 0, u"&#0;"},
        {u"&#x0;", 0, u"&#x0;"},
        {u"&foo;", 0, u"&foo;"},
        {u"&#65", 0, u"&#65"},
        {u"&#;&#x;&#X41;", 0, u"&#;&#x;&#X41;"},
        {u"&#x0041;", 0, u"A"},
        {u"&#x00041;", 0, u"&#x00041;"}, // the ";" lies beyond 7 characters
        {u"&#65535;", 0, u"\xFFFF"},
        {u"&#99999;", 0, u"\xD821\xDE9F"},
        {u"a&", 0, u"a&"},
        {u"&amp;lt;", 0, u"&lt;"},
        {u"&LT;", 0, u"&LT;"},
    };
    for (const EscapeCase& c : cases) {
        SCOPED_TRACE(BXXmlTestUtf8(std::u16string_view(c.m_text)));
        EXPECT_EQ(BXXmlTestUtf8(BXXmlDocument::XmlUnescape(BXString(c.m_text))),
                  BXXmlTestUtf8(std::u16string_view(c.m_escaped)));
    }
}

} // namespace
