// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for number entry and pasted text. The input is taken twice:
// whole, as a text pasted into the number being typed (the clipboard's way),
// and byte by byte as number-entry keys, where one key pastes the next few
// bytes. Either way every text the editor shows pastes back into the same
// number, and a text the paste check takes never faults.

#include <cstddef>
#include <cstdint>
#include <string>

#include "common/calc_error.h"
#include "engine/calc_inputor.h"
#include "fuzz_support.h"
#include "model/calc_value.h"

namespace {

using namespace quillix;

constexpr std::uint8_t kEntryKeys[] = {
    ccDigit0,       ccDigit1,   ccDigit2, ccDigit3,    ccDigit4,    ccDigit5,
    ccDigit6,       ccDigit7,   ccDigit8, ccDigit9,    ccDigit00,   ccDigit000,
    ccDecimalPoint, ccExponent, ccPaste,  ccBackspace, ccChangeSign};

// The number the editor denotes, or nothing when its text is out of range.
std::optional<long double> ValueOf(const TCalcInputor& editor) {
    try {
        return editor.GetValue();
    } catch (const ECalcError&) {
        return std::nullopt;
    }
}

bool SameNumber(std::optional<long double> a, std::optional<long double> b) {
    return a.has_value() == b.has_value() && (!a || *a == *b);
}

// Both display styles paste back into an editor that denotes the same number.
void CheckShownTextsPasteBack(const TCalcInputor& editor) {
    const std::optional<long double> value = ValueOf(editor);
    for (const int style : {kPlainStyle, kGroupedStyle}) {
        const std::string shown = editor.GetText(style);
        fuzz::Check(TCalcInputor::IsPastable(shown), "a shown text is refused:", shown);
        TCalcInputor again;
        TCalcCommondData data;
        data.Text = shown;
        try {
            again.Input(ccPaste, &data);
        } catch (const ECalcError&) {
        }
        fuzz::Check(SameNumber(ValueOf(again), value),
                    "a shown text pastes another number:", shown);
    }
}

void Press(TCalcInputor& editor, std::uint8_t code, const TCalcCommondData* data) {
    try {
        editor.Input(code, data);
    } catch (const ECalcError&) {
        // The characters stay; the number is out of range.
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    TCalcInputor pasted;
    TCalcCommondData clipboard;
    clipboard.Text = text;
    const bool pastable = TCalcInputor::IsPastable(text);
    const TCalcInputor before = pasted;
    Press(pasted, ccPaste, &clipboard);
    if (!pastable) {
        fuzz::Check(pasted.GetText(kPlainStyle) == before.GetText(kPlainStyle),
                    "a refused paste changed the number");
    }
    CheckShownTextsPasteBack(pasted);

    fuzz::ByteReader bytes(data, size);
    TCalcInputor typed;
    while (!bytes.Empty()) {
        const std::uint8_t code = kEntryKeys[bytes.Byte() % std::size(kEntryKeys)];
        TCalcCommondData record;
        if (code == ccPaste) record.Text = bytes.Text(bytes.Byte() % 40);
        Press(typed, code, &record);
        CheckShownTextsPasteBack(typed);
    }
    return 0;
}
