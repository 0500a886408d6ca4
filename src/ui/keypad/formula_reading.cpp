// SPDX-License-Identifier: GPL-3.0-or-later
#include "keypad/formula_reading.h"

#include <algorithm>

#include "model/calc_vars_intf.h"
#include "vars/user_func_folder.h"

namespace quillix {
namespace {

// The library's spelling of a stored name; none without a library.
FormulaNameLookup LookupIn(IUserFuncFolder* library) {
    if (!library) return [](std::string_view) { return std::optional<std::string>(); };
    return [library](std::string_view name) -> std::optional<std::string> {
        const TUserFuncObj* found = library->FindByName(name);
        if (!found) return std::nullopt;
        return found->Name();
    };
}

}  // namespace

FormulaReadResult ReadProgramFormula(const QString& text) {
    FormulaReaderOptions options;
    options.vars = CalcVarsIntf();
    options.findUserFunction = LookupIn(UserFunctionsIntf());
    options.findProgram = LookupIn(UserProgramsIntf());
    return ReadFormula(text.toStdString(), options);
}

int ErrorPosition(const QString& text, const FormulaReadError& error) {
    return TextPosition(text, error.offset);
}

std::size_t Utf8Offset(const QString& text, int position) {
    return static_cast<std::size_t>(text.left(position).toUtf8().size());
}

int TextPosition(const QString& text, std::size_t utf8Offset) {
    // The reader counts bytes of UTF-8; the edit counts UTF-16 units.
    const QByteArray utf8 = text.toUtf8();
    const auto offset = static_cast<qsizetype>(std::min<std::size_t>(utf8Offset, utf8.size()));
    return static_cast<int>(QString::fromUtf8(utf8.left(offset)).size());
}

}  // namespace quillix
