// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/xml_text_writer.h"

#include <algorithm>
#include <array>

namespace quillix {

namespace {

// The bytes an attribute value cannot hold as they are.
constexpr std::array<bool, 256> EscapedBytes() {
    std::array<bool, 256> escaped{};
    for (int c = 0; c < 32; ++c)
        escaped[static_cast<std::size_t>(c)] = true;
    escaped['&'] = escaped['<'] = escaped['"'] = true;
    return escaped;
}

constexpr std::array<bool, 256> kEscaped = EscapedBytes();

}  // namespace

XmlTextWriter::XmlTextWriter(std::string& out, std::string_view indent)
    : out_(out), buffer_(new char[kChunk]), indent_(indent) {
    constexpr int kPreparedLevels = 64;
    for (int i = 0; i < kPreparedLevels; ++i)
        indentRun_ += indent;
}

void XmlTextWriter::Flush() {
    out_.append(buffer_.get(), used_);
    used_ = 0;
}

// A piece larger than the buffer (a very long name) gets a buffer of its size.
void XmlTextWriter::MakeRoom(std::size_t n) {
    Flush();
    if (n > capacity_) {
        buffer_.reset(new char[n]);
        capacity_ = n;
    }
}

void XmlTextWriter::Declaration() {
    Append("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
}

void XmlTextWriter::Indent(int level) {
    const std::size_t length = static_cast<std::size_t>(level) * indent_.size();
    if (length <= indentRun_.size()) return Append(std::string_view(indentRun_.data(), length));
    for (int i = 0; i < level; ++i)
        Append(indent_);
}

void XmlTextWriter::StartElement(std::string_view name, int level) {
    Indent(level);
    char* at = Room(name.size() + 1);
    *at = '<';
    std::memcpy(at + 1, name.data(), name.size());
    used_ += name.size() + 1;
}

char* XmlTextWriter::StartAttribute(std::string_view name, std::size_t maxLength) {
    char* at = Room(name.size() + 4 + maxLength);
    *at++ = ' ';
    at = std::copy(name.begin(), name.end(), at);
    *at++ = '=';
    *at++ = '"';
    return at;
}

void XmlTextWriter::EndAttribute(char* end) {
    *end++ = '"';
    used_ = static_cast<std::size_t>(end - buffer_.get());
}

void XmlTextWriter::PlainAttribute(std::string_view name, std::string_view value) {
    char* at = StartAttribute(name, value.size());
    EndAttribute(std::copy(value.begin(), value.end(), at));
}

void XmlTextWriter::Attribute(std::string_view name, std::string_view value) {
    // Escaping makes a byte at most six ("&quot;").
    char* at = StartAttribute(name, 6 * value.size());
    for (const char ch : value) {
        const auto c = static_cast<unsigned char>(ch);
        if (!kEscaped[c]) {
            *at++ = ch;
            continue;
        }
        if (c == 0) break;
        // As pugixml writes them: &amp; &lt; &quot; and control characters as
        // two-digit character references; bytes above 127 stay as they are.
        const std::string_view reference = c == '&'   ? "&amp;"
                                           : c == '<' ? "&lt;"
                                           : c == '"' ? "&quot;"
                                                      : "";
        if (!reference.empty()) {
            at = std::copy(reference.begin(), reference.end(), at);
        } else {
            *at++ = '&';
            *at++ = '#';
            *at++ = static_cast<char>('0' + c / 10);
            *at++ = static_cast<char>('0' + c % 10);
            *at++ = ';';
        }
    }
    EndAttribute(at);
}

void XmlTextWriter::EndElement(std::string_view name, int level) {
    Indent(level);
    char* at = Room(name.size() + 4);
    at = std::copy_n("</", 2, at);
    at = std::copy(name.begin(), name.end(), at);
    at = std::copy_n(">\n", 2, at);
    used_ = static_cast<std::size_t>(at - buffer_.get());
}

}  // namespace quillix
