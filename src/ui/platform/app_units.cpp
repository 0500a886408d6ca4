// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/app_units.h"

#include <memory>
#include <string>

#include "convert/custom_units.h"
#include "platform/app_home.h"

namespace quillix {
namespace {

struct TAppUnits {
    explicit TAppUnits(std::string homeFolder)
        : home(std::move(homeFolder)), custom(registry, CustomUnitsPath(home)) {
        RegisterAllUnits(registry, custom);
    }
    std::string home;
    TConvRegistry registry;
    TCustomUnits custom;
};

TAppUnits& Units() {
    static std::unique_ptr<TAppUnits> units;
    if (!units || units->home != AppHomeFolder())
        units = std::make_unique<TAppUnits>(AppHomeFolder());
    return *units;
}

}  // namespace

TConvRegistry& AppConvRegistry() {
    return Units().registry;
}

TCustomUnits& AppCustomUnits() {
    return Units().custom;
}

}  // namespace quillix
