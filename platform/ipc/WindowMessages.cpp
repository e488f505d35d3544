#include "platform/ipc/WindowMessages.h"

#include "base/Paths.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

namespace Ipc {

namespace {

constexpr char ReplyLine[] = "0\n";

// Connects to the window of that class; nullptr when none listens.
std::unique_ptr<QLocalSocket> connectTo(const QString &windowClass, int timeoutMs)
{
    auto socket = std::make_unique<QLocalSocket>();
    socket->connectToServer(windowPath(windowClass));
    if (!socket->waitForConnected(timeoutMs))
        return nullptr;
    return socket;
}

bool deliver(QLocalSocket &socket, const WindowMessage &message, int timeoutMs)
{
    socket.write(message.toLine());
    return socket.waitForBytesWritten(timeoutMs);
}

} // namespace

QByteArray WindowMessage::toLine() const
{
    return QByteArray::number(msg) + ' ' + QByteArray::number(wParam) + ' ' + QByteArray::number(lParam) + '\n';
}

bool WindowMessage::fromLine(const QByteArray &line, WindowMessage *message)
{
    const QList<QByteArray> parts = line.trimmed().split(' ');
    if (parts.size() != 3)
        return false;
    bool okMsg = false, okW = false, okL = false;
    WindowMessage parsed;
    parsed.msg = parts[0].toUInt(&okMsg);
    parsed.wParam = parts[1].toLongLong(&okW);
    parsed.lParam = parts[2].toLongLong(&okL);
    if (!okMsg || !okW || !okL)
        return false;
    *message = parsed;
    return true;
}

QString windowPath(const QString &windowClass)
{
    return QDir(Orv::programDirectory()).filePath(QStringLiteral("window-") + windowClass);
}

bool findWindow(const QString &windowClass)
{
    return connectTo(windowClass, 500) != nullptr;
}

bool sendMessage(const QString &windowClass, const WindowMessage &message, int timeoutMs)
{
    auto socket = connectTo(windowClass, timeoutMs);
    if (!socket || !deliver(*socket, message, timeoutMs))
        return false;
    while (!socket->canReadLine()) {
        if (!socket->waitForReadyRead(timeoutMs))
            return false;
    }
    return socket->readLine() == ReplyLine;
}

bool postMessage(const QString &windowClass, const WindowMessage &message)
{
    auto socket = connectTo(windowClass, 500);
    if (!socket || !deliver(*socket, message, 500))
        return false;
    socket->disconnectFromServer();
    return true;
}

struct MessageWindow::Private
{
    QLocalServer server;
    QString error;
};

MessageWindow::MessageWindow(QObject *parent)
    : QObject(parent)
    , d(std::make_unique<Private>())
{
    connect(&d->server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = d->server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
            readFrom(socket);
        }
    });
}

MessageWindow::~MessageWindow() = default;

bool MessageWindow::listen(const QString &windowClass)
{
    if (findWindow(windowClass)) {
        d->error = QStringLiteral("a window of class %1 listens already").arg(windowClass);
        return false;
    }
    // A socket left by a program that died would block the name.
    const QString path = windowPath(windowClass);
    QLocalServer::removeServer(path);
    d->server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!d->server.listen(path)) {
        d->error = d->server.errorString();
        return false;
    }
    return true;
}

QString MessageWindow::errorString() const
{
    return d->error;
}

void MessageWindow::readFrom(QLocalSocket *socket)
{
    while (socket->canReadLine()) {
        WindowMessage message;
        if (WindowMessage::fromLine(socket->readLine(), &message))
            emit messageReceived(message);
        // A sender waits for the answer only after its handler ran, as SendMessage does.
        if (socket->state() == QLocalSocket::ConnectedState)
            socket->write(ReplyLine);
    }
}

} // namespace Ipc
