// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tfrm_upgrade: tells the user that a newer version exists and offers its
// download page. Its check box writes "Online"/"CheckUpgrade" at every click,
// whichever button then closes the dialog.

#include <QDialog>
#include <QString>

class QCheckBox;
class QPushButton;

namespace quillix {

class Tfrm_upgrade : public QDialog {
    Q_OBJECT
  public:
    explicit Tfrm_upgrade(QWidget* parent = nullptr);

    void SetDownloadAddress(const QString& address) { downloadAddress_ = address; }
    const QString& DownloadAddress() const { return downloadAddress_; }

    QPushButton* DownloadButton() const { return download_; }
    QPushButton* CloseButton() const { return close_; }
    QCheckBox* CheckOnStartup() const { return checkOnStartup_; }

  private:
    void Download();

    QString downloadAddress_;
    QPushButton* download_ = nullptr;
    QPushButton* close_ = nullptr;
    QCheckBox* checkOnStartup_ = nullptr;
};

}  // namespace quillix
