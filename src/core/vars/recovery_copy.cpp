// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/recovery_copy.h"

#include <charconv>
#include <ctime>
#include <exception>

#include "model/description_code.h"
#include "model/vars_document.h"
#include "vars/calc_vars.h"

namespace quillix {

namespace {

constexpr std::string_view kFirstLine = "Quillix recovery copy 1";
constexpr std::string_view kProgramKey = "Program=";
constexpr std::string_view kWrittenKey = "Written=";

// The next line of text (without its line break), moving text past it.
std::string_view NextLine(std::string_view& text) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    return line;
}

bool Fail(std::string* problem, const std::string& why) {
    if (problem) *problem = why;
    return false;
}

bool ReadHeaderLine(std::string_view line, TRecoveryCopy& copy, std::string* problem) {
    if (line.starts_with(kProgramKey)) {
        std::string error;
        std::optional<std::string> name =
            DecodeDescription(line.substr(kProgramKey.size()), &error);
        if (!name) return Fail(problem, "the program's name: " + error);
        copy.ProgramName = std::move(*name);
        return true;
    }
    if (line.starts_with(kWrittenKey)) {
        const std::string_view digits = line.substr(kWrittenKey.size());
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), copy.WrittenAt);
        if (error != std::errc() || end != digits.data() + digits.size())
            return Fail(problem, "the time it was written is no number");
        return true;
    }
    return true;  // a line of a later version, not needed here
}

}  // namespace

std::string RecoveryCopyText(const TRecoveryCopy& copy) {
    std::string text(kFirstLine);
    text += "\n";
    text += kProgramKey;
    text += EncodeDescription(copy.ProgramName) + "\n";
    text += kWrittenKey;
    text += std::to_string(copy.WrittenAt) + "\n\n";
    text += copy.Document;
    return text;
}

std::optional<TRecoveryCopy> ParseRecoveryCopy(std::string_view text, std::string* problem) {
    if (NextLine(text) != kFirstLine) {
        Fail(problem, "it does not start as a recovery copy");
        return std::nullopt;
    }
    TRecoveryCopy copy;
    for (std::string_view line = NextLine(text); !line.empty(); line = NextLine(text)) {
        if (!ReadHeaderLine(line, copy, problem)) return std::nullopt;
        if (text.empty()) {
            Fail(problem, "it holds no program");
            return std::nullopt;
        }
    }
    try {
        ParseVarsDocumentText(text);
    } catch (const std::exception& error) {
        Fail(problem, error.what());
        return std::nullopt;
    }
    copy.Document = std::string(text);
    return copy;
}

TRecoveryCopy TakeRecoveryCopy(TCalcVars& document, std::int64_t now) {
    TRecoveryCopy copy;
    if (!document.GetIsNew()) copy.ProgramName = document.GetName();
    copy.WrittenAt = now;
    copy.Document = BuildVarsDocumentText(document.Description(), document.Items());
    return copy;
}

std::string RecoveryQuestion(const TRecoveryCopy& copy) {
    const std::string name = copy.ProgramName.empty() ? "New" : copy.ProgramName;
    return "Quillix did not close normally. Restore the unsaved program '" + name + "' from " +
           ClockTimeText(copy.WrittenAt) + "?";
}

std::string ClockTimeText(std::int64_t secondsSinceEpoch) {
    const std::time_t time = static_cast<std::time_t>(secondsSinceEpoch);
    std::tm local{};
    if (!localtime_r(&time, &local)) return "--:--";
    char text[8];
    std::strftime(text, sizeof text, "%H:%M", &local);
    return text;
}

}  // namespace quillix
