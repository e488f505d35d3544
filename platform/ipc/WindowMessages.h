#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalSocket;

namespace Ipc {

// A window message between the programs of one user: the Linux stand-in for finding a
// window by its class name and sending or posting it a message. A "window" is a per-user
// local socket named after the class (TFM_ContactMain, TFM_MailImportMain) in the program
// directory; the wire format is one ASCII line "msg wParam lParam\n" and a sent message
// is answered with the line "0\n".
struct WindowMessage
{
    quint32 msg = 0;
    qint64 wParam = 0;
    qint64 lParam = 0;

    QByteArray toLine() const;
    static bool fromLine(const QByteArray &line, WindowMessage *message);
    bool operator==(const WindowMessage &) const = default;
};

// The socket path that stands for the window of that class.
QString windowPath(const QString &windowClass);

// True when a window of that class listens.
bool findWindow(const QString &windowClass);
// Delivers the message and waits (about `timeoutMs`) for the reply; false when no window
// listens or it did not answer. Nothing is sent when there is no listener, as on Windows.
bool sendMessage(const QString &windowClass, const WindowMessage &message, int timeoutMs = 2000);
// Delivers the message without waiting for the reply.
bool postMessage(const QString &windowClass, const WindowMessage &message);

// The receiving side: listens under a window class and emits every message it receives,
// then answers "0". Lives in the thread that created it (the GUI thread of a program).
class MessageWindow : public QObject
{
    Q_OBJECT
public:
    explicit MessageWindow(QObject *parent = nullptr);
    ~MessageWindow() override;

    // False when another live window of that class listens already, or the socket cannot
    // be created; `errorString()` says why.
    bool listen(const QString &windowClass);
    QString errorString() const;

signals:
    void messageReceived(const Ipc::WindowMessage &message);

private:
    void readFrom(QLocalSocket *socket);

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace Ipc

Q_DECLARE_METATYPE(Ipc::WindowMessage)
