#include "mailimport/TOrvMailAction.h"

#include "base/Errors.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QMutexLocker>

namespace Mail {

Q_LOGGING_CATEGORY(lcAction, "orvanta.mail.action")

TOrvMailAction::TOrvMailAction(QObject *parent)
    : QThread(parent)
{
}

TOrvMailAction::~TOrvMailAction()
{
    requestInterruption();
    wait();
}

QString TOrvMailAction::Status() const
{
    QMutexLocker lock(&m_mutex);
    return m_status;
}

QString TOrvMailAction::errorText() const
{
    QMutexLocker lock(&m_mutex);
    return m_errorText;
}

void TOrvMailAction::SetStatus(const QString &text)
{
    {
        QMutexLocker lock(&m_mutex);
        m_status = text;
    }
    emit statusChanged(text);
}

void TOrvMailAction::run()
{
    // Nothing may leave a thread by exception: turn it into the worker's last status.
    QString failure;
    try {
        Execute();
        return;
    } catch (const EOrvError &error) {
        qCWarning(lcAction) << metaObject()->className() << "failed:" << error.what() << error.detail();
        failure = error.userText();
    } catch (const std::exception &error) {
        qCWarning(lcAction) << metaObject()->className() << "failed:" << error.what();
        failure = QCoreApplication::translate("Mail::TOrvMailAction", "Při práci na pozadí došlo k chybě.");
    }
    {
        QMutexLocker lock(&m_mutex);
        m_errorText = failure;
    }
    SetStatus(failure);
}

} // namespace Mail
