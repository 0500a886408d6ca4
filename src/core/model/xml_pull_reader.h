// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// XmlPullReader: the elements of an XML text one by one in document order,
// start tags with their attributes and end tags, without a DOM. It takes the
// plain XML that files of this program hold: elements and attributes, blanks
// between them, the declaration, the five named entities and character
// references below 128, in UTF-8. Anything else (comments, CDATA, processing
// instructions, a document type, text, another encoding, literal tabs or line
// breaks inside a value) and anything not well-formed is "not plain": the
// caller then lets pugixml read the text, which gives the same elements and
// attributes for every plain text, and its message for a broken one. The
// reader finds out as it goes, so a caller that must not act on part of a
// text that is not plain checks the whole text with IsPlain first. Made to
// read ahead, it splits the text on a second thread (XmlReadAhead) and gives
// the same events.

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillix {

namespace xml_classes {

// Character classes, one bit each: blanks between tags, the characters of
// names as pugixml takes them (a letter, "_", ":" or any byte above 127 to
// start, then also digits, "-" and "."), and the characters that end the
// plain run of an attribute value (quotes, "&", "<" and control characters).
enum : unsigned char { kBlank = 1, kNameStart = 2, kNameMore = 4, kValueStop = 8 };

constexpr std::array<unsigned char, 256> CharacterClasses() {
    std::array<unsigned char, 256> classes{};
    for (int c = 0; c < 256; ++c) {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        const bool start = letter || c == '_' || c == ':' || c >= 128;
        const bool more = start || (c >= '0' && c <= '9') || c == '-' || c == '.';
        const bool blank = c == ' ' || c == '\t' || c == '\r' || c == '\n';
        const bool stop = c < 0x20 || c == '"' || c == '\'' || c == '&' || c == '<';
        classes[static_cast<std::size_t>(c)] =
            static_cast<unsigned char>((blank ? kBlank : 0) | (start ? kNameStart : 0) |
                                       (more ? kNameMore : 0) | (stop ? kValueStop : 0));
    }
    return classes;
}

inline constexpr std::array<unsigned char, 256> kClasses = CharacterClasses();

inline bool Is(char c, unsigned char kind) {
    return kClasses[static_cast<unsigned char>(c)] & kind;
}

}  // namespace xml_classes

class XmlReadAhead;
struct XmlEventBlock;

class XmlPullReader {
  public:
    struct Attribute {
        std::string_view name;
        std::string_view value;  // entities decoded
    };
    enum class Event { kStart, kEnd, kDone, kNotPlain };

    // The text must outlive the reader.
    explicit XmlPullReader(std::string_view text);
    // The same, reading ahead on a second thread, whose events come over in
    // blocks of that many; with 0, or where no thread can be started, it
    // reads inline.
    XmlPullReader(std::string_view text, std::size_t readAheadBlock);
    ~XmlPullReader();
    XmlPullReader(const XmlPullReader&) = delete;
    XmlPullReader& operator=(const XmlPullReader&) = delete;

    // Whether the whole text is plain and well-formed, with one root element.
    static bool IsPlain(std::string_view text);

    // The next start or end of an element (an empty element gives both),
    // kDone after the end of the root, kNotPlain (from then on) otherwise.
    Event Next();
    // The name of the element just started or ended.
    std::string_view Name() const { return name_; }
    // The attributes of the element just started, in document order (none
    // after any other event). Their values may be views of the reader's own storage,
    // valid up to the next start of an element.
    std::span<const Attribute> Attributes() const { return current_; }
    // The number of elements open.
    std::size_t Depth() const { return ahead_ ? depth_ : open_.size(); }
    // The first attribute of that name of the element just started, or null.
    const Attribute* Find(std::string_view name) const;
    // Reads on to the end of the element just started; false when the text
    // turns out not to be plain.
    bool SkipElement();

  private:
    Event Fail() {
        failed_ = true;
        current_ = {};
        return Event::kNotPlain;
    }
    bool ReadProlog();
    Event ReadStartTag();
    Event ReadEndTag();
    bool ReadAttribute();
    bool DecodeEntities(std::string_view& value);
    Event NextRecorded();

    void SkipBlanks();
    std::string_view ReadName();

    const char* at_;
    const char* end_;
    std::vector<std::string_view> open_;  // the names of the open elements
    std::vector<Attribute> attributes_;
    std::deque<std::string> decoded_;  // values with entities, decoded (kept in place)
    std::span<const Attribute> current_;
    std::string_view name_;
    bool started_ = false;
    bool rootDone_ = false;
    bool endPending_ = false;  // an empty element was started: its end comes next
    bool failed_ = false;

    // Reading ahead: the block being read and the one before it, whose views
    // a caller may still hold.
    std::unique_ptr<XmlReadAhead> ahead_;
    std::unique_ptr<XmlEventBlock> block_;
    std::unique_ptr<XmlEventBlock> previous_;
    std::size_t nextEvent_ = 0;
    std::size_t depth_ = 0;
};

}  // namespace quillix
