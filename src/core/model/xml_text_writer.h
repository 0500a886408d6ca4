// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// XmlTextWriter: writes XML text in document order, byte for byte as pugixml
// saves an indented document (one element per line, attribute values in
// double quotes with &, <, " and control characters escaped). Files are
// written straight from the values this way, without building a DOM first;
// the caller opens and closes elements in order and knows whether an element
// has children before it ends the start tag.

#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace quillix {

class XmlTextWriter {
  public:
    // Appends to out, which holds all that was written once the writer is
    // gone; every line starts with indent repeated once per level.
    XmlTextWriter(std::string& out, std::string_view indent);
    ~XmlTextWriter() { Flush(); }
    XmlTextWriter(const XmlTextWriter&) = delete;
    XmlTextWriter& operator=(const XmlTextWriter&) = delete;

    // <?xml version="1.0" encoding="UTF-8"?>
    void Declaration();
    // "<name" on a new line at that level (0 for the root).
    void StartElement(std::string_view name, int level);
    // name="value" with the value escaped (it ends at its first NUL byte, as a
    // DOM would keep it).
    void Attribute(std::string_view name, std::string_view value);
    // The same for a value known to hold no character that needs escaping
    // (numbers, encoded descriptions, fixed words).
    void PlainAttribute(std::string_view name, std::string_view value);
    // For a value the caller writes itself (it must need no escaping): at most
    // maxLength bytes go to the returned place, and EndAttribute gets the end
    // of what was written there.
    char* StartAttribute(std::string_view name, std::size_t maxLength);
    void EndAttribute(char* end);
    // Ends the start tag of an element without children: " />".
    void EndEmptyElement() { Append(" />\n"); }
    // Ends the start tag of an element whose children follow: ">".
    void EndStartTag() { Append(">\n"); }
    // "</name>" at the level of its start tag.
    void EndElement(std::string_view name, int level);

  private:
    // The text is gathered in a buffer of its own and appended to out in large
    // pieces, so that out grows without being filled first.
    static constexpr std::size_t kChunk = 64 * 1024;

    // Room for n more bytes in the buffer; where they go.
    char* Room(std::size_t n) {
        if (capacity_ - used_ < n) MakeRoom(n);
        return buffer_.get() + used_;
    }
    void MakeRoom(std::size_t n);
    void Flush();
    void Append(std::string_view text) {
        std::memcpy(Room(text.size()), text.data(), text.size());
        used_ += text.size();
    }
    void Indent(int level);

    std::string& out_;
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_ = kChunk;
    std::size_t used_ = 0;
    std::string_view indent_;
    std::string indentRun_;  // the indent of the first levels, repeated
};

}  // namespace quillix
