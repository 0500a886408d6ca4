// SPDX-License-Identifier: GPL-3.0-or-later
// The XML written straight from the values and read straight from the text is
// the XML pugixml writes and reads: a document written here is what pugixml
// writes again after reading it (escaping, indentation, empty elements, deep
// documents), and the elements and attributes of any plain text come out of
// the pull reader as pugixml reads them. Texts that are not plain are left to
// pugixml.

#include <gtest/gtest.h>

#include <pugixml.hpp>
#include <string>
#include <vector>

#include "model/operate_binary.h"
#include "model/operate_func.h"
#include "model/operate_ref.h"
#include "model/operate_user.h"
#include "model/xml_pull_reader.h"
#include "tree_builders.h"
#include "xml_test_support.h"

namespace quillix::test {
namespace {

using XmlText = ModelTest;

// The document as pugixml writes it after reading it.
std::string RewrittenByPugixml(const std::string& text, const char* indent) {
    pugi::xml_document document;
    EXPECT_TRUE(document.load_buffer(text.data(), text.size()));
    struct Out : pugi::xml_writer {
        std::string text;
        void write(const void* data, std::size_t size) override {
            text.append(static_cast<const char*>(data), size);
        }
    } out;
    pugi::xml_node declaration = document.prepend_child(pugi::node_declaration);
    declaration.append_attribute("version").set_value("1.0");
    declaration.append_attribute("encoding").set_value("UTF-8");
    document.save(out, indent, pugi::format_indent | pugi::format_no_declaration,
                  pugi::encoding_utf8);
    return out.text;
}

std::string EveryByte() {
    std::string text;
    for (int c = 1; c < 256; ++c)
        text += static_cast<char>(c);
    return text;
}

TEST_F(XmlText, DocumentsAreWrittenAsPugixmlWritesThem) {
    TestVars vars;
    TCalcValue* odd = vars.Define("a&b<c>\"d'e\tf\r\ng\xC3\xA9\x01", Num(1.5E-8L));
    vars.entries.back()->Description = EveryByte();
    TCalcValue* big = vars.Define("Big", Num(1E4000L));
    vars.Define("Inf", TCalcValue::New(HUGE_VALL, cvError));
    auto multi = std::make_unique<TCalcOperateMultiFunc>(80);
    multi->EnsureArray1();
    multi->AddArray1Element(odd->MakeReference());
    multi->AddArray1Element(Num(-0.125L));
    multi->EnsureArray2();  // empty
    vars.Define("Sum", ValueOf(std::move(multi)));
    vars.Define("Calls", Make<TCalcOperatePlus>(
                             ValueOver(std::make_unique<TCalcOperateUserFunc>("f<&>\""), {Num(3)}),
                             ValueOver(std::make_unique<TCalcOperateUserProgram>("p'q", "r\ts"),
                                       {big->MakeReference()})));
    const std::string text = BuildVarsDocumentText("a, b & c\r\n", vars.entries);
    EXPECT_EQ(text, RewrittenByPugixml(text, "  "));
    EXPECT_EQ(BuildVarsDocumentText("", {}),
              RewrittenByPugixml(BuildVarsDocumentText("", {}), "  "));
}

TEST_F(XmlText, DeepDocumentsAreWrittenAsPugixmlWritesThemWithoutIndentation) {
    TestVars vars;
    // 65 levels below the root: one more than the indented form allows.
    ValueRef chain = Num(1);
    for (int i = 0; i < 32; ++i)
        chain = Make<TCalcOperateSign>(chain);
    vars.Define("Deep", chain);
    const std::string text = BuildVarsDocumentText("", vars.entries);
    EXPECT_EQ(text.find("\n "), std::string::npos);
    EXPECT_EQ(text, RewrittenByPugixml(text, ""));
    // One level less is indented.
    TestVars shallower;
    chain = Num(1);
    for (int i = 0; i < 30; ++i)
        chain = Make<TCalcOperateSign>(chain);
    shallower.Define("Deep", chain);
    const std::string indented = BuildVarsDocumentText("", shallower.entries);
    EXPECT_NE(indented.find("\n "), std::string::npos);
    EXPECT_EQ(indented, RewrittenByPugixml(indented, "  "));
}

// Elements and attributes in document order, one line each.
std::vector<std::string> PugixmlElements(const std::string& text) {
    pugi::xml_document document;
    EXPECT_TRUE(document.load_buffer(text.data(), text.size())) << text;
    std::vector<std::string> lines;
    struct Step {
        pugi::xml_node node;
        bool end;
    };
    std::vector<Step> steps{{document.document_element(), false}};
    while (!steps.empty()) {
        const Step step = steps.back();
        steps.pop_back();
        if (step.end) {
            lines.push_back(std::string("end ") + step.node.name());
            continue;
        }
        std::string line = std::string("start ") + step.node.name();
        for (pugi::xml_attribute a = step.node.first_attribute(); a; a = a.next_attribute())
            line += std::string(" ") + a.name() + "=[" + a.value() + "]";
        lines.push_back(line);
        steps.push_back({step.node, true});
        for (pugi::xml_node child = step.node.last_child(); child; child = child.previous_sibling())
            if (child.type() == pugi::node_element) steps.push_back({child, false});
    }
    return lines;
}

std::vector<std::string> PulledElements(const std::string& text) {
    XmlPullReader in(text);
    std::vector<std::string> lines;
    for (;;) {
        const XmlPullReader::Event event = in.Next();
        if (event == XmlPullReader::Event::kDone) return lines;
        if (event == XmlPullReader::Event::kNotPlain) {
            lines.push_back("not plain");
            return lines;
        }
        if (event == XmlPullReader::Event::kEnd) {
            lines.push_back("end " + std::string(in.Name()));
            continue;
        }
        std::string line = "start " + std::string(in.Name());
        for (const XmlPullReader::Attribute& a : in.Attributes())
            line += " " + std::string(a.name) + "=[" + std::string(a.value) + "]";
        lines.push_back(line);
    }
}

TEST(XmlPullReader, PlainTextsGiveTheElementsPugixmlReads) {
    const std::string texts[] = {
        "<a/>",
        "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<a b=\"1\" />",
        "<?xml version='1.0'?><r:a x-1.y=' 2 ' _z = \"&amp;&lt;&gt;&quot;&apos;&#65;&#x42;\"></r:a "
        ">",
        "<a>\r\n\t<b c=\"a'b\" d='a\"b' c=\"second\"/>\n  <b/></a>\n\n",
        "<Vars Description=\"\xC3\xA9\xFF\"><ValueWarper><CalcValue "
        "Name=\"&#09;\"/></ValueWarper></Vars>",
        "<a b=\"x>y\"><b><c><d/></c></b></a>",
    };
    for (const std::string& text : texts) {
        EXPECT_TRUE(XmlPullReader::IsPlain(text)) << text;
        EXPECT_EQ(PulledElements(text), PugixmlElements(text)) << text;
    }
}

TEST(XmlPullReader, EverythingElseIsLeftToPugixml) {
    using namespace std::string_literals;
    const std::string texts[] = {
        "",                                                 // no element
        "<a><!-- a note --></a>",                           // comment
        "<a><![CDATA[x]]></a>",                             // CDATA
        "<!DOCTYPE a><a/>",                                 // document type
        "<a><?pi x?></a>",                                  // instruction
        " <?xml version=\"1.0\"?><a/>",                     // declaration not first
        "<?xml version=\"1.0\" encoding=\"latin1\"?><a/>",  // another encoding
        "<?xml versio\0n=\"1.0\"?><a/>"s,  // NUL in the declaration (found by fuzzing)
        "<a>text</a>",                     // text
        "<a b=\"1\tc\"/>",                 // tab in a value (pugixml: a blank)
        "<a b=\"1\nc\"/>",                 // line break in a value
        "<a b=\"&nbsp;\"/>",               // unknown entity
        "<a b=\"&#0;\"/>",                 // NUL reference
        "<a b=\"&#233;\"/>",               // reference above 127
        "<a b=\"<\"/>",                    // "<" in a value
        "<a b=\"1\"c=\"2\"/>",             // attributes not apart
        "<a></b>",                         // mismatch
        "<a>",                             // unclosed
        "<a/><b/>",                        // two roots
        "<a/>x",                           // text after the root
        "<1a/>",                           // bad name
        "\xFF\xFE<\0a\0/\0>\0"s,           // UTF-16
    };
    for (const std::string& text : texts) {
        EXPECT_FALSE(XmlPullReader::IsPlain(text)) << text;
    }
}

}  // namespace
}  // namespace quillix::test
