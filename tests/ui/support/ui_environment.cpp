// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ui_environment.h"

#include "app/app_home.h"
#include "common/date_format.h"
#include "model/value_format.h"

namespace quillix::test {

TUiEnvironment::TUiEnvironment(const std::string& settingsText)
    : savedFormat_(ValueFormatSettings()) {
    SetAppHomeFolder(home_.Path());
    if (!settingsText.empty()) home_.Write("appmain.ini", settingsText);
    settings_ = std::make_unique<TCalcConfig>(SettingsFilePath(home_.Path()));
    vars_ = std::make_unique<TCalcVars>();
    libraries_ = std::make_unique<TUserLibraries>(home_.Path());
    SetShortDateFormatter([](const CivilDate& date) { return FormatIsoDate(date); });
}

TUiEnvironment::~TUiEnvironment() {
    libraries_.reset();
    vars_.reset();
    settings_.reset();
    ValueFormatSettings() = savedFormat_;
    SetShortDateFormatter({});
    SetAppHomeFolder({});
}

void TUiEnvironment::ReloadLibraries() {
    libraries_->Functions().Scan();
    libraries_->Programs().Scan();
}

}  // namespace quillix::test
