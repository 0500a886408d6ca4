// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/version_text.h"

#include <charconv>
#include <cstdint>

namespace quillix {

namespace {

// The number at the front of part (up to the first "."); 0 when there is none.
// A version part is a 16-bit number, so larger values are cut to their low bits
// as the version resource would hold them.
unsigned PartNumber(std::string_view part) {
    unsigned long long value = 0;
    const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
    if (error != std::errc() || end != part.data() + part.size()) return 0;
    return static_cast<unsigned>(value & 0xFFFFu);
}

}  // namespace

std::string VersionText(std::string_view fullVersion) {
    const std::size_t firstDot = fullVersion.find('.');
    const std::string_view major = fullVersion.substr(0, firstDot);
    std::string_view minor;
    if (firstDot != std::string_view::npos) {
        minor = fullVersion.substr(firstDot + 1);
        minor = minor.substr(0, minor.find('.'));
    }
    return std::to_string(PartNumber(major)) + "." + std::to_string(PartNumber(minor));
}

}  // namespace quillix
