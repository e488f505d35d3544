#include "mailimport/testsupport/TestProfile.h"

#include "base/Errors.h"

namespace Mail::Test {

TestProfile::TestProfile()
{
    if (!m_dir.isValid())
        throw EOrvIoError(QStringLiteral("Dočasný adresář nelze vytvořit."), m_dir.errorString());
    m_connection.openProfile(m_dir.path());
    m_connection.setProfile(QStringLiteral("Test"), Site);
}

SubjectKey TestProfile::addFirm(const QString &firma, const QString &pforma, const QString &ulice,
                                const QString &misto, const QString &psc)
{
    const SubjectKey key{1, Site, m_nextSubject++};
    m_connection.execute(QStringLiteral("INSERT INTO \"FIRM\" (\"CPCF\", \"CF\", \"FIRMA\", \"PFORMA\", "
                                        "\"ULICE\", \"MISTO\", \"PSC\") VALUES (?, ?, ?, ?, ?, ?, ?)"),
                         {key.cpcx, key.cx, firma, pforma, ulice, misto, psc});
    return key;
}

SubjectKey TestProfile::addPerson(const QString &fname, const QString &sname, const QString &ftitul,
                                  const QString &stitul)
{
    const SubjectKey key{2, Site, m_nextSubject++};
    m_connection.execute(QStringLiteral("INSERT INTO \"PERSON\" (\"CPCO\", \"CO\", \"FNAME\", \"SNAME\", "
                                        "\"FTITUL\", \"STITUL\") VALUES (?, ?, ?, ?, ?, ?)"),
                         {key.cpcx, key.cx, fname, sname, ftitul, stitul});
    return key;
}

void TestProfile::addAddress(const SubjectKey &subject, const QString &address)
{
    const qint64 cs = m_connection.nextCounter(QStringLiteral("LASTCS"));
    m_connection.execute(QStringLiteral("INSERT INTO \"CONNECT\" (\"ID\", \"CPCS\", \"CS\", \"CPCX\", \"CX\", "
                                        "\"SPOJTYP\", \"TYP\", \"VOLACKA\", \"TELEFON\") "
                                        "VALUES (?, ?, ?, ?, ?, 1, 1, 'mailto:', ?)"),
                         {60 + subject.kind, Site, cs, subject.cpcx, subject.cx, address});
}

int TestProfile::rowCount(const QString &table)
{
    return int(m_connection.scalar(QStringLiteral("SELECT COUNT(*) FROM \"%1\"").arg(table)).toLongLong());
}

qint64 TestProfile::counter(const QString &column)
{
    return m_connection.scalar(QStringLiteral("SELECT \"%1\" FROM \"SITESET\"").arg(column)).toLongLong();
}

qint64 TestProfile::maxKey(const QString &table, const QString &cpcColumn, const QString &cColumn)
{
    return m_connection
        .scalar(QStringLiteral("SELECT COALESCE(MAX(\"%1\"), 0) FROM \"%2\" WHERE \"%3\" = ?")
                    .arg(cColumn, table, cpcColumn),
                {Site})
        .toLongLong();
}

} // namespace Mail::Test
