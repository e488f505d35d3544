#pragma once

#include <QMutex>
#include <QString>
#include <QThread>

namespace Mail {

// Base of every worker of the mail import program (downloaders, automatic import, link
// reloader). Created not started; the mail manager owns it (no parent: it is a thread),
// starts it when its turn comes and ends it with requestInterruption() + wait().
//
// Execute() runs in the worker thread. It polls Terminated() between messages. An
// exception ends the worker: its user text becomes the last status and errorText(), and
// finished() still comes, so the manager's queue goes on.
// statusChanged() is emitted from the worker; connected to an object of the main thread it
// is delivered there (queued), so the worker never waits for the main thread.
class TOrvMailAction : public QThread
{
    Q_OBJECT

public:
    explicit TOrvMailAction(QObject *parent = nullptr);
    ~TOrvMailAction() override;

    QString Status() const;
    QString errorText() const;      // empty unless Execute() threw

signals:
    void statusChanged(const QString &text);

protected:
    virtual void Execute() = 0;
    // Stores the text and reports it (the OnStatus of the system).
    void SetStatus(const QString &text);
    bool Terminated() const { return isInterruptionRequested(); }

private:
    void run() final;

    mutable QMutex m_mutex;
    QString m_status;
    QString m_errorText;
};

} // namespace Mail
