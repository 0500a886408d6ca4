// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/start_options.h"

#include "common/text_compare.h"

namespace quillix {

TStartOptions ParseStartOptions(const std::vector<std::string>& args) {
    TStartOptions options;
    // The auto-start entry writes "Auto" as the first argument.
    options.StartHidden = !args.empty() && EqualsIgnoreAsciiCase(args.front(), "AUTO");
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.ShowHelp = true;
        } else if (arg == "--version") {
            options.ShowVersion = true;
        } else if (arg == "--home") {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                options.Error = "--home needs a folder";
                return options;
            }
            options.Home = args[++i];
        } else if (arg.rfind("--home=", 0) == 0) {
            options.Home = arg.substr(7);
        }
        // Anything else ("Auto", "-debug", what a desktop launcher adds) is
        // read elsewhere or ignored, as a desktop program should.
    }
    return options;
}

std::string StartUsageText() {
    return "usage: quillix [--home DIR] [Auto] [-debug]\n\n"
           "  --home DIR   the home folder (settings, libraries, skins)\n"
           "  Auto         start hidden in the notification area (minimised without one)\n"
           "  -debug       write the diagnostic log HHDebug.txt\n"
           "  --help       this text\n"
           "  --version    the program's version\n";
}

}  // namespace quillix
