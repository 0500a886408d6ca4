// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/update_reply.h"

#include "common/text_compare.h"

namespace quillix {

namespace {

// Every character up to and including the space counts as a blank; NUL is
// handled apart, as the end of the text.
bool IsReplyBlank(char c) {
    return c != '\0' && static_cast<unsigned char>(c) <= ' ';
}

bool HasPrefixIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           EqualsIgnoreAsciiCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

std::string UpdateRequestAddress(std::string_view upgradeUrl, std::string_view versionText) {
    std::string address(upgradeUrl);
    address += "?PID=";
    address += kUpdateProductCode;
    address += "&VAR=";
    address += versionText;
    return address;
}

std::vector<std::string> SplitReplyItems(std::string_view reply) {
    reply = reply.substr(0, reply.find('\0'));
    std::vector<std::string> items;
    std::size_t at = 0;
    const auto skipBlanks = [&] {
        while (at < reply.size() && IsReplyBlank(reply[at]))
            ++at;
    };
    skipBlanks();
    while (at < reply.size()) {
        std::string item;
        if (reply[at] == '"') {
            ++at;
            while (at < reply.size()) {
                const char c = reply[at++];
                if (c != '"') {
                    item += c;
                } else if (at < reply.size() && reply[at] == '"') {
                    item += '"';
                    ++at;
                } else {
                    break;
                }
            }
        } else {
            const std::size_t start = at;
            while (at < reply.size() && !IsReplyBlank(reply[at]) && reply[at] != ',')
                ++at;
            item.assign(reply.substr(start, at - start));
        }
        items.push_back(std::move(item));
        skipBlanks();
        if (at < reply.size() && reply[at] == ',') {
            // A comma that ends the text still separates an empty last item.
            if (at + 1 == reply.size()) items.emplace_back();
            ++at;
            skipBlanks();
        }
    }
    return items;
}

std::optional<std::string> NewVersionAddress(std::string_view reply) {
    const std::vector<std::string> items = SplitReplyItems(reply);
    if (items.size() < 2) return std::nullopt;
    const auto trim = [](std::string_view text) { return TrimIf(text, IsReplyBlank); };
    if (!EqualsIgnoreAsciiCase(trim(items[0]), "NEW")) return std::nullopt;
    const std::string address(trim(items[1]));
    if (!IsWebAddress(address)) return std::nullopt;
    return address;
}

bool IsWebAddress(std::string_view address) {
    std::size_t schemeLength = 0;
    if (HasPrefixIgnoringCase(address, "http://")) {
        schemeLength = 7;
    } else if (HasPrefixIgnoringCase(address, "https://")) {
        schemeLength = 8;
    } else {
        return false;
    }
    for (const char c : address) {
        if (static_cast<unsigned char>(c) <= ' ' || c == '\x7f') return false;
    }
    const std::string_view rest = address.substr(schemeLength);
    const std::string_view host = rest.substr(0, rest.find_first_of("/?#"));
    // A user part ("user@") is allowed by the syntax but the host must follow it.
    const std::string_view hostOnly = host.substr(host.rfind('@') + 1);
    return !hostOnly.empty() && hostOnly.front() != ':';
}

bool UpdateRedirectAllowed(std::string_view from, std::string_view to, int hop) {
    if (hop < 1 || hop > kUpdateRedirectLimit || !IsWebAddress(to)) return false;
    return !HasPrefixIgnoringCase(from, "https://") || HasPrefixIgnoringCase(to, "https://");
}

}  // namespace quillix
