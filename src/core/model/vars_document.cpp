// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/vars_document.h"

#include <algorithm>
#include <pugixml.hpp>

#include "common/atomic_file.h"
#include "common/regular_file.h"
#include "common/untrusted_text.h"

namespace quillix {

namespace {

// Deeper documents (only formulas thousands of levels deep make them) are
// written one element per line without leading blanks: indenting them would
// cost the square of their depth.
constexpr int kMaxIndentedDepth = 64;
constexpr const char* kIndent = "  ";

class StringWriter final : public pugi::xml_writer {
  public:
    void write(const void* data, std::size_t size) override {
        text.append(static_cast<const char*>(data), size);
    }
    std::string text;
};

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
void CheckEntryName(const TCalcValueWarper& entry, int entryNumber, ICalcVarsBase& vars) {
    const std::string& name = entry.GetName();
    if (!entry.Value->IsNamed() || name.find_first_not_of(' ') == std::string::npos) {
        throw EXmlLoadError(UnnamedEntryText(entryNumber));
    }
    if (const std::string problem = VariableNameProblem(name); !problem.empty())
        throw EXmlLoadError("Entry " + std::to_string(entryNumber) + ": " + problem);
    if (vars.GetValue(name)) throw EXmlLoadError(DuplicateEntryText(name));
}

}  // namespace

std::string BuildVarsDocumentText(const std::string& description,
                                  const TCalcValueWarperList& entries) {
    pugi::xml_document document;
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version").set_value("1.0");
    declaration.append_attribute("encoding").set_value("UTF-8");
    pugi::xml_node root = document.append_child("Vars");
    root.append_attribute("Version").set_value("1.0");
    SaveDescriptionAttribute(root, description);
    int depth = 0;
    for (const std::unique_ptr<TCalcValueWarper>& entry : entries) {
        int entryDepth = 0;
        if (entry && entry->Value) SaveValueWarperToXML(*entry, root, &entryDepth);
        depth = std::max(depth, 1 + entryDepth);
    }
    StringWriter out;
    const char* indent = depth <= kMaxIndentedDepth ? kIndent : "";
    document.save(out, indent, pugi::format_indent, pugi::encoding_utf8);
    return std::move(out.text);
}

bool SaveVarsDocumentFile(const std::string& path, const std::string& description,
                          const TCalcValueWarperList& entries, std::string* error) {
    return WriteFileAtomically(path, BuildVarsDocumentText(description, entries), error);
}

std::unique_ptr<pugi::xml_document> ParseVarsDocumentText(std::string_view text) {
    // The parser would cut a text short at a NUL it decoded: "a&#0;b" as "a".
    if (const std::optional<std::size_t> at = FindNulCharacterReference(text))
        throw EXmlLoadError(InvalidXmlText(text, *at, "character reference to NUL"));
    auto document = std::make_unique<pugi::xml_document>();
    const pugi::xml_parse_result parsed = document->load_buffer(text.data(), text.size());
    if (!parsed) throw EXmlLoadError(ParseErrorText(text, parsed));
    return document;
}

void ReadVarsDocument(const pugi::xml_document& document, IVarsDocumentSink& sink) {
    const pugi::xml_node root = document.document_element();
    sink.Clear();
    sink.SetDescription(LoadDescriptionAttribute(root));
    ICalcVarsBase& vars = sink.VarsForNames();
    int entryNumber = 0;
    for (pugi::xml_node child : root.children()) {
        if (child.type() != pugi::node_element) continue;
        std::unique_ptr<TCalcValueWarper> entry = LoadValueWarperFromXML(child, &vars);
        CheckEntryName(*entry, ++entryNumber, vars);
        sink.Append(std::move(entry));
    }
}

void ReadVarsDocumentText(std::string_view text, IVarsDocumentSink& sink) {
    ReadVarsDocument(*ParseVarsDocumentText(text), sink);
}

void LoadVarsDocumentFile(const std::string& path, IVarsDocumentSink& sink) {
    ReadVarsDocument(*ParseVarsDocumentFile(path), sink);
}

std::unique_ptr<pugi::xml_document> ParseVarsDocumentFile(const std::string& path) {
    // Only a regular file is opened: a FIFO under a program's name would hold
    // the reader for good.
    std::string error;
    const std::optional<std::string> text = ReadRegularFile(path, &error);
    if (!text) throw EXmlLoadError(error);
    return ParseVarsDocumentText(*text);
}

std::string UnnamedEntryText(int entryNumber) {
    return "Entry " + std::to_string(entryNumber) + " of the document has no variable name";
}

std::string DuplicateEntryText(const std::string& name) {
    return "Variable \"" + name + "\" appears more than once in the document";
}

}  // namespace quillix
