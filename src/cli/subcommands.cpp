#include "subcommands.h"

namespace quillix::cli {

namespace {

// Entry points, one per cmd_<name>.cpp.

const Subcommand kSubcommands[] = {
    {nullptr, nullptr, nullptr},
};

}  // namespace

std::span<const Subcommand> Subcommands() {
    std::span<const Subcommand> all(kSubcommands);
    return all.first(all.size() - 1);  // without the end marker
}

}  // namespace quillix::cli
