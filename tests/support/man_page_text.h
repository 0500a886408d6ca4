// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a manual page says, as plain text, and the phrases of a --help text, so
// that a test can check that the manual page says every one of them. The
// reader knows the few man macros and escapes our pages use; it is no
// typesetter.

#include <sstream>
#include <string>
#include <vector>

namespace quillix::test {

namespace man_detail {

inline std::string Unescape(const std::string& text) {
    static const struct {
        const char* escape;
        const char* plain;
    } kEscapes[] = {{"\\fB", ""},   {"\\fI", ""},    {"\\fR", ""},  {"\\fP", ""}, {"\\-", "-"},
                    {"\\(aq", "'"}, {"\\(em", "--"}, {"\\e", "\\"}, {"\\&", ""},  {"\\ ", " "}};
    std::string plain;
    for (std::size_t i = 0; i < text.size();) {
        bool replaced = false;
        for (const auto& escape : kEscapes) {
            const std::string from = escape.escape;
            if (text.compare(i, from.size(), from) == 0) {
                plain += escape.plain;
                i += from.size();
                replaced = true;
                break;
            }
        }
        if (!replaced) plain += text[i++];
    }
    return plain;
}

// The arguments of a macro line, with double quotes grouping words.
inline std::vector<std::string> MacroArguments(const std::string& rest) {
    std::vector<std::string> arguments;
    std::string current;
    bool quoted = false, any = false;
    for (const char c : rest) {
        if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if (c == ' ' && !quoted) {
            if (any || !current.empty()) arguments.push_back(current);
            current.clear();
            any = false;
        } else {
            current += c;
        }
    }
    if (any || !current.empty()) arguments.push_back(current);
    return arguments;
}

// The text a macro line puts on the page: font macros print their arguments
// (the alternating ones, such as .BR, without blanks between), headings their
// title; the rest (.TP, .PP, .RS, ...) print nothing.
inline std::string MacroText(const std::string& line) {
    const std::size_t blank = line.find(' ');
    const std::string name = line.substr(1, blank == std::string::npos ? blank : blank - 1);
    const std::vector<std::string> arguments = blank == std::string::npos
                                                   ? std::vector<std::string>{}
                                                   : MacroArguments(line.substr(blank + 1));
    const bool alternating = name.size() == 2 && name.find_first_not_of("BIR") == std::string::npos;
    const bool joined = name == "B" || name == "I" || name == "SH" || name == "SS";
    if (!alternating && !joined) return {};
    std::string text;
    for (const std::string& argument : arguments) {
        if (joined && !text.empty()) text += ' ';
        text += argument;
    }
    return text;
}

}  // namespace man_detail

// The page's words in reading order, with every run of blanks as one blank.
inline std::string ManPagePlainText(const std::string& source) {
    std::istringstream lines(source);
    std::string line, text;
    while (std::getline(lines, line)) {
        if (line.rfind(".\\\"", 0) == 0) continue;  // a comment
        const std::string words = line.rfind('.', 0) == 0 ? man_detail::MacroText(line) : line;
        text += man_detail::Unescape(words) + ' ';
    }
    std::string collapsed;
    for (const char c : text) {
        const bool blank = c == ' ' || c == '\t';
        if (blank && (collapsed.empty() || collapsed.back() == ' ')) continue;
        collapsed += blank ? ' ' : c;
    }
    return collapsed;
}

// The phrases of a --help text: each line that is not a heading ("options:"),
// split into its columns at runs of two or more blanks.
inline std::vector<std::string> HelpPhrases(const std::string& help) {
    std::vector<std::string> phrases;
    std::istringstream lines(help);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == ':') continue;
        std::size_t start = line.find_first_not_of(' ');
        while (start != std::string::npos) {
            std::size_t end = line.find("  ", start);
            phrases.push_back(line.substr(start, end == std::string::npos ? end : end - start));
            start = end == std::string::npos ? end : line.find_first_not_of(' ', end);
        }
    }
    return phrases;
}

// The phrases of the help that the manual page (its source) does not say.
inline std::vector<std::string> PhrasesTheManPageLacks(const std::string& manSource,
                                                       const std::string& help) {
    const std::string page = ManPagePlainText(manSource);
    std::vector<std::string> lacking;
    for (const std::string& phrase : HelpPhrases(help))
        if (page.find(phrase) == std::string::npos) lacking.push_back(phrase);
    return lacking;
}

}  // namespace quillix::test
