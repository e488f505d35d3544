#include "base/WidgetMessageService.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>

#include <utility>

namespace Orv {

namespace {

struct ButtonInfo
{
    MsgButton button;
    QMessageBox::StandardButton standard;
    const char *text;
};

constexpr ButtonInfo Buttons[] = {
    {MsgButton::Ok, QMessageBox::Ok, QT_TRANSLATE_NOOP("Orv::WidgetMessageService", "OK")},
    {MsgButton::Cancel, QMessageBox::Cancel, QT_TRANSLATE_NOOP("Orv::WidgetMessageService", "Storno")},
    {MsgButton::Yes, QMessageBox::Yes, QT_TRANSLATE_NOOP("Orv::WidgetMessageService", "Ano")},
    {MsgButton::No, QMessageBox::No, QT_TRANSLATE_NOOP("Orv::WidgetMessageService", "Ne")},
    {MsgButton::Abort, QMessageBox::Abort, QT_TRANSLATE_NOOP("Orv::WidgetMessageService", "Přerušit")},
    {MsgButton::Retry, QMessageBox::Retry, QT_TRANSLATE_NOOP("Orv::WidgetMessageService", "Opakovat")},
    {MsgButton::Ignore, QMessageBox::Ignore, QT_TRANSLATE_NOOP("Orv::WidgetMessageService", "Ignorovat")},
};

const ButtonInfo &infoOf(MsgButton button)
{
    for (const ButtonInfo &info : Buttons) {
        if (info.button == button)
            return info;
    }
    return Buttons[0];
}

QMessageBox::Icon iconOf(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::None:
        return QMessageBox::NoIcon;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Warning:
        return QMessageBox::Warning;
    case MsgIcon::Error:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

MsgButton showBox(const MessageRequest &request)
{
    const QList<MsgButton> buttons = buttonsOf(request.buttons);
    QMessageBox box(iconOf(request.icon), request.caption, request.text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    for (const MsgButton button : buttons) {
        const ButtonInfo &info = infoOf(button);
        box.addButton(info.standard)->setText(QCoreApplication::translate("Orv::WidgetMessageService", info.text));
    }
    const MsgButton defaultButton = buttons.contains(request.defaultButton) ? request.defaultButton : buttons.first();
    box.setDefaultButton(infoOf(defaultButton).standard);
    box.exec();
    // Closing the box without a button (Esc, the title bar) counts as its escape button.
    const auto clicked = static_cast<QMessageBox::StandardButton>(box.standardButton(box.clickedButton()));
    for (const MsgButton button : buttons) {
        if (infoOf(button).standard == clicked)
            return button;
    }
    return buttons.contains(MsgButton::Cancel) ? MsgButton::Cancel : buttons.last();
}

} // namespace

MsgButton WidgetMessageService::ask(const MessageRequest &request)
{
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (!app) {
        // Without a QApplication no box can be shown; answer as an unattended run would.
        qWarning().noquote() << "No QApplication for message box:" << request.caption << request.text;
        return ScriptedMessageService().ask(request);
    }
    if (QThread::currentThread() == app->thread())
        return showBox(request);
    MsgButton answer = MsgButton::None;
    QMetaObject::invokeMethod(app, [&] { answer = showBox(request); }, Qt::BlockingQueuedConnection);
    return answer;
}

} // namespace Orv
