// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/autostart_entry.h"

namespace quillix {

namespace {

// The Exec value: the path in double quotes (the characters the launcher
// treats specially inside quotes escaped with a backslash), then the argument.
// Backslashes are doubled once more and "%" becomes "%%", because the value is
// itself read as an escaped string before the command is split.
std::string ExecValue(std::string_view executable) {
    std::string quoted = "\"";
    for (const char c : executable) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        quoted += c;
    }
    quoted += "\" ";
    quoted += kAutostartArgument;

    std::string value;
    for (const char c : quoted) {
        if (c == '\\') value += '\\';
        if (c == '%') value += '%';
        value += c;
    }
    return value;
}

}  // namespace

std::string AutostartFolder(std::string_view configHome, std::string_view home) {
    std::string folder;
    if (!configHome.empty() && configHome.front() == '/') {
        folder = configHome;
    } else {
        folder = home;
        folder += "/.config";
    }
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    if (folder != "/") folder += '/';
    folder += "autostart";
    return folder;
}

std::optional<std::string> AutostartEntryText(std::string_view executable) {
    if (executable.empty() || executable.front() != '/') return std::nullopt;
    for (const char c : executable) {
        if (static_cast<unsigned char>(c) < ' ' || c == '\x7f') return std::nullopt;
    }
    std::string text = "[Desktop Entry]\n";
    text += "Type=Application\n";
    text += "Name=Quillix\n";
    text += "Comment=Programmable scientific and financial calculator\n";
    text += "Exec=" + ExecValue(executable) + "\n";
    text += "Icon=" QUILLIX_APP_ID "\n";  // the installed icon's name
    text += "Terminal=false\n";
    text += "X-GNOME-Autostart-enabled=true\n";
    return text;
}

}  // namespace quillix
