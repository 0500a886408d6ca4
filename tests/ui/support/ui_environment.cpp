// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ui_environment.h"

#include "common/date_format.h"
#include "model/value_format.h"
#include "platform/app_home.h"

namespace quillix::test {

namespace {

std::optional<QByteArray> Saved(const char* name) {
    if (!qEnvironmentVariableIsSet(name)) return std::nullopt;
    return qgetenv(name);
}

void Restore(const char* name, const std::optional<QByteArray>& value) {
    if (value)
        qputenv(name, *value);
    else
        qunsetenv(name);
}

}  // namespace

TUiEnvironment::TUiEnvironment(const std::string& settingsText)
    : savedFormat_(ValueFormatSettings()),
      savedHome_(Saved("HOME")),
      savedDataHome_(Saved("XDG_DATA_HOME")) {
    home_.MakeDir("desktop/data");
    qputenv("HOME", QByteArray::fromStdString(home_.File("desktop")));
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(DataHome()));
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
    Restore("HOME", savedHome_);
    Restore("XDG_DATA_HOME", savedDataHome_);
}

void TUiEnvironment::ReloadLibraries() {
    libraries_->Functions().Scan();
    libraries_->Programs().Scan();
}

}  // namespace quillix::test
