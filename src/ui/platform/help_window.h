// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The in-app help: a window with the index of every topic and the page of the
// chosen one, and the help engine the help hook calls (topics by context
// number, text pop-ups).

#include <QWidget>
#include <memory>

#include "diag/hook_help_system.h"

class QListWidget;
class QTextBrowser;

namespace quillix {

class THelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit THelpWindow(QWidget* parent = nullptr);
    void ShowTopic(int context);
    int CurrentTopic() const { return current_; }
    QTextBrowser* Browser() const { return browser_; }

  private:
    void OpenLink(const QUrl& url);

    QListWidget* index_ = nullptr;
    QTextBrowser* browser_ = nullptr;
    int current_ = 0;
};

class TQtHelpEngine final : public IHelpEngine {
  public:
    TQtHelpEngine();
    ~TQtHelpEngine() override;
    int ShowTopic(const std::string& helpAddress, int contextNumber) override;
    void ShowTextPopup(const std::string& textTopic, int stringId, int x, int y) override;
    void CloseAll() override;
    // The window, once a topic was shown.
    THelpWindow* Window() const { return window_.get(); }
    // The text of the last pop-up and where it showed.
    const QString& LastPopupText() const { return lastPopupText_; }
    QPoint LastPopupPoint() const { return lastPopupPoint_; }

  private:
    std::unique_ptr<THelpWindow> window_;
    QString lastPopupText_;
    QPoint lastPopupPoint_;
};

}  // namespace quillix
