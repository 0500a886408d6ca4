// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/vars_document.h"

#include <algorithm>
#include <limits>
#include <pugixml.hpp>

#include "common/atomic_file.h"
#include "common/object_pool.h"
#include "common/regular_file.h"
#include "common/untrusted_text.h"
#include "model/plain_xml.h"
#include "model/xml_pull_reader.h"
#include "model/xml_text_writer.h"

namespace quillix {

namespace {

// Deeper documents (only formulas thousands of levels deep make them) are
// written one element per line without leading blanks: indenting them would
// cost the square of their depth.
constexpr int kMaxIndentedDepth = 64;
constexpr const char* kIndent = "  ";

// From this size on, a text is split into elements on a second thread while
// this one builds the entries: below it, starting the thread costs more than
// it saves.
constexpr std::size_t kReadAheadFrom = 256 * 1024;
constexpr std::size_t kReadAheadBlock = 2048;  // events handed over at a time

std::string InvalidXmlText(std::string_view text, std::size_t offset, const char* description) {
    offset = std::min(text.size(), offset);
    const std::string_view before = text.substr(0, offset);
    const std::size_t line =
        1 + static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n'));
    const std::size_t lineStart = before.rfind('\n');
    const std::size_t column =
        offset - (lineStart == std::string_view::npos ? 0 : lineStart + 1) + 1;
    return "Invalid XML at line " + std::to_string(line) + ", column " + std::to_string(column) +
           ": " + description;
}

std::string ParseErrorText(std::string_view text, const pugi::xml_parse_result& result) {
    return InvalidXmlText(text,
                          static_cast<std::size_t>(std::max<std::ptrdiff_t>(result.offset, 0)),
                          result.description());
}

// An entry must carry a name of its own: the set finds, shows and replaces
// variables by name, and later formulas refer to them by it.
void CheckEntryName(const TCalcValueWarper& entry, int entryNumber) {
    const std::string& name = entry.GetName();
    if (!entry.Value->IsNamed() || name.find_first_not_of(' ') == std::string::npos) {
        throw EXmlLoadError(UnnamedEntryText(entryNumber));
    }
    if (const std::string problem = VariableNameProblem(name); !problem.empty())
        throw EXmlLoadError("Entry " + std::to_string(entryNumber) + ": " + problem);
}

// A document of plain XML into sink.
void ReadPlainVarsDocument(XmlPullReader& in, IVarsDocumentSink& sink) {
    const object_pool::TArenaScope arena;  // the entries live and go together
    if (in.Next() != XmlPullReader::Event::kStart) throw EXmlNotPlain();
    sink.Clear();
    sink.SetDescription(ReadDescriptionAttribute(in));
    ICalcVarsBase& vars = sink.VarsForNames();
    int entryNumber = 0;
    XmlPullReader::Event event;
    while ((event = in.Next()) == XmlPullReader::Event::kStart) {
        std::unique_ptr<TCalcValueWarper> entry = ReadValueWarper(in, &vars);
        CheckEntryName(*entry, ++entryNumber);
        const std::string name = entry->GetName();
        if (!sink.Append(std::move(entry))) throw EXmlLoadError(DuplicateEntryText(name));
    }
    // Only blanks may follow the root.
    if (event != XmlPullReader::Event::kEnd || in.Next() != XmlPullReader::Event::kDone)
        throw EXmlNotPlain();
}

// The document written with that indent; false, with the text unfinished, as
// soon as an element lies deeper than maxLevel.
bool WriteVarsDocumentText(const std::string& description, const TCalcValueWarperList& entries,
                           std::string_view indent, int maxLevel, std::string& text) {
    XmlTextWriter out(text, indent);
    out.Declaration();
    out.StartElement("Vars", 0);
    out.PlainAttribute("Version", "1.0");
    WriteDescriptionAttribute(out, description);
    bool any = false;
    for (const std::unique_ptr<TCalcValueWarper>& entry : entries) {
        if (!entry || !entry->Value) continue;
        if (!any) out.EndStartTag();
        any = true;
        if (WriteValueWarperText(*entry, out, 1, maxLevel) > maxLevel) return false;
    }
    if (any) {
        out.EndElement("Vars", 0);
    } else {
        out.EndEmptyElement();
    }
    return true;
}

}  // namespace

std::string BuildVarsDocumentText(const std::string& description,
                                  const TCalcValueWarperList& entries) {
    std::string text;
    text.reserve(1024 + entries.size() * 256);
    if (WriteVarsDocumentText(description, entries, kIndent, kMaxIndentedDepth - 1, text))
        return text;
    text.clear();
    WriteVarsDocumentText(description, entries, "", std::numeric_limits<int>::max(), text);
    return text;
}

bool SaveVarsDocumentFile(const std::string& path, const std::string& description,
                          const TCalcValueWarperList& entries, std::string* error) {
    return WriteFileAtomically(path, BuildVarsDocumentText(description, entries), error);
}

std::unique_ptr<pugi::xml_document> ParseVarsDocumentText(std::string_view text) {
    // The parser would cut a text short at a NUL it decoded: "a&#0;b" as "a".
    if (const std::optional<std::size_t> at = FindNulCharacterReference(text))
        throw EXmlSyntaxError(InvalidXmlText(text, *at, "character reference to NUL"));
    auto document = std::make_unique<pugi::xml_document>();
    const pugi::xml_parse_result parsed = document->load_buffer(text.data(), text.size());
    if (!parsed) throw EXmlSyntaxError(ParseErrorText(text, parsed));
    return document;
}

void ReadVarsDocument(const pugi::xml_document& document, IVarsDocumentSink& sink) {
    const pugi::xml_node root = document.document_element();
    if (!root) {
        sink.Clear();
        sink.SetDescription(LoadDescriptionAttribute(root));  // fails: there is none
    }
    const std::string text = PlainXmlOf(root);
    XmlPullReader in(text);
    ReadPlainVarsDocument(in, sink);
}

// Plain XML, which is what this program writes, is read straight from the
// text once the whole of it was found plain; anything else goes through
// pugixml, which reads it (or gives the message for a text that is not XML)
// before the sink is touched.
void ReadVarsDocumentText(std::string_view text, IVarsDocumentSink& sink) {
    if (XmlPullReader::IsPlain(text)) {
        XmlPullReader in(text);
        return ReadPlainVarsDocument(in, sink);
    }
    ReadVarsDocument(*ParseVarsDocumentText(text), sink);
}

// A fault found in the document stands only when the whole text is plain XML;
// otherwise the text is read again through pugixml (the sink starts over with
// its Clear), so that the message is the one ReadVarsDocumentText gives.
void ReadVarsDocumentTextOnce(std::string_view text, IVarsDocumentSink& sink) {
    try {
        XmlPullReader in(text, text.size() >= kReadAheadFrom ? kReadAheadBlock : 0);
        return ReadPlainVarsDocument(in, sink);
    } catch (const EXmlNotPlain&) {
    } catch (const EXmlLoadError&) {
        if (XmlPullReader::IsPlain(text)) throw;
    }
    ReadVarsDocument(*ParseVarsDocumentText(text), sink);
}

void LoadVarsDocumentFile(const std::string& path, IVarsDocumentSink& sink) {
    ReadVarsDocumentText(ReadVarsDocumentFile(path), sink);
}

// Only a regular file is opened: a FIFO under a program's name would hold the
// reader for good.
std::string ReadVarsDocumentFile(const std::string& path) {
    std::string error;
    std::optional<std::string> text = ReadRegularFile(path, &error);
    if (!text) throw EXmlSyntaxError(error);
    return std::move(*text);
}

std::unique_ptr<pugi::xml_document> ParseVarsDocumentFile(const std::string& path) {
    return ParseVarsDocumentText(ReadVarsDocumentFile(path));
}

std::string UnnamedEntryText(int entryNumber) {
    return "Entry " + std::to_string(entryNumber) + " of the document has no variable name";
}

std::string DuplicateEntryText(const std::string& name) {
    return "Variable \"" + name + "\" appears more than once in the document";
}

}  // namespace quillix
