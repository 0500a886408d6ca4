// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/xml_pull_reader.h"

#include <array>
#include <charconv>
#include <cstring>
#include <system_error>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "model/xml_read_ahead.h"

namespace quillix {

namespace {

// The scans below run for every tag, name and value of a file; values are
// taken sixteen bytes at a time where the processor allows, so that their
// length costs one branch, not one per byte.
#ifdef __SSE2__
using Bytes = __m128i;

Bytes Load16(const char* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

Bytes Equal(Bytes bytes, char c) {
    return _mm_cmpeq_epi8(bytes, _mm_set1_epi8(c));
}

// The place of the first byte whose bit in matches is clear, if any.
const char* FirstClear(const char* p, Bytes matches) {
    const unsigned clear = ~static_cast<unsigned>(_mm_movemask_epi8(matches)) & 0xFFFFu;
    return clear ? p + __builtin_ctz(clear) : nullptr;
}
#endif

// The first byte from p that is no blank. Inside a tag there is one blank or
// none; between tags a line break and the indentation of the next line, whose
// spaces are taken eight at a time.
inline const char* BlanksEnd(const char* p, const char* end) {
    while (p < end) {
        std::uint64_t eight;
        if (end - p >= 8 && (std::memcpy(&eight, p, 8), eight == 0x2020202020202020ULL)) {
            p += 8;
        } else if (xml_classes::Is(*p, xml_classes::kBlank)) {
            ++p;
        } else {
            break;
        }
    }
    return p;
}

// The first byte from p that cannot continue a name (names are short).
inline const char* NameEnd(const char* p, const char* end) {
    while (p < end && xml_classes::Is(*p, xml_classes::kNameMore))
        ++p;
    return p;
}

// The first byte from p that ends the plain run of an attribute value: a
// quote, "&", "<" or a control character.
const char* ValueStop(const char* p, const char* end) {
#ifdef __SSE2__
    for (; end - p >= 16; p += 16) {
        const Bytes bytes = Load16(p);
        const Bytes controls = _mm_cmpeq_epi8(_mm_min_epu8(bytes, _mm_set1_epi8(0x1F)), bytes);
        const Bytes stops = _mm_or_si128(
            _mm_or_si128(Equal(bytes, '"'), Equal(bytes, '\'')),
            _mm_or_si128(_mm_or_si128(Equal(bytes, '&'), Equal(bytes, '<')), controls));
        if (const char* found = FirstClear(p, _mm_xor_si128(stops, _mm_set1_epi8(-1))))
            return found;
    }
#endif
    while (p < end && !xml_classes::Is(*p, xml_classes::kValueStop))
        ++p;
    return p;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char x = (a[i] >= 'a' && a[i] <= 'z') ? static_cast<char>(a[i] - 32) : a[i];
        const char y = (b[i] >= 'a' && b[i] <= 'z') ? static_cast<char>(b[i] - 32) : b[i];
        if (x != y) return false;
    }
    return true;
}

// The character of an entity between "&" and ";": the five named ones and
// references below 128 (decimal or hexadecimal); 0 for anything else.
char EntityCharacter(std::string_view entity) {
    if (entity == "amp") return '&';
    if (entity == "lt") return '<';
    if (entity == "gt") return '>';
    if (entity == "quot") return '"';
    if (entity == "apos") return '\'';
    if (entity.size() < 2 || entity[0] != '#') return 0;
    const bool hex = entity[1] == 'x';
    const std::string_view digits = entity.substr(hex ? 2 : 1);
    unsigned code = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
    if (error != std::errc() || end != digits.data() + digits.size() || code == 0 || code > 127)
        return 0;
    return static_cast<char>(code);
}

}  // namespace

XmlPullReader::XmlPullReader(std::string_view text)
    : at_(text.data()), end_(text.data() + text.size()) {}

XmlPullReader::XmlPullReader(std::string_view text, std::size_t readAheadBlock)
    : XmlPullReader(text) {
    if (readAheadBlock == 0) return;
    try {
        ahead_ = std::make_unique<XmlReadAhead>(text, readAheadBlock);
    } catch (const std::system_error&) {
        ahead_.reset();  // no thread to spare: the text is read here
    }
}

XmlPullReader::~XmlPullReader() = default;

inline void XmlPullReader::SkipBlanks() {
    at_ = BlanksEnd(at_, end_);
}

inline std::string_view XmlPullReader::ReadName() {
    const char* start = at_;
    at_ = NameEnd(at_, end_);
    return std::string_view(start, static_cast<std::size_t>(at_ - start));
}

bool XmlPullReader::IsPlain(std::string_view text) {
    XmlPullReader reader(text);
    for (;;) {
        const Event event = reader.Next();
        if (event == Event::kDone) return true;
        if (event == Event::kNotPlain) return false;
    }
}

const XmlPullReader::Attribute* XmlPullReader::Find(std::string_view name) const {
    for (const Attribute& attribute : current_) {
        if (attribute.name == name) return &attribute;
    }
    return nullptr;
}

XmlPullReader::Event XmlPullReader::Next() {
    if (ahead_) return NextRecorded();
    if (failed_) return Event::kNotPlain;
    if (endPending_) {
        endPending_ = false;
        current_ = {};
        name_ = open_.back();
        open_.pop_back();
        rootDone_ = open_.empty();
        return Event::kEnd;
    }
    if (!started_) {
        started_ = true;
        if (!ReadProlog()) return Fail();
    }
    SkipBlanks();
    if (at_ >= end_) return rootDone_ ? Event::kDone : Fail();
    if (*at_ != '<' || rootDone_ || end_ - at_ < 2) return Fail();
    if (at_[1] == '/') return ReadEndTag();
    // Comments, CDATA, instructions and a document type are not plain.
    if (!xml_classes::Is(at_[1], xml_classes::kNameStart)) return Fail();
    return ReadStartTag();
}

bool XmlPullReader::SkipElement() {
    const std::size_t depth = Depth();
    while (Depth() >= depth) {
        const Event event = Next();
        if (event == Event::kNotPlain || event == Event::kDone) return false;
    }
    return true;
}

// A UTF-8 byte-order mark, then at most the declaration, in UTF-8.
bool XmlPullReader::ReadProlog() {
    std::string_view rest(at_, static_cast<std::size_t>(end_ - at_));
    if (rest.starts_with("\xEF\xBB\xBF")) {
        at_ += 3;
        rest.remove_prefix(3);
    }
    if (!rest.starts_with("<?xml") || rest.size() < 6 ||
        (!xml_classes::Is(rest[5], xml_classes::kBlank) && rest[5] != '?'))
        return true;
    const std::size_t end = rest.find("?>");
    if (end == std::string_view::npos) return false;
    const std::string_view declaration = rest.substr(5, end - 5);
    // pugixml takes a NUL for the end of the text.
    if (declaration.find_first_of(std::string_view("<&\0", 3)) != std::string_view::npos)
        return false;
    if (const std::size_t encoding = declaration.find("encoding");
        encoding != std::string_view::npos) {
        const std::size_t open = declaration.find_first_of("\"'", encoding);
        if (open == std::string_view::npos) return false;
        const std::size_t close = declaration.find(declaration[open], open + 1);
        if (close == std::string_view::npos ||
            !EqualsIgnoringCase(declaration.substr(open + 1, close - open - 1), "UTF-8")) {
            return false;
        }
    }
    at_ += end + 2;
    return true;
}

XmlPullReader::Event XmlPullReader::ReadStartTag() {
    ++at_;
    name_ = ReadName();
    attributes_.clear();
    if (!decoded_.empty()) decoded_.clear();
    for (;;) {
        const char* before = at_;
        // One blank between attributes, as written here, is taken at once.
        if (end_ - at_ >= 2 && at_[0] == ' ' && !xml_classes::Is(at_[1], xml_classes::kBlank)) {
            ++at_;
        } else {
            SkipBlanks();
        }
        if (at_ >= end_) return Fail();
        const char c = *at_;
        if (c == '>' || c == '/') {
            if (c == '/' && (end_ - at_ < 2 || at_[1] != '>')) return Fail();
            at_ += c == '/' ? 2 : 1;
            open_.push_back(name_);
            endPending_ = c == '/';
            current_ = attributes_;
            return Event::kStart;
        }
        // Attributes are set apart by blanks.
        if (at_ == before || !xml_classes::Is(c, xml_classes::kNameStart) || !ReadAttribute())
            return Fail();
    }
}

// name="value" or name='value'. Tabs, line breaks and other control
// characters in a value (which pugixml turns into blanks or keeps) and "<"
// are not plain.
bool XmlPullReader::ReadAttribute() {
    const std::string_view name = ReadName();
    // name="value" as written here, then blanks around "=" as XML allows.
    if (end_ - at_ < 2 || at_[0] != '=' || at_[1] != '"') {
        SkipBlanks();
        if (at_ >= end_ || *at_ != '=') return false;
        ++at_;
        SkipBlanks();
        if (at_ >= end_ || (*at_ != '"' && *at_ != '\'')) return false;
    } else {
        ++at_;
    }
    const char quote = *at_++;
    const char* start = at_;
    const char* p = at_;
    bool entities = false;
    for (;;) {
        p = ValueStop(p, end_);
        if (p >= end_) return false;
        if (*p == quote) break;
        if (*p == '&') {
            entities = true;
        } else if (*p != '"' && *p != '\'') {
            return false;  // "<" or a control character
        }
        ++p;
    }
    at_ = p;
    std::string_view value(start, static_cast<std::size_t>(at_ - start));
    ++at_;
    if (entities && !DecodeEntities(value)) return false;
    attributes_.push_back({name, value});
    return true;
}

bool XmlPullReader::DecodeEntities(std::string_view& value) {
    std::string decoded;
    for (std::size_t k = 0; k < value.size(); ++k) {
        if (value[k] != '&') {
            decoded += value[k];
            continue;
        }
        const std::size_t semicolon = value.find(';', k);
        if (semicolon == std::string_view::npos) return false;
        const char c = EntityCharacter(value.substr(k + 1, semicolon - k - 1));
        if (c == 0) return false;
        decoded += c;
        k = semicolon;
    }
    decoded_.push_back(std::move(decoded));
    value = decoded_.back();
    return true;
}

XmlPullReader::Event XmlPullReader::ReadEndTag() {
    at_ += 2;
    name_ = ReadName();
    if (at_ < end_ && *at_ != '>') SkipBlanks();
    if (at_ >= end_ || *at_ != '>' || open_.empty() || open_.back() != name_) return Fail();
    ++at_;
    open_.pop_back();
    rootDone_ = open_.empty();
    current_ = {};
    return Event::kEnd;
}

// The events of the reader ahead, block by block; the last event of the text
// (kDone or kNotPlain) repeats, as it does when reading inline.
XmlPullReader::Event XmlPullReader::NextRecorded() {
    if (!block_ || nextEvent_ == block_->events.size()) {
        if (block_ && nextEvent_ > 0) {
            const Event last = block_->events.back().event;
            if (last == Event::kDone || last == Event::kNotPlain) return last;
        }
        std::unique_ptr<XmlEventBlock> next = ahead_->Take(std::move(previous_));
        if (!next || next->events.empty()) return Event::kNotPlain;
        previous_ = std::move(block_);
        block_ = std::move(next);
        nextEvent_ = 0;
    }
    const XmlRecordedEvent& event = block_->events[nextEvent_++];
    name_ = event.name;
    depth_ = event.depth;
    current_ = std::span<const Attribute>(block_->attributes)
                   .subspan(event.firstAttribute, event.attributeCount);
    return event.event;
}

}  // namespace quillix
