#include "base/Guarded.h"

#include "base/BaseLog_p.h"
#include "base/Errors.h"
#include "base/MessageService.h"

#include <QCoreApplication>

namespace Orv {

namespace {

using Internal::lcBase;

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(Orv::Guarded)
};

void showInBox(const QString &userText)
{
    MessageService::instance().ask({Tr::tr("Chyba"), userText, MsgIcon::Error, MsgButtons::Ok, MsgButton::None});
}

} // namespace

bool guarded(const std::function<void()> &body)
{
    return guarded(body, showInBox);
}

bool guarded(const std::function<void()> &body, const std::function<void(const QString &userText)> &report)
{
    QString userText;
    try {
        body();
        return true;
    } catch (const EOrvError &error) {
        qCWarning(lcBase).noquote() << "Error:" << error.userText() << "|" << error.detail();
        userText = error.userText();
    } catch (const std::exception &error) {
        qCWarning(lcBase).noquote() << "Unexpected exception:" << error.what();
    } catch (...) {
        qCWarning(lcBase) << "Unexpected exception of unknown type";
    }
    if (userText.isEmpty())
        userText = Tr::tr("Nastala neočekávaná chyba.");
    // The report is the last line of defence at a boundary, so it must not throw past it either.
    try {
        report(userText);
    } catch (...) {
        qCWarning(lcBase).noquote() << "Reporting the error failed:" << userText;
    }
    return false;
}

} // namespace Orv
