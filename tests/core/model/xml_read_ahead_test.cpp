// SPDX-License-Identifier: GPL-3.0-or-later
// Reading ahead on a second thread gives the events of reading inline, event
// for event, whatever the size of the blocks handed over: the names, depths
// and attributes (entities decoded), the end of the text or the point where
// it turns out not to be plain, and elements skipped. A reader dropped
// half-way stops its thread.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/xml_pull_reader.h"

namespace quillix {
namespace {

// Each event with the reader's view of it; skip names elements to skip whole.
std::vector<std::string> Events(XmlPullReader& in, std::string_view skip = {}) {
    std::vector<std::string> lines;
    for (;;) {
        const XmlPullReader::Event event = in.Next();
        std::string line = std::to_string(static_cast<int>(event)) + " " + std::string(in.Name()) +
                           " @" + std::to_string(in.Depth());
        for (const XmlPullReader::Attribute& a : in.Attributes())
            line += " " + std::string(a.name) + "=[" + std::string(a.value) + "]";
        if (event == XmlPullReader::Event::kStart && !skip.empty() && in.Name() == skip)
            line += in.SkipElement() ? " skipped" : " skip failed";
        lines.push_back(line);
        if (event == XmlPullReader::Event::kDone || event == XmlPullReader::Event::kNotPlain) {
            // The last event stays.
            lines.push_back(std::to_string(static_cast<int>(in.Next())));
            return lines;
        }
    }
}

std::string ManyElements(int count) {
    std::string text = "<?xml version=\"1.0\"?>\n<Vars Description=\"a &amp; b\">\n";
    for (int i = 0; i < count; ++i) {
        text += "  <V Name=\"v" + std::to_string(i) + "\" Note=\"&lt;" + std::to_string(i) +
                "&gt;\"><CalcValue Value=\"" + std::to_string(i) + ".5\"/></V>\n";
    }
    return text + "</Vars>\n";
}

TEST(XmlReadAhead, GivesTheEventsOfReadingInline) {
    const std::string texts[] = {
        "<a/>",
        "<a b='1' c=\"&quot;x&quot;\"><b><c d=\"&#65;\"/></b><b/></a>\n",
        ManyElements(300),
        ManyElements(300) + "<!-- a note after the root -->",  // not plain, at the end
        "<a><b x=\"1\"/><b x=\"2\"><!-- not plain inside --></b></a>",
        "<a><b></a>",  // broken
        "",
    };
    for (const std::string& text : texts) {
        XmlPullReader inline_(text);
        const std::vector<std::string> expected = Events(inline_);
        for (const std::size_t block : {0, 1, 2, 3, 7, 1024}) {  // 0: inline
            XmlPullReader ahead(text, block);
            EXPECT_EQ(Events(ahead), expected) << "block " << block << ": " << text.substr(0, 60);
        }
    }
}

TEST(XmlReadAhead, SkipsElementsAsInline) {
    const std::string text = ManyElements(50);
    XmlPullReader inline_(text);
    const std::vector<std::string> expected = Events(inline_, "V");
    for (const std::size_t block : {1, 5}) {
        XmlPullReader ahead(text, block);
        EXPECT_EQ(Events(ahead, "V"), expected) << "block " << block;
    }
}

// The values of a block stay readable while the next block is read: a
// caller may hold them across an end tag.
TEST(XmlReadAhead, ValuesOutliveTheBlockTheyCameIn) {
    const std::string text = "<a><b v=\"&amp;1\"/><c/></a>";
    XmlPullReader ahead(text, 1);
    ASSERT_EQ(ahead.Next(), XmlPullReader::Event::kStart);
    ASSERT_EQ(ahead.Next(), XmlPullReader::Event::kStart);
    const std::string_view value = ahead.Attributes()[0].value;
    ASSERT_EQ(ahead.Next(), XmlPullReader::Event::kEnd);  // the end of b, in the next block
    EXPECT_EQ(value, "&1");
}

// A reader given up early (the building side failed) ends its thread while
// the text is far from read; the test would hang otherwise.
TEST(XmlReadAhead, AReaderDroppedHalfWayStops) {
    const std::string text = ManyElements(20000);
    for (int events = 0; events < 40; events += 13) {
        XmlPullReader ahead(text, 4);
        for (int i = 0; i < events; ++i)
            ASSERT_NE(ahead.Next(), XmlPullReader::Event::kNotPlain);
    }
}

}  // namespace
}  // namespace quillix
