// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/formula_names.h"

#include <algorithm>

#include "functions/func_catalogue.h"
#include "model/formula_tokens.h"

namespace quillix {

namespace {

bool IsDigitOrPoint(char c) {
    return (c >= '0' && c <= '9') || c == '.';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

const TFuncDataItem* CatalogueFunctionOf(std::string_view text, const TNameSpan& span) {
    return FindFuncByName(text.substr(span.Start, span.End - span.Start));
}

}  // namespace

std::optional<TNameSpan> NameAt(std::string_view text, std::size_t offset) {
    offset = std::min(offset, text.size());
    std::size_t pos = 0;
    while (pos <= offset && pos < text.size()) {
        const char c = text[pos];
        if (IsNameStart(c)) {
            const std::size_t end = NameEnd(text, pos);
            if (offset <= end) return TNameSpan{pos, end};
            pos = end;
        } else if (IsDigitOrPoint(c)) {
            const std::size_t end = NumberEnd(text, pos, false);
            pos = end > pos ? end : pos + 1;
        } else if (c == '"') {
            const std::optional<QuotedText> quoted = ReadQuoted(text, pos);
            pos = quoted ? quoted->end : text.size();
        } else {
            ++pos;
        }
    }
    return std::nullopt;
}

std::string FunctionAtOffset(std::string_view text, std::size_t offset) {
    offset = std::min(offset, text.size());
    if (const std::optional<TNameSpan> span = NameAt(text, offset)) {
        if (const TFuncDataItem* row = CatalogueFunctionOf(text, *span)) return row->Name;
    }
    // Inside a call: the nearest open parenthesis or bracket that a function
    // name stands before.
    int depth = 0;
    for (std::size_t i = offset; i-- > 0;) {
        const char c = text[i];
        if (c == ')' || c == ']') {
            ++depth;
        } else if (c == '(' || c == '[') {
            if (depth > 0) {
                --depth;
                continue;
            }
            std::size_t nameEnd = i;
            while (nameEnd > 0 && IsBlank(text[nameEnd - 1]))
                --nameEnd;
            const std::optional<TNameSpan> span = NameAt(text, nameEnd);
            if (!span || span->End != nameEnd) continue;
            if (const TFuncDataItem* row = CatalogueFunctionOf(text, *span)) return row->Name;
        }
    }
    return {};
}

}  // namespace quillix
