#include "mailimport/TOrvMail.h"

#include "base/CommaText.h"

namespace Mail {

TOrvMail::TOrvMail(TOrvMailDirection direction, const QString &uniqueId, const QDateTime &date,
                   const QString &subject, const QString &from, const QString &to, bool hasAttach)
{
    SetHeader(direction, uniqueId, date, subject, from, to, hasAttach);
}

void TOrvMail::SetHeader(TOrvMailDirection direction, const QString &uniqueId, const QDateTime &date,
                         const QString &subject, const QString &from, const QString &to, bool hasAttach)
{
    m_direction = direction;
    m_uniqueId = uniqueId.left(UniqueIdLength);
    m_date = date;
    m_subject = subject;
    m_from = from;
    m_to = to;
    m_hasAttach = hasAttach;
    m_loaded |= LoadedHeader;
}

void TOrvMail::SetDetail(const QString &attachments, const QString &body, bool isPlain)
{
    m_attachments = attachments;
    m_body = body;
    m_isPlain = isPlain;
    m_loaded |= LoadedDetail;
}

void TOrvMail::SetLinks(bool inDatabase, const QString &linkedFirms, const QString &linkedPersons)
{
    m_inDatabase = inDatabase;
    m_linkedFirms = linkedFirms;
    m_linkedPersons = linkedPersons;
    m_loaded |= LoadedLinks;
}

QStringList TOrvMail::attachmentList() const
{
    return Orv::fromCommaText(m_attachments);
}

} // namespace Mail
