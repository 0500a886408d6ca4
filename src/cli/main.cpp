// SPDX-License-Identifier: GPL-3.0-or-later
// quillix-cli: the calculator's engine, functions, programs and units on the
// command line. Parses the global options and hands over to a subcommand.

#include <exception>
#include <iostream>
#include <sstream>
#include <string>

#include "cli_context.h"
#include "common/home_folder.h"
#include "display_format.h"
#include "subcommands.h"

namespace quillix::cli {
namespace {

std::string UsageText() {
    std::ostringstream text;
    text << "usage: quillix-cli [--home DIR] [--fixed N] [--json] SUBCOMMAND ...\n\n"
         << "options:\n"
         << "  --home DIR   the program folder (settings, libraries, unitconv.ini)\n"
         << "  --fixed N    fixed display format with N decimals (0..18) for this run\n"
         << "  --json       print one JSON object instead of text\n"
         << "  --help       this text\n"
         << "  --version    the program's version\n"
         << "  --           the end of the options (quillix-cli eval -- -1)\n\n"
         << "subcommands:\n";
    for (const Subcommand& sub : Subcommands())
        text << "  " << sub.usage << "\n";
    text << "\n"
         << "exit status:\n"
         << "  0  success (table too when a cell holds an error value)\n"
         << "  1  the command failed (its message on stderr)\n"
         << "  1  call or eval gave an error value (with --json its VALUE is still printed)\n"
         << "  1  run gave an error value for an output\n"
         << "  1  solve found no solution (the reason and the best point on stderr)\n"
         << "  2  usage error\n";
    return text.str();
}

int ParseFixed(const std::string& text) {
    if (text.empty() || text.size() > 2 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        throw UsageError("--fixed takes a number of decimals from 0 to 18, not '" + text + "'");
    }
    const int digits = std::stoi(text);
    if (digits > 18) throw UsageError("--fixed takes a number of decimals from 0 to 18");
    return digits;
}

int Run(int argc, char** argv) {
    CliContext context;
    context.out = &std::cout;
    context.err = &std::cerr;
    std::optional<std::string> home;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << UsageText();
            return kExitOk;
        }
        if (arg == "--version") {
            std::cout << "quillix-cli " << QUILLIX_VERSION << "\n";
            return kExitOk;
        }
        if (arg == "--") {
            ++i;
            break;
        }
        if (arg == "--json") {
            context.json = true;
        } else if (arg == "--home" || arg == "--fixed") {
            if (i + 1 >= argc) throw UsageError(arg + " needs a value");
            const std::string value = argv[++i];
            if (arg == "--home")
                home = value;
            else
                context.fixed = ParseFixed(value);
        } else if (!arg.empty() && arg[0] == '-') {
            throw UsageError("unknown option '" + arg + "'");
        } else {
            break;
        }
    }
    if (i >= argc) throw UsageError("no subcommand given (see --help)");
    const std::string name = argv[i];
    context.home = ResolveHomeFolder(home);
    const Arguments args(argv + i + 1, argv + argc);
    for (const Subcommand& sub : Subcommands()) {
        if (name == sub.name) {
            ApplyDisplayFormat(context);
            ApplyDateFormat();
            return sub.run(context, args);
        }
    }
    throw UsageError("unknown subcommand '" + name + "' (see --help)");
}

}  // namespace
}  // namespace quillix::cli

int main(int argc, char** argv) {
    using namespace quillix::cli;
    try {
        return Run(argc, argv);
    } catch (const UsageError& e) {
        std::cerr << "quillix-cli: " << e.what() << "\n";
        return kExitUsage;
    } catch (const CommandFailed& e) {
        std::cerr << e.what() << "\n";
        return kExitFailed;
    } catch (const std::exception& e) {
        std::cerr << "quillix-cli: " << e.what() << "\n";
        return kExitFailed;
    }
}
