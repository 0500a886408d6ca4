// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/comma_text.h"

#include "config/ini_values.h"

namespace quillix {

namespace {

bool NeedsQuotes(std::string_view item) {
    if (item.empty()) return true;
    for (const char c : item) {
        if (static_cast<unsigned char>(c) <= ' ' || c == ',' || c == '"') return true;
    }
    return false;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

void SkipBlanks(std::string_view text, std::size_t& at) {
    while (at < text.size() && IsBlank(text[at]))
        ++at;
}

// Reads a quoted part starting at the opening quote; at ends after the closing
// quote, or at the end of the text when the quote is never closed.
std::string ReadQuoted(std::string_view text, std::size_t& at) {
    std::string out;
    ++at;
    while (at < text.size()) {
        const char c = text[at++];
        if (c != '"') {
            out.push_back(c);
        } else if (at < text.size() && text[at] == '"') {
            out.push_back('"');
            ++at;
        } else {
            break;
        }
    }
    return out;
}

}  // namespace

std::string ToCommaText(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += ',';
        const std::string& item = items[i];
        if (!NeedsQuotes(item)) {
            text += item;
            continue;
        }
        text += '"';
        for (const char c : item) {
            if (c == '"') text += '"';
            text += c;
        }
        text += '"';
    }
    return text;
}

std::vector<std::string> ParseCommaText(std::string_view text) {
    std::vector<std::string> items;
    std::size_t at = 0;
    SkipBlanks(text, at);
    if (at == text.size()) return items;
    while (true) {
        SkipBlanks(text, at);
        std::string item;
        if (at < text.size() && text[at] == '"') item = ReadQuoted(text, at);
        const std::size_t comma = text.find(',', at);
        const std::size_t end = comma == std::string_view::npos ? text.size() : comma;
        // Unquoted text, or text after a closing quote, belongs to the item.
        item += TrimIniBlanks(text.substr(at, end - at));
        items.push_back(std::move(item));
        if (comma == std::string_view::npos) break;
        at = comma + 1;
    }
    return items;
}

}  // namespace quillix
