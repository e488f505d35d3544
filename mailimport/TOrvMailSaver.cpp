#include "mailimport/TOrvMailSaver.h"

#include "mailimport/TOrvMailClient.h"
#include "mailimport/TOrvMailContact.h"

#include "base/CommaText.h"
#include "base/MessageService.h"

#include <QDir>
#include <QFileInfo>

namespace Mail {

TOrvMailSaver::TOrvMailSaver(TOrvMailContact &contact, TOrvMailClient *client,
                             const TOrvContactInfo &context)
    : m_contact(contact)
    , m_client(client)
    , m_context(context)
{
}

TOrvMailSaver::Result TOrvMailSaver::saveMessage(TOrvMail &mail, const QStringList &tickedAttachments)
{
    Result result;
    // Without a firm or person open in the host nothing is stored, not even the files.
    if (!m_context.hasSubject() || !m_contact.Opened())
        return result;
    const SubjectKey subject{m_context.SubjectID, m_context.CPCX, m_context.CX};
    result.saved = m_contact.SaveEmail(m_context.ProfilID, m_context.DomName, mail, subject);

    const QString directory = m_contact.attachmentDirectory();
    if (!tickedAttachments.isEmpty() && m_client) {
        if (directory.isEmpty() || !QDir::isAbsolutePath(directory)) {
            result.failedAttachments = tickedAttachments;
            Orv::showMessage(tr("Upozornění"),
                             tr("Přílohy e-mailu nebyly uloženy, protože není nastaven adresář pro "
                                "ukládané přílohy.\r\nNastavte jej v nastavení programu."),
                             Orv::MsgIcon::Warning);
        } else {
            QStringList failures;
            for (const QString &name : tickedAttachments) {
                const QString memo = TOrvMailContact::DocumentMemo(mail);
                QString reason;
                const QString path = m_client->SaveAttachment(mail, name, directory, &reason);
                if (path.isEmpty()) {
                    result.failedAttachments << name;
                    failures << QStringLiteral("%1: %2").arg(name, reason);
                    continue;
                }
                // The description is the name the file really got, so that the document
                // points at it and a second save of the same file finds it stored.
                m_contact.SaveDocument(m_context.ProfilID, m_context.DomName, memo, path,
                                       QFileInfo(path).fileName(), subject);
                result.documents << path;
            }
            if (!failures.isEmpty()) {
                Orv::showMessage(tr("Upozornění"),
                                 tr("Následující přílohy e-mailu se nepodařilo uložit:\r\n")
                                     + failures.join(QLatin1String("\r\n")),
                                 Orv::MsgIcon::Warning);
            }
        }
    }

    if (m_client)
        m_client->LoadDetail(mail);
    m_contact.LoadDatabaseState(mail);
    return result;
}

bool TOrvMailSaver::saveAddress(const TOrvMail &mail)
{
    const QString address = mail.address().trimmed().toLower();
    if (!m_context.hasSubject() || address.isEmpty())
        return false;
    const SubjectKey subject{m_context.SubjectID, m_context.CPCX, m_context.CX};
    const std::optional<QString> existing = m_contact.GetSubjectAddresses(subject);
    if (!existing)
        return false;

    bool known = false;
    for (const QString &item : Orv::fromCommaText(*existing))
        known = known || item.trimmed().toLower() == address;
    if (known) {
        Orv::showMessage(tr("Upozornění"),
                         tr("U vybraného subjektu v Velmora\r\njiž e-mailová adresa \"%1\" existuje.").arg(address),
                         Orv::MsgIcon::Warning);
        return false;
    }
    const Orv::MsgButton answer =
        Orv::showMessage(tr("Uložit e-mailovou adresu k vybranému subjektu v Velmora ?"),
                         tr("Přejete si uložit e-mailovou adresu \"%1\" \r\nk vybranému subjektu v Velmora ?").arg(address),
                         Orv::MsgIcon::Question, Orv::MsgButtons::YesNo);
    if (answer != Orv::MsgButton::Yes)
        return false;
    return m_contact.SaveAddress(m_context.ProfilID, m_context.DomName, address, subject);
}

} // namespace Mail
