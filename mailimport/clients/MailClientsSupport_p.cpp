#include "mailimport/clients/MailClientsSupport_p.h"

#include "base/Errors.h"

#include <QFile>
#include <QTemporaryDir>

namespace Mail::Internal {

Q_LOGGING_CATEGORY(lcClients, "orvanta.mail.clients")

QString quotedCommaText(const QStringList &names)
{
    QStringList quoted;
    quoted.reserve(names.size());
    for (const QString &name : names)
        quoted << u'"' + QString(name).replace(u'"', QLatin1String("\"\"")) + u'"';
    return quoted.join(u',');
}

QByteArray readThroughTemporaryFile(const std::function<void(const QString &path)> &write)
{
    const QTemporaryDir dir;
    if (!dir.isValid()) {
        throw EOrvIoError(QCoreApplication::translate("Mail::Internal", "Nelze vytvořit dočasný soubor pro přílohu."),
                          QStringLiteral("temporary directory: %1").arg(dir.errorString()));
    }
    const QString path = dir.filePath(QStringLiteral("attachment"));
    write(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw EOrvIoError(QCoreApplication::translate("Mail::Internal", "Přílohu nelze přečíst."),
                          QStringLiteral("%1: %2").arg(path, file.errorString()));
    }
    return file.readAll();
}

void DownloadProblems::add(const EOrvError &error, const QString &where)
{
    qCWarning(lcClients).noquote() << where << "skipped:" << error.what() << error.detail();
    if (m_count++ == 0) {
        m_firstText = error.userText();
        m_firstDetail = where + QStringLiteral(": ") + error.detail();
    }
}

void DownloadProblems::throwIfAny() const
{
    if (m_count == 0)
        return;
    QString text = tr("Některé e-maily se nepodařilo načíst: %1").arg(m_firstText);
    if (m_count > 1)
        text += tr(" (počet dalších chyb: %1)").arg(m_count - 1);
    throw EOrvUserError(text, m_firstDetail);
}

} // namespace Mail::Internal
