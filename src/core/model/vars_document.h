// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Vars document: the file form of a variable set (program and user-function
// files hold it too). Root "Vars" with "Version" and "Description", then one
// "ValueWarper" per entry in list order. The variable sets write it from their
// entries and read it through a small sink that they implement.

#include <memory>
#include <string>
#include <string_view>

#include "model/calc_value_warper.h"
#include "model/calc_vars_intf.h"
#include "model/calc_xml.h"

namespace pugi {
class xml_document;
}

namespace quillix {

// What a variable set offers the reader, called in this order: Clear, then
// SetDescription, then Append for each entry as soon as it is read. Named
// operands resolve through VarsForNames, which sees the entries appended so far.
class IVarsDocumentSink {
  public:
    virtual ~IVarsDocumentSink() = default;
    virtual void Clear() = 0;
    virtual void SetDescription(const std::string& text) = 0;
    // False, leaving the entry out, when the set has a variable of its name.
    virtual bool Append(std::unique_ptr<TCalcValueWarper> entry) = 0;
    virtual ICalcVarsBase& VarsForNames() = 0;
};

// The document text, indented (one element per line). Entries without a value
// are left out, so that what is written can always be read.
std::string BuildVarsDocumentText(const std::string& description,
                                  const TCalcValueWarperList& entries);

// Writes the document to path atomically: on failure the old file is intact and
// the result is false with *error (when given) naming the file and the reason.
bool SaveVarsDocumentFile(const std::string& path, const std::string& description,
                          const TCalcValueWarperList& entries, std::string* error = nullptr);

// A file that cannot be read, or a text that is not XML.
class EXmlSyntaxError : public EXmlLoadError {
  public:
    using EXmlLoadError::EXmlLoadError;
};

// Reads a document into sink: every child element of the root, whatever its
// name, is an entry, which must carry a variable name not yet in the set.
// Throws EXmlLoadError: EXmlSyntaxError for a text that is not XML before the
// sink is touched; for anything wrong inside the document after Clear, leaving
// the entries read so far in the sink.
void ReadVarsDocumentText(std::string_view text, IVarsDocumentSink& sink);
// The same for a file; a file that cannot be read fails before the sink is touched.
void LoadVarsDocumentFile(const std::string& path, IVarsDocumentSink& sink);
// The same in one pass over the text, for a sink that was empty and is
// dropped on failure: a text that is not XML may fail (EXmlSyntaxError) after
// the sink was cleared and given part of the entries. Plain XML, which is
// what this program writes, is read straight from the text; anything else
// goes through pugixml.
void ReadVarsDocumentTextOnce(std::string_view text, IVarsDocumentSink& sink);
// The whole file; EXmlSyntaxError ("Cannot read") when it cannot be read.
std::string ReadVarsDocumentFile(const std::string& path);

// The two halves of ReadVarsDocumentText, for a reader that keeps parsed files:
// the parse (EXmlLoadError for a text that is not XML), and the reading of a
// parsed document into a sink.
std::unique_ptr<pugi::xml_document> ParseVarsDocumentText(std::string_view text);
// The parse of a file ("Cannot read "<path>": <reason>" when it cannot be read
// or is no regular file). A character reference to NUL is invalid XML.
std::unique_ptr<pugi::xml_document> ParseVarsDocumentFile(const std::string& path);
void ReadVarsDocument(const pugi::xml_document& document, IVarsDocumentSink& sink);

std::string UnnamedEntryText(int entryNumber);
std::string DuplicateEntryText(const std::string& name);

}  // namespace quillix
