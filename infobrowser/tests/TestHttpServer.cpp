#include "TestHttpServer.h"

#include <QTcpSocket>

TestHttpServer::TestHttpServer(QObject *parent)
    : QObject(parent)
{
    m_limit.setSingleShot(true);
    m_limit.setInterval(120'000);
    connect(&m_limit, &QTimer::timeout, &m_server, &QTcpServer::close);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

bool TestHttpServer::start()
{
    m_limit.start();
    return m_server.listen(QHostAddress::LocalHost, 0);
}

QString TestHttpServer::url(const QString &path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
}

void TestHttpServer::setResponses(const QString &path, const QList<Response> &responses)
{
    m_responses.insert(path, responses);
}

void TestHttpServer::answer(QTcpSocket *socket)
{
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n"))
        return;
    const QList<QByteArray> requestLine = request.left(request.indexOf("\r\n")).split(' ');
    const QString path = QString::fromLatin1(requestLine.value(1));
    m_requests << path;

    QList<Response> &queue = m_responses[path];
    const Response response = queue.isEmpty() ? Response{404, "not found", false, {}}
                              : queue.size() == 1 ? queue.first() : queue.takeFirst();
    if (response.drop) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    QByteArray reply = "HTTP/1.0 " + QByteArray::number(response.status) + " Status\r\n"
                       + "Content-Type: text/plain\r\nContent-Length: " + QByteArray::number(response.body.size())
                       + "\r\nConnection: close\r\n";
    if (!response.location.isEmpty())
        reply += "Location: " + response.location + "\r\n";
    socket->write(reply + "\r\n" + response.body);
    socket->disconnectFromHost();
}
