#include "hostapi/FormPosition.h"

#include "hostapi/TContactRegistry.h"

#include "base/Guarded.h"

#include <QLoggingCategory>
#include <QWidget>

namespace Host {

namespace {

Q_LOGGING_CATEGORY(lcForms, "orvanta.host.forms")

QString formKey(const QWidget *form)
{
    return form->objectName().isEmpty() ? QString::fromLatin1(form->metaObject()->className()) : form->objectName();
}

} // namespace

bool loadFormPosition(QWidget *form)
{
    TContactRegistry registry;
    if (!registry.openKey(TContactRegistry::positionKey(formKey(form)), false))
        return false;
    return registry.ReadPositionCorrect(form);
}

void saveFormPosition(const QWidget *form)
{
    Orv::guarded(
        [form] {
            TContactRegistry registry;
            registry.OpenKeyPosition(formKey(form));
            registry.WritePosition(form);
            registry.CloseKey();
        },
        [](const QString &userText) { qCWarning(lcForms).noquote() << "Window position not saved:" << userText; });
}

} // namespace Host
