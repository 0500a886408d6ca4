// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/update_reply.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillix {
namespace {

TEST(UpdateReply, RequestAddressIsJoinedWithoutEncoding) {
    EXPECT_EQ(UpdateRequestAddress("http://127.0.0.1:8080/check", "0.1"),
              "http://127.0.0.1:8080/check?PID=001&VAR=0.1");
    EXPECT_EQ(UpdateRequestAddress("http://h/a b", "1.0"), "http://h/a b?PID=001&VAR=1.0");
}

TEST(UpdateReply, ItemsAreSeparatedByCommasBlanksAndControlCharacters) {
    using Items = std::vector<std::string>;
    struct Row {
        std::string reply;
        Items items;
    };
    const Row rows[] = {
        {"", {}},
        {"  \r\n ", {}},
        {"NEW,http://a", {"NEW", "http://a"}},
        {" new , https://b ", {"new", "https://b"}},
        {"NEW http://c\r\n", {"NEW", "http://c"}},
        {"NEW\thttp://d", {"NEW", "http://d"}},
        {"NEW,,http://e", {"NEW", "", "http://e"}},
        {"NEW,", {"NEW", ""}},
        {"\"NEW\",\"http://f?a=1,2\"", {"NEW", "http://f?a=1,2"}},
        {"\"say \"\"hi\"\"\" x", {"say \"hi\"", "x"}},
        {"\"unclosed, runs on", {"unclosed, runs on"}},
        {std::string("NEW\0,http://g", 13), {"NEW"}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(SplitReplyItems(row.reply), row.items) << row.reply.c_str();
}

TEST(UpdateReply, OnlyNewWithAWebAddressAnnouncesAVersion) {
    struct Row {
        std::string reply;
        const char* address;  // null: no new version
    };
    const Row rows[] = {
        {"NEW, http://example.test/dl", "http://example.test/dl"},
        {" new , https://example.test/dl ", "https://example.test/dl"},
        {"New,HTTPS://Example.test", "HTTPS://Example.test"},
        {"\" NEW \",\" http://example.test \"", "http://example.test"},
        {"NEW http://example.test extra", "http://example.test"},
        {"NEW", nullptr},
        {"", nullptr},
        {"NEW,", nullptr},
        {"OLD,http://example.test", nullptr},
        {"NEWER,http://example.test", nullptr},
        {"NEW,file:///etc/passwd", nullptr},
        {"NEW,/usr/bin/xterm", nullptr},
        {"NEW,javascript:alert(1)", nullptr},
        {"NEW,\"http://example.test/a b\"", nullptr},
        {"NEW,http://", nullptr},
        {"<html>NEW,http://example.test</html>", nullptr},
    };
    for (const Row& row : rows) {
        const auto address = NewVersionAddress(row.reply);
        if (row.address) {
            ASSERT_TRUE(address.has_value()) << row.reply.c_str();
            EXPECT_EQ(*address, row.address);
        } else {
            EXPECT_FALSE(address.has_value()) << row.reply << " gave " << address.value_or("");
        }
    }
}

TEST(UpdateReply, WebAddressesAreHttpOrHttpsWithAHost) {
    struct Row {
        const char* address;
        bool web;
    };
    const Row rows[] = {
        {"http://example.test", true},
        {"https://example.test:8443/p?q=1#f", true},
        {"HtTp://example.test", true},
        {"https://user@example.test/", true},
        {"", false},
        {"http:", false},
        {"http://", false},
        {"https:///path", false},
        {"http://:80/", false},
        {"https://user@/x", false},
        {"ftp://example.test", false},
        {"file:///etc/passwd", false},
        {"mailto:a@example.test", false},
        {"example.test", false},
        {" http://example.test", false},
        {"http://example.test/a\nb", false},
        {"http://exa mple.test", false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(IsWebAddress(row.address), row.web) << row.address;
}

TEST(UpdateReply, RedirectsGoOnlyToTheWebAndAtMostFiveHops) {
    struct Row {
        const char* from;
        const char* to;
        int hop;
        bool followed;
    };
    const Row rows[] = {
        {"http://a.test/check", "http://a.test/v2/check", 1, true},
        {"http://a.test/check", "https://cdn.other.test/check", 1, true},  // any host
        {"https://a.test/check", "https://b.test/check", 5, true},
        {"https://a.test/check", "https://b.test/check", 6, false},  // a sixth hop
        {"https://a.test/check", "http://a.test/check", 1, false},   // never down to http
        {"http://a.test/check", "file:///tmp/reply", 1, false},
        {"http://a.test/check", "ftp://a.test/reply", 1, false},
        {"http://a.test/check", "data:text/plain,NEW", 1, false},
        {"http://a.test/check", "", 1, false},
        {"http://a.test/check", "http://a.test/check", 0, false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(UpdateRedirectAllowed(row.from, row.to, row.hop), row.followed)
            << row.from << " -> " << row.to << " hop " << row.hop;
}

}  // namespace
}  // namespace quillix
