// SPDX-License-Identifier: GPL-3.0-or-later
#include "json_writer.h"

#include <cstdio>

#include "common/untrusted_text.h"

namespace quillix::cli {

namespace {

std::string UnicodeEscape(unsigned code) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\u%04x", code);
    return buffer;
}

}  // namespace

std::string JsonQuote(std::string_view text) {
    // Always valid UTF-8 (an invalid sequence becomes U+FFFD), and every control
    // character escaped: C0, DEL and C1 (U+0080-U+009F, "\xC2\x80"-"\xC2\x9F").
    const std::string valid = ValidUtf8(text);
    std::string out = "\"";
    for (std::size_t i = 0; i < valid.size(); ++i) {
        const auto c = static_cast<unsigned char>(valid[i]);
        const auto next = i + 1 < valid.size() ? static_cast<unsigned char>(valid[i + 1]) : 0u;
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20 || c == 0x7f) {
            out += UnicodeEscape(c);
        } else if (c == 0xC2 && next >= 0x80 && next < 0xA0) {
            out += UnicodeEscape(next);
            ++i;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

void JsonWriter::BeforeItem() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!first_.empty()) {
        if (!first_.back()) text_ += ", ";
        first_.back() = false;
    }
}

JsonWriter& JsonWriter::BeginObject() {
    BeforeItem();
    text_ += '{';
    first_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::EndObject() {
    first_.pop_back();
    text_ += '}';
    return *this;
}

JsonWriter& JsonWriter::BeginArray() {
    BeforeItem();
    text_ += '[';
    first_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::EndArray() {
    first_.pop_back();
    text_ += ']';
    return *this;
}

JsonWriter& JsonWriter::Key(std::string_view name) {
    BeforeItem();
    text_ += JsonQuote(name);
    text_ += ": ";
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view text) {
    BeforeItem();
    text_ += JsonQuote(text);
    return *this;
}

JsonWriter& JsonWriter::Int(long long number) {
    BeforeItem();
    text_ += std::to_string(number);
    return *this;
}

JsonWriter& JsonWriter::Bool(bool flag) {
    BeforeItem();
    text_ += flag ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::Null() {
    BeforeItem();
    text_ += "null";
    return *this;
}

}  // namespace quillix::cli
