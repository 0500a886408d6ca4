// SPDX-License-Identifier: GPL-3.0-or-later
#include "json_writer.h"

#include <cstdio>

namespace quillix::cli {

std::string JsonQuote(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char buffer[8];
                    std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(c));
                    out += buffer;
                } else {
                    out += c;
                }
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
