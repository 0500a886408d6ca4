// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TEditEx: the text part of the number field. Every way of pasting into it
// (the paste keys, the context menu, the middle button, dropping text) is
// turned into one notification, so that no text is inserted directly and the
// field can paste through its calculator instead.

#include <QLineEdit>

namespace quillix {

class TEditEx : public QLineEdit {
    Q_OBJECT
  public:
    explicit TEditEx(QWidget* parent = nullptr);

  signals:
    void pasteRequested();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace quillix
