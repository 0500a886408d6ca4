// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/single_instance.h"

#include <unistd.h>

#include <QLocalServer>
#include <QLocalSocket>

namespace quillix {
namespace {

constexpr int kConnectTimeoutMs = 1000;

QByteArray ActivateText() {
    return QByteArray::number(kActivateMessage) + '\n';
}

}  // namespace

QString SingleInstanceName() {
    // A tag keeps test runs apart from the instance the user is working with.
    const QString tag = qEnvironmentVariable("QUILLIX_INSTANCE_TAG");
    QString name = QStringLiteral("CalcMutex01-%1").arg(::getuid());
    if (!tag.isEmpty()) name += QLatin1Char('-') + tag;
    return name;
}

TSingleInstance::TSingleInstance(QString name, QObject* parent)
    : QObject(parent), name_(std::move(name)) {}

TSingleInstance::~TSingleInstance() = default;

bool TSingleInstance::TellRunningInstance() const {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(kConnectTimeoutMs)) return false;
    socket.write(ActivateText());
    socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

bool TSingleInstance::Claim() {
    if (TellRunningInstance()) return false;
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name_)) {
        // Two starts at once: the other one may have just begun to listen.
        if (TellRunningInstance()) return false;
        // Nobody answers: the socket file was left by an instance that died.
        QLocalServer::removeServer(name_);
        if (!server_->listen(name_)) return true;  // run without the guard rather than vanish
    }
    connect(server_, &QLocalServer::newConnection, this, &TSingleInstance::ReadMessages);
    return true;
}

void TSingleInstance::ReadMessages() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            while (socket->canReadLine()) {
                if (socket->readLine().trimmed() == ActivateText().trimmed())
                    emit activateRequested();
            }
        });
    }
}

}  // namespace quillix
