// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One running Quillix per user and home folder. The first start listens on a
// local socket named after "CalcMutex01" in a private folder of the user
// (instance_socket.h); a later start connects, makes sure that the one
// listening is the same user (SO_PEERCRED), sends 1927 and ends without a
// window, and the first start raises itself. A socket left behind by a killed
// instance answers nobody and is taken over. When the guard cannot be set up
// (no private folder, another user at the socket), the program starts all the
// same, unguarded, and Problem() says why, for the diagnostic log.

#include <QObject>
#include <QString>
#include <optional>

#include "app/instance_socket.h"

class QLocalServer;

namespace quillix {

inline constexpr int kActivateMessage = 1927;

// The socket's place for this user and home folder.
TInstanceSocketPlace SingleInstancePlace(const std::string& homeFolder);

class TSingleInstance : public QObject {
    Q_OBJECT
  public:
    explicit TSingleInstance(TInstanceSocketPlace place, QObject* parent = nullptr);
    ~TSingleInstance() override;

    // True when this process is to run: it now listens, or runs unguarded (see
    // Problem). False when an instance of the same user answered; it has been
    // sent the activation message.
    bool Claim();
    // Why this process runs without the guard; empty while it is guarded.
    const QString& Problem() const { return problem_; }
    const QString& Path() const { return path_; }

  signals:
    // Another start of the same user asked this instance to show itself.
    void activateRequested();

  private:
    enum class TAnswer { Told, Nobody, Stranger };
    TAnswer TellRunningInstance() const;
    // Whether this process runs, once a listener answered: false when it was an
    // instance of this user (told to show itself), true (unguarded) for a
    // stranger; none when nobody answered.
    std::optional<bool> AskRunningInstance();
    bool RunUnguarded(const QString& why);
    void ReadMessages();

    QString path_;
    QString problem_;
    QLocalServer* server_ = nullptr;
};

}  // namespace quillix
