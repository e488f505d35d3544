#include "mailimport/TOrvMailContact.h"

#include "mailimport/MailScripts.h"
#include "mailimport/TOrvFieldDataBLOB.h"
#include "mailimport/TOrvFieldDataVariant.h"
#include "mailimport/TOrvMailGlobalSettings.h"

#include "base/CommaText.h"
#include "base/DelphiDateTime.h"
#include "base/Errors.h"

#include <QLoggingCategory>

#include <algorithm>

namespace Mail {

Q_LOGGING_CATEGORY(lcContact, "orvanta.mail.contact")

namespace {

// The note of a document saved from an attachment; the markers stand once each.
const QStringList MemoTemplate = {
    QStringLiteral(R"({\rtf1\ansi\deff0{\fonttbl{\f0\fnil\fcharset0 Tahoma;}{\f1\fswiss\fcharset0 Tahoma;}{\f2\fswiss\fcharset238 Tahoma;}{\f3\fnil MS Sans Serif;}})"),
    QStringLiteral(R"({\colortbl ;\red128\green128\blue128;\red0\green0\blue255;})"),
    QStringLiteral(R"(\viewkind4\uc1\pard\cf1\lang1033\b\f0\fs16 Dokument \lang1029 poch\'e1z\'ed z n\'e1sleduj\'edc\'edho e-mailu\lang1033 :\cf0)"),
    QStringLiteral(R"(\par \f1)"),
    QStringLiteral(R"(\par P\lang1029\f2\'f8edm\'ect: \b0\f3 $SUBJECT \f2)"),
    QStringLiteral(R"(\par \b Datum a \f2\'e8as: \b0 $DATETIME\b\f2)"),
    QStringLiteral(R"(\par \b Odes\'edlatel\b0 : \cf2\ul $SENDER)"),
    QStringLiteral(R"(\par \cf0\ulnone\b P\f2\'f8\'edjemce:\b0  \cf2\ul $RECIPIENT\cf0\ulnone\f2)"),
    QStringLiteral(R"(\par })"),
};

// A brace or backslash from a header would end the note's groups early or start a control
// word, and the reader would lose the rest of the note.
QString rtfText(const QString &value)
{
    QString result;
    result.reserve(value.size());
    for (const QChar c : value) {
        if (c == u'\\' || c == u'{' || c == u'}')
            result += u'\\';
        result += c;
    }
    return result;
}

// Replaces each marker once where it stands in `text`; what a value brings in is never
// searched again.
QString replaceMarkers(const QString &text, const QList<std::pair<QString, QString>> &markers)
{
    struct Hit { qsizetype position; qsizetype length; QString value; };
    QList<Hit> hits;
    for (const auto &[marker, value] : markers) {
        const qsizetype position = text.indexOf(marker);
        if (position >= 0)
            hits.append({position, marker.size(), value});
    }
    std::sort(hits.begin(), hits.end(), [](const Hit &a, const Hit &b) { return a.position < b.position; });
    QString result;
    qsizetype from = 0;
    for (const Hit &hit : hits) {
        if (hit.position < from)
            continue;   // overlapping markers cannot occur in the template
        result += QStringView(text).mid(from, hit.position - from);
        result += hit.value;
        from = hit.position + hit.length;
    }
    result += QStringView(text).mid(from);
    return result;
}

QString quoted(const QString &item)
{
    QString inner = item;
    inner.replace(u'"', QLatin1String("\"\""));
    return u'"' + inner + u'"';
}

bool isSubjectKind(int kind)
{
    return kind == 1 || kind == 2;
}

QStringList keyValues(const SubjectKey &subject)
{
    return {QString::number(subject.kind), QString::number(subject.cpcx), QString::number(subject.cx)};
}

void addValue(TOrvFieldDataList &params, const QString &name, const QVariant &value)
{
    params.push_back(std::make_unique<TOrvFieldDataVariant>(name, value));
}

} // namespace

TOrvMailContact::TOrvMailContact() = default;
TOrvMailContact::~TOrvMailContact() = default;

bool TOrvMailContact::Open(const QString &profilePath, const QString &attachmentDirectory)
{
    m_attachmentDirectory = TOrvMailGlobalSettings::normalizedDataPath(attachmentDirectory);
    m_opened = m_dataSource.Open(profilePath);
    return m_opened;
}

void TOrvMailContact::Close()
{
    m_dataSource.Close();
    m_opened = false;
}

bool TOrvMailContact::IsEmailInDB(const TOrvMail &mail)
{
    if (!m_opened)
        return false;
    const auto rows = m_dataSource.RunScript(Scripts::IsEmailInDB, {mail.UniqueId()});
    return rows && rows->recordCount() > 0;
}

QString TOrvMailContact::GetLinkedFirms(const TOrvMail &mail)
{
    if (!m_opened)
        return {};
    auto rows = m_dataSource.RunScript(Scripts::GetLinkedFirm, {mail.UniqueId()});
    if (!rows)
        return {};
    QStringList entries;
    for (rows->first(); !rows->eof(); rows->next()) {
        entries << quoted(firmEntry(rows->integerByName(QStringLiteral("CPCF")),
                                    rows->integerByName(QStringLiteral("CF")),
                                    rows->stringByName(QStringLiteral("FIRMA"))));
    }
    return entries.join(u',');
}

QString TOrvMailContact::GetLinkedPersons(const TOrvMail &mail)
{
    if (!m_opened)
        return {};
    auto rows = m_dataSource.RunScript(Scripts::GetLinkedPerson, {mail.UniqueId()});
    if (!rows)
        return {};
    QStringList entries;
    for (rows->first(); !rows->eof(); rows->next()) {
        entries << quoted(personEntry(rows->integerByName(QStringLiteral("CPCO")),
                                      rows->integerByName(QStringLiteral("CO")),
                                      rows->stringByName(QStringLiteral("FNAME")),
                                      rows->stringByName(QStringLiteral("SNAME"))));
    }
    return entries.join(u',');
}

std::optional<SubjectKey> TOrvMailContact::FindSubjectByAddress(const TOrvMail &mail)
{
    if (!m_opened)
        return std::nullopt;
    try {
        auto rows = m_dataSource.RunScript(Scripts::FindSubjectByUrl, {mail.address()});
        if (!rows || rows->recordCount() != 1)
            return std::nullopt;
        rows->first();
        return SubjectKey{int(rows->integerByName(QStringLiteral("ID")) - 60),
                          int(rows->integerByName(QStringLiteral("CPCX"))),
                          int(rows->integerByName(QStringLiteral("CX")))};
    } catch (const EOrvError &error) {
        qCWarning(lcContact) << "finding a subject by address failed:" << error.detail();
        return std::nullopt;
    }
}

std::optional<SubjectDetail> TOrvMailContact::FindSubjectById(const SubjectKey &subject)
{
    if (!m_opened)
        return std::nullopt;
    try {
        auto rows = m_dataSource.RunScript(Scripts::FindSubjectById, keyValues(subject));
        if (!rows || rows->recordCount() != 1)
            return std::nullopt;
        rows->first();
        return SubjectDetail{rows->stringByName(QStringLiteral("SUBJECT")),
                             rows->stringByName(QStringLiteral("ULICE")),
                             rows->stringByName(QStringLiteral("MISTO")),
                             rows->stringByName(QStringLiteral("PSC"))};
    } catch (const EOrvError &error) {
        qCWarning(lcContact) << "finding a subject by key failed:" << error.detail();
        return std::nullopt;
    }
}

std::optional<QString> TOrvMailContact::GetSubjectAddresses(const SubjectKey &subject)
{
    if (!m_opened)
        return std::nullopt;
    try {
        auto rows = m_dataSource.RunScript(Scripts::FindMailAddressBySubjectId, keyValues(subject));
        if (!rows)
            return std::nullopt;
        QStringList addresses;
        for (rows->first(); !rows->eof(); rows->next())
            addresses << quoted(rows->stringByName(QStringLiteral("TELEFON")));
        return addresses.join(u',');
    } catch (const EOrvError &error) {
        qCWarning(lcContact) << "reading a subject's addresses failed:" << error.detail();
        return std::nullopt;
    }
}

bool TOrvMailContact::SaveEmail(int site, const QString &domName, const TOrvMail &mail,
                                const SubjectKey &subject)
{
    if (!m_opened || !isSubjectKind(subject.kind))
        return false;
    const bool outbox = mail.Direction() == TOrvMailDirection::Outbox;
    TOrvFieldDataList params;
    addValue(params, QStringLiteral("TO"), mail.To());
    addValue(params, QStringLiteral("FROM"), mail.From());
    addValue(params, QStringLiteral("SUBJECT"), mail.Subject());
    addValue(params, QStringLiteral("DATE"), mail.Date());
    addValue(params, QStringLiteral("HAS_ATTACH"), mail.HasAttach());
    params.push_back(std::make_unique<TOrvFieldDataBLOB>(QStringLiteral("BODY"), mail.Body().toUtf8()));
    addValue(params, QStringLiteral("BODYTYPE"), mail.IsPlain() ? 0 : 1);
    addValue(params, QStringLiteral("SITE"), site);
    // The stored key is the first 60 characters, whatever the client keeps in memory.
    addValue(params, QStringLiteral("ENTRYID"), mail.UniqueId().left(TOrvMail::UniqueIdLength));
    addValue(params, QStringLiteral("DOMNAME"), domName);
    addValue(params, QStringLiteral("PRIORITA"), outbox ? 1 : 2);
    addValue(params, QStringLiteral("LINKID"), 25 + subject.kind);
    addValue(params, QStringLiteral("CPCX"), subject.cpcx);
    addValue(params, QStringLiteral("CX"), subject.cx);
    return m_dataSource.ExecuteScript(Scripts::SaveEmail, params);
}

bool TOrvMailContact::SaveDocument(int site, const QString &domName, const QString &memo,
                                   const QString &path, const QString &description,
                                   const SubjectKey &subject)
{
    if (!m_opened || !isSubjectKind(subject.kind))
        return false;
    TOrvFieldDataList params;
    addValue(params, QStringLiteral("DOCUMENTID"), 50 + subject.kind);
    addValue(params, QStringLiteral("CPCX"), subject.cpcx);
    addValue(params, QStringLiteral("CX"), subject.cx);
    addValue(params, QStringLiteral("DESC"), description);
    addValue(params, QStringLiteral("PATH"), path);
    addValue(params, QStringLiteral("MEMO"), memo);
    addValue(params, QStringLiteral("SITE"), site);
    addValue(params, QStringLiteral("DOMNAME"), domName);
    return m_dataSource.ExecuteScript(Scripts::SaveDocument, params);
}

bool TOrvMailContact::SaveAddress(int site, const QString &domName, const QString &address,
                                  const SubjectKey &subject)
{
    if (!m_opened || !isSubjectKind(subject.kind))
        return false;
    TOrvFieldDataList params;
    addValue(params, QStringLiteral("ID"), 60 + subject.kind);
    addValue(params, QStringLiteral("CPCX"), subject.cpcx);
    addValue(params, QStringLiteral("CX"), subject.cx);
    addValue(params, QStringLiteral("TELEFON"), address);
    addValue(params, QStringLiteral("DOMNAME"), domName);
    addValue(params, QStringLiteral("SITE"), site);
    return m_dataSource.ExecuteScript(Scripts::SaveMailAddress, params);
}

void TOrvMailContact::LoadDatabaseState(TOrvMail &mail)
{
    if (!m_opened) {
        mail.SetLinks(false, {}, {});
        return;
    }
    const bool found = IsEmailInDB(mail);
    if (found)
        mail.SetLinks(true, GetLinkedFirms(mail), GetLinkedPersons(mail));
    else
        mail.SetLinks(false, {}, {});
}

QString TOrvMailContact::DocumentMemo(const TOrvMail &mail)
{
    const QString text = MemoTemplate.join(QLatin1String("\r\n"));
    return replaceMarkers(text, {{QStringLiteral("$SUBJECT"), rtfText(mail.Subject())},
                                 {QStringLiteral("$DATETIME"), rtfText(Orv::dateTimeToStr(mail.Date()))},
                                 {QStringLiteral("$SENDER"), rtfText(mail.From())},
                                 {QStringLiteral("$RECIPIENT"), rtfText(mail.To())}});
}

QString TOrvMailContact::firmEntry(qint64 cpcf, qint64 cf, const QString &firma)
{
    return QStringLiteral("$IC$R11,%1,%2$R0").arg(cpcf).arg(cf) + firma;
}

QString TOrvMailContact::personEntry(qint64 cpco, qint64 co, const QString &fname, const QString &sname)
{
    return QStringLiteral("$IB$R12,%1,%2$R0").arg(cpco).arg(co) + fname + u' ' + sname;
}

} // namespace Mail
