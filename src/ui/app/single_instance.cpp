// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/single_instance.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QLocalServer>
#include <QLocalSocket>

namespace quillix {
namespace {

constexpr int kConnectTimeoutMs = 1000;

QByteArray ActivateText() {
    return QByteArray::number(kActivateMessage) + '\n';
}

// Whether the other end of a connected local socket runs as this user.
bool PeerIsThisUser(const QLocalSocket& socket) {
    ucred peer{};
    socklen_t size = sizeof peer;
    const auto fd = static_cast<int>(socket.socketDescriptor());
    return fd >= 0 && ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           size == sizeof peer && peer.uid == ::getuid();
}

}  // namespace

TInstanceSocketPlace SingleInstancePlace(const std::string& homeFolder) {
    return ChooseInstanceSocket(InstanceSocketFacts(homeFolder));
}

TSingleInstance::TSingleInstance(TInstanceSocketPlace place, QObject* parent)
    : QObject(parent), path_(QString::fromStdString(place.Path)) {
    QStringList notes;
    for (const std::string& note : place.Notes)
        notes << QString::fromStdString(note);
    problem_ = notes.join(QStringLiteral("; "));
    if (!path_.isEmpty()) problem_.clear();  // a note of a fallback that worked is no problem
}

TSingleInstance::~TSingleInstance() = default;

TSingleInstance::TAnswer TSingleInstance::TellRunningInstance() const {
    QLocalSocket socket;
    socket.connectToServer(path_);
    if (!socket.waitForConnected(kConnectTimeoutMs)) return TAnswer::Nobody;
    // Only an instance of this user is handed the start; anyone else listening
    // there is told nothing.
    if (!PeerIsThisUser(socket)) return TAnswer::Stranger;
    socket.write(ActivateText());
    socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    return TAnswer::Told;
}

bool TSingleInstance::RunUnguarded(const QString& why) {
    problem_ = QStringLiteral("Quillix runs without its single-instance guard: ") + why;
    return true;
}

std::optional<bool> TSingleInstance::AskRunningInstance() {
    switch (TellRunningInstance()) {
        case TAnswer::Told:
            return false;
        case TAnswer::Stranger:
            return RunUnguarded(QStringLiteral("another user listens at \"%1\"").arg(path_));
        case TAnswer::Nobody:
            break;
    }
    return std::nullopt;
}

bool TSingleInstance::Claim() {
    if (path_.isEmpty()) return RunUnguarded(problem_);
    if (const std::optional<bool> settled = AskRunningInstance()) return *settled;
    server_ = new QLocalServer(this);
    if (!server_->listen(path_)) {
        // Two starts at once: the other one may have just begun to listen.
        if (const std::optional<bool> settled = AskRunningInstance()) return *settled;
        // Nobody answers: the socket file (or whatever has the name) was left in
        // the private folder by an instance that died.
        QLocalServer::removeServer(path_);
        if (!server_->listen(path_)) return RunUnguarded(server_->errorString());
    }
    connect(server_, &QLocalServer::newConnection, this, &TSingleInstance::ReadMessages);
    return true;
}

void TSingleInstance::ReadMessages() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!PeerIsThisUser(*socket)) {
            socket->abort();  // only the same user may bring the window up
            socket->deleteLater();
            continue;
        }
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            while (socket->canReadLine()) {
                if (socket->readLine().trimmed() == ActivateText().trimmed())
                    emit activateRequested();
            }
        });
    }
}

}  // namespace quillix
