// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/upgrade_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/settings_table.h"
#include "platform/browser.h"

namespace quillix {

Tfrm_upgrade::Tfrm_upgrade(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Upgrade"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("New version found!"), this));
    layout->addWidget(new QLabel(QStringLiteral("Do you wish to update at this time?"), this));

    checkOnStartup_ = new QCheckBox(QStringLiteral("Check online updates on startup"), this);
    checkOnStartup_->setChecked(ConfigorIntf &&
                                ReadBoolSetting(*ConfigorIntf, TSetting::OnlineCheckUpgrade));
    connect(checkOnStartup_, &QCheckBox::clicked, this, [](bool checked) {
        if (ConfigorIntf) WriteBoolSetting(*ConfigorIntf, TSetting::OnlineCheckUpgrade, checked);
    });
    layout->addWidget(checkOnStartup_);

    auto* buttons = new QDialogButtonBox(this);
    download_ = buttons->addButton(QStringLiteral("&Download"), QDialogButtonBox::AcceptRole);
    close_ = buttons->addButton(QStringLiteral("&Close"), QDialogButtonBox::RejectRole);
    download_->setDefault(true);
    connect(download_, &QPushButton::clicked, this, &Tfrm_upgrade::Download);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void Tfrm_upgrade::Download() {
    OpenInBrowser(downloadAddress_);
    accept();
}

}  // namespace quillix
