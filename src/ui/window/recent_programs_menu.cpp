// SPDX-License-Identifier: GPL-3.0-or-later
// File › Recent Programs, and the last program opened again at start.
#include <QAction>
#include <QMenu>

#include "config/settings_table.h"
#include "keypad/keypad_frame.h"
#include "vars/recent_programs.h"
#include "window/main_window.h"

namespace quillix {

void Tfrm_main::FillRecentProgramsMenu() {
    recentMenu_->clear();
    const std::vector<std::string> names =
        ConfigorIntf ? RecentPrograms(*ConfigorIntf) : std::vector<std::string>{};
    for (std::size_t index = 0; index < names.size(); ++index) {
        QAction* action = recentMenu_->addAction(
            QString::fromStdString(RecentProgramCaption(index, names[index])));
        connect(action, &QAction::triggered, this, [this, name = names[index]] {
            const TKeypadModalScope modal(&keypad_->Keypad());
            documentCommands_->OpenRecentDocument(name);
        });
    }
    if (names.empty()) recentMenu_->addAction(QStringLiteral("(none)"))->setEnabled(false);
}

void Tfrm_main::OpenLastProgramAtStart() {
    if (ConfigorIntf && ReadBoolSetting(*ConfigorIntf, TSetting::MainOpenLastProgram))
        documentCommands_->OpenLastDocument();
}

}  // namespace quillix
