#include "mailimport/TOrvMailDownloader.h"

#include "mailimport/TOrvMailList.h"

#include "base/Clock.h"

#include <QCoreApplication>

namespace Mail {

TOrvMailDownloader::TOrvMailDownloader(std::shared_ptr<TOrvMailList> mails,
                                       const TOrvMailClientSettings &settings,
                                       const TOrvMailGlobalSettings &global)
    : m_mails(std::move(mails))
    , m_settings(settings.clone())
    , m_global(global)
{
    Q_ASSERT(m_mails);
}

TOrvMailDownloader::~TOrvMailDownloader() = default;

void TOrvMailDownloader::AddMail(TOrvMailDirection direction, const QString &uniqueId,
                                 const QDateTime &date, const QString &subject, const QString &from,
                                 const QString &to, bool hasAttach, qint32 messageNumber)
{
    auto mail = std::make_shared<TOrvMail>(direction, uniqueId, date, subject, from, to, hasAttach);
    mail->SetMessageNumber(messageNumber);
    const int count = m_mails->add(std::move(mail));
    if (count % 10 == 0) {
        SetStatus(QCoreApplication::translate("Mail::TOrvMailDownloader",
                                              "Probíhá načítaní e-mailů. Počet načtených e-mailů: ")
                  + QString::number(count));
    }
}

bool TOrvMailDownloader::PassesFilter(const QDateTime &date) const
{
    if (!m_global.Filter)
        return true;
    const qint64 days = date.date().daysTo(Orv::Clock::now().date());
    return days <= m_global.FilterValue;
}

} // namespace Mail
