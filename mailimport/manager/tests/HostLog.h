#pragma once

#include "platform/ipc/WindowMessages.h"

#include <QList>
#include <QMutex>
#include <QThread>

// Listens as a program's window (the host's "TFM_ContactMain" by default) in a thread of
// its own and records every message, so that a sender in the test's thread that waits for
// the answer is answered at once.
class HostLog
{
public:
    explicit HostLog(const QString &windowClass = QStringLiteral("TFM_ContactMain"))
    {
        m_thread.start();
        m_context.moveToThread(&m_thread);
        QMetaObject::invokeMethod(&m_context, [this, windowClass] {
            m_window = new Ipc::MessageWindow(&m_context);
            QObject::connect(m_window, &Ipc::MessageWindow::messageReceived, &m_context,
                             [this](const Ipc::WindowMessage &message) {
                                 QMutexLocker lock(&m_mutex);
                                 m_messages << message;
                             });
            m_listening = m_window->listen(windowClass);
        }, Qt::BlockingQueuedConnection);
    }

    ~HostLog()
    {
        QMetaObject::invokeMethod(&m_context, [this] { delete m_window; }, Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }

    bool listening() const { return m_listening; }

    QList<Ipc::WindowMessage> messages() const
    {
        QMutexLocker lock(&m_mutex);
        return m_messages;
    }

    int count(quint32 msg) const
    {
        int n = 0;
        for (const Ipc::WindowMessage &message : messages())
            n += message.msg == msg ? 1 : 0;
        return n;
    }

    void clear()
    {
        QMutexLocker lock(&m_mutex);
        m_messages.clear();
    }

private:
    QThread m_thread;
    QObject m_context;
    Ipc::MessageWindow *m_window = nullptr;
    bool m_listening = false;
    mutable QMutex m_mutex;
    QList<Ipc::WindowMessage> m_messages;
};
