// SPDX-License-Identifier: GPL-3.0-or-later
// quillix: the desktop calculator. One instance per user; the first argument
// "Auto" starts it hidden in the notification area.
#include <QApplication>
#include <QDate>
#include <QLocale>
#include <QTime>
#include <cstdio>
#include <iostream>
#include <memory>

#include "app/single_instance.h"
#include "app/start_options.h"
#include "app/update_check.h"
#include "common/date_format.h"
#include "common/diag_note.h"
#include "common/home_folder.h"
#include "config/calc_config.h"
#include "diag/dlog_file.h"
#include "platform/app_home.h"
#include "platform/app_icon.h"
#include "platform/locale_formats.h"
#include "vars/library_call_runner.h"
#include "window/main_window.h"

namespace {

std::vector<std::string> Arguments(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

// The user's short date and long time formats, as the system locale has them.
void InstallLocaleFormats() {
    quillix::SetShortDateFormatter([](const quillix::CivilDate& date) {
        return QLocale::system()
            .toString(QDate(date.year, date.month, date.day), QLocale::ShortFormat)
            .toStdString();
    });
    quillix::SetLongTimeFormatter([](const std::tm& time) {
        const QLocale locale = QLocale::system();
        return locale
            .toString(QTime(time.tm_hour, time.tm_min, time.tm_sec),
                      quillix::LongTimeFormatWithoutZone(locale))
            .toStdString();
    });
}

}  // namespace

int main(int argc, char** argv) {
    const quillix::TStartOptions options = quillix::ParseStartOptions(Arguments(argc, argv));
    if (!options.Error.empty()) {
        std::cerr << "quillix: " << options.Error << "\n" << quillix::StartUsageText();
        return 2;
    }
    if (options.ShowHelp) {
        std::cout << quillix::StartUsageText();
        return 0;
    }
    if (options.ShowVersion) {
        std::cout << "quillix " << QUILLIX_VERSION << "\n";
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillix"));
    QApplication::setApplicationVersion(QStringLiteral(QUILLIX_VERSION));
    QApplication::setWindowIcon(quillix::ApplicationIcon());
    // Names the installed desktop entry, so that the desktop shows its icon.
    QApplication::setDesktopFileName(QStringLiteral(QUILLIX_APP_ID));
    // Hidden in the tray with every dialog closed, the program still runs.
    QApplication::setQuitOnLastWindowClosed(false);

    // One instance per user and home folder; the guard comes before anything
    // is read or written (a second start would delete the first one's log).
    const std::string home = quillix::ResolveHomeFolder(options.Home);
    quillix::TSingleInstance instance(quillix::SingleInstancePlace(home));
    if (!instance.Claim()) return 0;

    // The first start of an installed program makes its private home; the
    // settings start at their defaults and are written there on the way out.
    std::string homeError;
    if (!quillix::CreateHomeFolder(home, &homeError)) std::cerr << "quillix: " << homeError << "\n";
    quillix::SetAppHomeFolder(home);
    InstallLocaleFormats();
    quillix::TCalcConfig settings(quillix::SettingsFilePath(home));
    std::vector<std::string> commandLine(argv, argv + argc);
    quillix::TDLogStartup startup;
    startup.ModuleFolder = home;
    startup.CommandLine = commandLine;
    startup.Version = QUILLIX_VERSION;
    startup.HelpEngine.Installed = true;
    startup.HelpEngine.Version = qVersion();
    startup.HelpEngine.FriendlyName = "Qt help window";
    quillix::TDLogFile log(startup);
    quillix::SetDiagNoteReceiver([&log](std::string_view line) { log.LogLine(line); });
    if (!instance.Problem().isEmpty()) quillix::DiagNote(instance.Problem().toStdString());
    quillix::TLibraryCallRunner runner;

    quillix::Tfrm_main window(log);
    QObject::connect(&instance, &quillix::TSingleInstance::activateRequested, &window,
                     &quillix::Tfrm_main::ActivateFromOutside);
    window.OpenLastProgramAtStart();
    window.ShowAtStart(options.StartHidden);
    window.OfferRecovery();
    // After the window is up, so that a slow service never delays the start.
    quillix::StartUpdateCheck(&window);
    const int status = app.exec();
    quillix::SetDiagNoteReceiver({});
    return status;
}
