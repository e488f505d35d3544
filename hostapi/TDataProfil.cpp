#include "hostapi/TDataProfil.h"

#include "contactdb/Connection.h"
#include "contactdb/Table.h"

#include <QStringList>

namespace Host {

namespace {

// Parts that are empty still keep their blank, as the host joins display names.
QString joined(Db::Table &table, std::initializer_list<const char *> columns)
{
    QStringList parts;
    for (const char *column : columns)
        parts.append(table.value(QLatin1String(column)).toString());
    return parts.join(u' ');
}

} // namespace

TDataProfil::TDataProfil(const QString &profileDir)
    : m_connection(std::make_unique<Db::Connection>())
{
    m_connection->openProfile(profileDir);
}

TDataProfil::~TDataProfil()
{
    m_tables.clear(); // cursors before their connection
}

Db::Connection &TDataProfil::connection() const
{
    return *m_connection;
}

Db::Table &TDataProfil::table(const QString &tableName)
{
    const QString key = tableName.toUpper();
    auto it = m_tables.find(key);
    if (it == m_tables.end()) {
        auto cursor = secondCursor(key);
        it = m_tables.emplace(key, std::move(cursor)).first;
    }
    return *it->second;
}

std::unique_ptr<Db::Table> TDataProfil::secondCursor(const QString &tableName) const
{
    auto cursor = std::make_unique<Db::Table>(*m_connection, tableName.toUpper());
    cursor->open();
    return cursor;
}

QString TDataProfil::tableOfKind(int subjectKind)
{
    switch (subjectKind) {
    case skFirm:
        return QStringLiteral("FIRM");
    case skPerson:
        return QStringLiteral("PERSON");
    case skNote:
        return QStringLiteral("NOTE");
    default:
        return {};
    }
}

bool TDataProfil::setCurrentRecord(const TContactObject &record)
{
    const QString tableName = tableOfKind(record.kind);
    if (tableName.isEmpty())
        return false;
    Db::Table &cursor = table(tableName);
    cursor.setIndexName(QString());
    cursor.refresh();
    return cursor.findKey({record.key.cpc, record.key.c});
}

QString TDataProfil::GetFirm()
{
    Db::Table &firm = table(QStringLiteral("FIRM"));
    return firm.eof() ? QString() : joined(firm, {"FIRMA", "PFORMA"});
}

QString TDataProfil::GetPerson()
{
    Db::Table &person = table(QStringLiteral("PERSON"));
    return person.eof() ? QString() : joined(person, {"FTITUL", "FNAME", "SNAME", "STITUL"});
}

QString TDataProfil::GetNote()
{
    // GAP: the note table has no title column yet; the note is named by its key.
    Db::Table &note = table(QStringLiteral("NOTE"));
    if (note.eof())
        return {};
    return QStringLiteral("%1/%2").arg(note.value(QStringLiteral("CPCN")).toString(),
                                       note.value(QStringLiteral("CN")).toString());
}

} // namespace Host
