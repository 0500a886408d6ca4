// SPDX-License-Identifier: GPL-3.0-or-later
// The description encoding of the calculation XML: which characters stay, the
// escapes, decoding in either case, and the two decoding failures.

#include <gtest/gtest.h>

#include "model/description_code.h"

namespace quillix {
namespace {

TEST(DescriptionCode, EncodesAndDecodesBack) {
    struct Row {
        std::string text;
        const char* encoded;
    };
    const Row rows[] = {
        {"a, b & c", "a%2C+b+%26+c"},
        {"50% off\r\n", "50%25+off%0D%0A"},
        {"AZaz09!$'()*-.@_", "AZaz09!$'()*-.@_"},
        {"", ""},
        {"1+1=2", "1%2B1%3D2"},
        {"\"<tag>\"~#/?", "%22%3Ctag%3E%22%7E%23%2F%3F"},
        {std::string("\0\x7F\xFF", 3), "%00%7F%FF"},
        {"\xC3\xA9t\xC3\xA9", "%C3%A9t%C3%A9"},  // bytes above 127, one by one
    };
    for (const Row& row : rows) {
        EXPECT_EQ(EncodeDescription(row.text), row.encoded);
        EXPECT_EQ(DecodeDescription(row.encoded), row.text) << row.encoded;
    }
    std::string everyByte;
    for (int c = 0; c < 256; ++c)
        everyByte += static_cast<char>(c);
    EXPECT_EQ(DecodeDescription(EncodeDescription(everyByte)), everyByte);
}

TEST(DescriptionCode, DecodingIsLenient) {
    struct Row {
        const char* encoded;
        const char* text;
    };
    const Row rows[] = {
        {"%2c%0d%0A", ",\r\n"}, {"100%%", "100%"}, {"%%41", "%41"},
        {"a,b&c d", "a,b&c d"},  // unencoded characters stand for themselves
        {"++", "  "},
    };
    for (const Row& row : rows)
        EXPECT_EQ(DecodeDescription(row.encoded), row.text) << row.encoded;
}

TEST(DescriptionCode, BadEscapesFailWithThePositionOfThePercentSign) {
    struct Row {
        const char* encoded;
        const char* message;
    };
    const Row rows[] = {
        {"%", "Error decoding URL style (%XX) encoded string at position 1"},
        {"abc%4", "Error decoding URL style (%XX) encoded string at position 4"},
        {"ab%G1", "Invalid URL encoded character (%G1) at position 3"},
        {"%4g", "Invalid URL encoded character (%4g) at position 1"},
        {"ok%20%+1", "Invalid URL encoded character (%+1) at position 6"},
    };
    for (const Row& row : rows) {
        std::string error;
        EXPECT_EQ(DecodeDescription(row.encoded, &error), std::nullopt) << row.encoded;
        EXPECT_EQ(error, row.message);
    }
}

}  // namespace
}  // namespace quillix
