// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/help_window.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QSplitter>
#include <QTextBrowser>
#include <QWhatsThis>

#include "platform/help_topics.h"

namespace quillix {

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Quillix Help"));
    auto* splitter = new QSplitter(this);
    index_ = new QListWidget(splitter);
    index_->setAccessibleName(QStringLiteral("Help topics"));
    browser_ = new QTextBrowser(splitter);
    browser_->setAccessibleName(QStringLiteral("Help page"));
    browser_->setOpenLinks(false);
    for (int topic : HelpTopics()) {
        auto* item = new QListWidgetItem(HelpTopicTitle(topic), index_);
        item->setData(Qt::UserRole, topic);
    }
    splitter->setStretchFactor(1, 3);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);
    connect(index_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item) ShowTopic(item->data(Qt::UserRole).toInt());
    });
    connect(browser_, &QTextBrowser::anchorClicked, this, &THelpWindow::OpenLink);
    resize(760, 520);
}

void THelpWindow::ShowTopic(int context) {
    current_ = context;
    browser_->setHtml(HelpPageHtml(context));
    for (int row = 0; row < index_->count(); ++row) {
        if (index_->item(row)->data(Qt::UserRole).toInt() == context) {
            const QSignalBlocker block(index_);
            index_->setCurrentRow(row);
            break;
        }
    }
}

void THelpWindow::OpenLink(const QUrl& url) {
    if (url.scheme() == QLatin1String("topic")) ShowTopic(url.path().toInt());
}

TQtHelpEngine::TQtHelpEngine() = default;
TQtHelpEngine::~TQtHelpEngine() = default;

int TQtHelpEngine::ShowTopic(const std::string&, int contextNumber) {
    if (!window_) window_ = std::make_unique<THelpWindow>();
    window_->ShowTopic(contextNumber);
    window_->show();
    window_->raise();
    window_->activateWindow();
    return 0;
}

void TQtHelpEngine::ShowTextPopup(const std::string&, int stringId, int x, int y) {
    lastPopupText_ = HelpPopupText(stringId);
    lastPopupPoint_ = QPoint(x, y);
    QWhatsThis::showText(lastPopupPoint_, lastPopupText_);
}

void TQtHelpEngine::CloseAll() {
    if (window_) window_->close();
}

}  // namespace quillix
