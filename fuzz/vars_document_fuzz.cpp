// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the program file reader: any bytes as a program file
// either load or fail with a message. The text is also read the long way,
// through pugixml's DOM, and both ways agree (the same entries or the same
// message): the one-pass reader of plain XML reads what pugixml reads. Read
// ahead on a second thread, in small blocks, the text gives the events it
// gives read inline. A loaded program saves to a text that loads and saves to
// the very same text, and it recalculates without a fault.

#include <cstddef>
#include <cstdint>
#include <pugixml.hpp>
#include <string>

#include "common/date_format.h"
#include "model/xml_pull_reader.h"
#include "common/untrusted_text.h"
#include "fuzz_support.h"
#include "model/plain_xml.h"
#include "model/vars_document.h"
#include "vars/calc_exec.h"

namespace {

using namespace quillix;

std::string SavedText(TCalcVarsBase& set) {
    return BuildVarsDocumentText(set.Description(), set.Items());
}

// The load of text as a file: the saved text, or the message.
std::string LoadedAs(const std::string& text, TCalcProgramExec& program) {
    const std::string file = fuzz::Home().File("program.prg");
    test::WriteFile(file, text);
    std::string error;
    if (!program.LoadFromFile(file, &error)) {
        fuzz::Check(!error.empty(), "a failed load without a message");
        return "failed: " + error;
    }
    return SavedText(program);
}

// Every event of the reader, with the element's name, depth and attributes.
std::string EventsOf(XmlPullReader& in) {
    std::string events;
    for (;;) {
        const XmlPullReader::Event event = in.Next();
        events += std::to_string(static_cast<int>(event)) + " " + std::string(in.Name()) + " " +
                  std::to_string(in.Depth());
        for (const XmlPullReader::Attribute& a : in.Attributes())
            events += " " + std::string(a.name) + "=" + std::string(a.value);
        events += "\n";
        if (event == XmlPullReader::Event::kDone || event == XmlPullReader::Event::kNotPlain)
            return events;
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SetShortDateFormatter(FormatIsoDate);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    XmlPullReader inline_(text);
    XmlPullReader ahead(text, 3);
    const std::string events = EventsOf(inline_);
    fuzz::Check(EventsOf(ahead) == events, "reading ahead gives other events", events);

    TCalcProgramExec program;
    const std::string loaded = LoadedAs(text, program);

    pugi::xml_document document;
    if (FindNulCharacterReference(text)) {
        // Refused before any parse, even where pugixml would drop the text
        // holding it: the DOM's plain form has no such reference to compare.
        fuzz::Check(loaded.ends_with("character reference to NUL"),
                    "a NUL character reference read", loaded);
    } else if (document.load_buffer(text.data(), text.size())) {
        TCalcProgramExec throughDom;
        const std::string viaDom = LoadedAs(PlainXmlOf(document.document_element()), throughDom);
        fuzz::Check(viaDom == loaded, "pugixml reads another document:", viaDom + "\n" + loaded);
    } else {
        fuzz::Check(loaded.starts_with("failed: "), "a text pugixml refuses loaded");
    }
    if (loaded.starts_with("failed: ")) return 0;

    TCalcProgramExec again;
    fuzz::Check(LoadedAs(loaded, again) == loaded, "a saved program saves differently", loaded);
    program.RecalcAll();
    return 0;
}
