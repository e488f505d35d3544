#include "base/MessageService.h"

#include <QMutex>
#include <QMutexLocker>
#include <QQueue>

#include <vector>

namespace Orv {

namespace {

QMutex s_serviceMutex;
std::unique_ptr<MessageService> s_service;
// Replaced services stay alive until exit: another thread may still be inside their ask().
std::vector<std::unique_ptr<MessageService>> s_retired;

MsgButton defaultButtonOf(const MessageRequest &request)
{
    const QList<MsgButton> buttons = buttonsOf(request.buttons);
    return buttons.contains(request.defaultButton) ? request.defaultButton : buttons.first();
}

// A headless "--yes" or "no" must still be a button of the box, or the caller would read an
// OK/Cancel box answered "Yes" as neither.
MsgButton fallbackAnswer(MsgButton fallback, const MessageRequest &request)
{
    const QList<MsgButton> buttons = buttonsOf(request.buttons);
    if (buttons.contains(fallback))
        return fallback;
    if (fallback == MsgButton::Yes && buttons.contains(MsgButton::Ok))
        return MsgButton::Ok;
    if (fallback == MsgButton::No) {
        if (buttons.contains(MsgButton::Cancel))
            return MsgButton::Cancel;
        if (buttons.contains(MsgButton::Abort))
            return MsgButton::Abort;
    }
    return defaultButtonOf(request);
}

} // namespace

QList<MsgButton> buttonsOf(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::Ok:
        return {MsgButton::Ok};
    case MsgButtons::OkCancel:
        return {MsgButton::Ok, MsgButton::Cancel};
    case MsgButtons::YesNo:
        return {MsgButton::Yes, MsgButton::No};
    case MsgButtons::YesNoCancel:
        return {MsgButton::Yes, MsgButton::No, MsgButton::Cancel};
    case MsgButtons::AbortRetryIgnore:
        return {MsgButton::Abort, MsgButton::Retry, MsgButton::Ignore};
    case MsgButtons::RetryCancel:
        return {MsgButton::Retry, MsgButton::Cancel};
    }
    return {MsgButton::Ok};
}

MessageService &MessageService::instance()
{
    QMutexLocker lock(&s_serviceMutex);
    if (!s_service)
        s_service = std::make_unique<ScriptedMessageService>();
    return *s_service;
}

void MessageService::install(std::unique_ptr<MessageService> service)
{
    QMutexLocker lock(&s_serviceMutex);
    if (s_service)
        s_retired.push_back(std::move(s_service));
    s_service = std::move(service);
}

MsgButton showMessage(const QString &caption, const QString &text, MsgIcon icon, MsgButtons buttons,
                      MsgButton defaultButton)
{
    return MessageService::instance().ask({caption, text, icon, buttons, defaultButton});
}

void showError(const QString &text)
{
    showMessage(QStringLiteral("Chyba"), text, MsgIcon::Error);
}

struct ScriptedMessageService::Private
{
    mutable QMutex mutex;
    MsgButton fallback = MsgButton::None;
    QQueue<MsgButton> answers;
    QList<MessageRequest> requests;
    std::function<void(const MessageRequest &, MsgButton)> echo;
};

ScriptedMessageService::ScriptedMessageService(MsgButton fallback)
    : d(std::make_shared<Private>())
{
    d->fallback = fallback;
}

void ScriptedMessageService::enqueue(MsgButton answer)
{
    QMutexLocker lock(&d->mutex);
    d->answers.enqueue(answer);
}

MsgButton ScriptedMessageService::ask(const MessageRequest &request)
{
    MsgButton answer;
    std::function<void(const MessageRequest &, MsgButton)> echo;
    {
        QMutexLocker lock(&d->mutex);
        d->requests.append(request);
        if (!d->answers.isEmpty())
            answer = d->answers.dequeue();
        else if (d->fallback != MsgButton::None)
            answer = fallbackAnswer(d->fallback, request);
        else
            answer = defaultButtonOf(request);
        echo = d->echo;
    }
    if (echo)
        echo(request, answer);
    return answer;
}

QList<MessageRequest> ScriptedMessageService::requests() const
{
    QMutexLocker lock(&d->mutex);
    return d->requests;
}

void ScriptedMessageService::setEcho(std::function<void(const MessageRequest &, MsgButton)> echo)
{
    QMutexLocker lock(&d->mutex);
    d->echo = std::move(echo);
}

} // namespace Orv
