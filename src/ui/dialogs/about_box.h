// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TAboutBox: the program's name, version and web site; the site's address
// opens in the browser when clicked.

#include <QDialog>

class QLabel;
class QPushButton;

namespace quillix {

class TAboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QLabel* VersionLine() const { return version_; }
    QLabel* WebSiteLink() const { return webSite_; }
    QPushButton* OkButton() const { return ok_; }

  private:
    QLabel* version_ = nullptr;
    QLabel* webSite_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace quillix
