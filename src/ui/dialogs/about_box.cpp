// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/about_box.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/version_text.h"
#include "dialogs/dialog_buttons.h"
#include "launchers.h"
#include "platform/app_icon.h"
#include "platform/browser.h"
#include "platform/dialog_driver.h"

namespace quillix {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About"));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout();
    auto* icon = new QLabel(this);
    const int iconSize = fontMetrics().height() * 4;
    icon->setPixmap(ApplicationIcon().pixmap(iconSize, iconSize));
    icon->setAlignment(Qt::AlignTop);
    top->addWidget(icon);

    auto* lines = new QGridLayout();
    lines->addWidget(new QLabel(QStringLiteral("Quillix Programmable Calculator"), this), 0, 0, 1,
                     2);
    version_ = new QLabel(QStringLiteral("Version"), this);
    version_->setText(version_->text() + QStringLiteral(":") +
                      QString::fromStdString(VersionText(QUILLIX_VERSION)));
    lines->addWidget(version_, 1, 0, 1, 2);
    auto* webSiteLabel = new QLabel(QStringLiteral("Website:"), this);
    webSite_ = new QLabel(QString::fromLatin1(kWebSiteAddress), this);
    webSite_->setCursor(Qt::PointingHandCursor);
    webSite_->setFocusPolicy(Qt::StrongFocus);
    webSite_->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    webSite_->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(kWebSiteAddress));
    webSiteLabel->setBuddy(webSite_);
    connect(webSite_, &QLabel::linkActivated, this,
            [](const QString& address) { OpenInBrowser(address); });
    lines->addWidget(webSiteLabel, 2, 0);
    lines->addWidget(webSite_, 2, 1);
    top->addLayout(lines, 1);
    layout->addLayout(top);

    const TDialogButtons buttons = AddDialogButtons(*this, QStringLiteral("OK"), QString());
    ok_ = buttons.Ok;
    layout->addWidget(buttons.Box);
}

void RunAbout(QWidget* parent) {
    TAboutBox box(parent);
    ExecDialog(box);
}

}  // namespace quillix
