// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One running Quillix per user. The first start listens on a local socket
// named after "CalcMutex01" and the user; a later start connects, sends 1927
// and ends without a window, and the first start raises itself. A socket left
// behind by a killed instance answers nobody and is taken over.

#include <QObject>
#include <QString>

class QLocalServer;

namespace quillix {

inline constexpr int kActivateMessage = 1927;

// The server name for this user.
QString SingleInstanceName();

class TSingleInstance : public QObject {
    Q_OBJECT
  public:
    explicit TSingleInstance(QString name = SingleInstanceName(), QObject* parent = nullptr);
    ~TSingleInstance() override;

    // True when this process is the first: it now listens. False when another
    // instance answered; it has been sent the activation message.
    bool Claim();

  signals:
    // Another start asked this instance to show itself.
    void activateRequested();

  private:
    bool TellRunningInstance() const;
    void ReadMessages();

    QString name_;
    QLocalServer* server_ = nullptr;
};

}  // namespace quillix
