#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QStringList>
#include <QTcpServer>
#include <QTimer>

// A small HTTP/1.0 server on 127.0.0.1 for the update tests. Answers each path from a
// queue of responses (the last one repeats), logs the requested paths and closes itself
// after a time limit so a hanging test cannot keep a port open.
class TestHttpServer : public QObject
{
    Q_OBJECT

public:
    struct Response
    {
        int status = 200;
        QByteArray body;
        bool drop = false; // close the connection without answering
        QByteArray location; // for redirects
    };

    explicit TestHttpServer(QObject *parent = nullptr);

    bool start();
    QString url(const QString &path) const;
    void setResponses(const QString &path, const QList<Response> &responses);
    void setBody(const QString &path, const QByteArray &body) { setResponses(path, {Response{200, body, false, {}}}); }
    QStringList requests() const { return m_requests; }
    int count(const QString &path) const { return m_requests.count(path); }
    void clearLog() { m_requests.clear(); }

private:
    void answer(QTcpSocket *socket);

    QTcpServer m_server;
    QTimer m_limit;
    QHash<QString, QList<Response>> m_responses;
    QStringList m_requests;
};

Q_DECLARE_METATYPE(TestHttpServer::Response)
