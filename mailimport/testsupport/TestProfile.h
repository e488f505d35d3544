#pragma once

#include "mailimport/TOrvMailContact.h"

#include "contactdb/Connection.h"

#include <QTemporaryDir>

namespace Mail::Test {

// A new profile directory with a contact database of the real schema, removed again when
// the object goes. Its own connection serves to set up and to inspect; the code under test
// opens the profile by path as the program does.
class TestProfile
{
public:
    static constexpr int Site = 7;

    TestProfile();
    QString path() const { return m_dir.path(); }
    Db::Connection &connection() { return m_connection; }

    SubjectKey addFirm(const QString &firma, const QString &pforma = {}, const QString &ulice = {},
                       const QString &misto = {}, const QString &psc = {});
    SubjectKey addPerson(const QString &fname, const QString &sname, const QString &ftitul = {},
                         const QString &stitul = {});
    // An e-mail connection (SPOJTYP 1, TYP 1) of a firm or person, as the host writes it.
    void addAddress(const SubjectKey &subject, const QString &address);

    int rowCount(const QString &table);
    qint64 counter(const QString &column);      // a SITESET counter
    // The largest C of the table's rows written by this site (0 without rows).
    qint64 maxKey(const QString &table, const QString &cpcColumn, const QString &cColumn);

private:
    QTemporaryDir m_dir;
    Db::Connection m_connection;
    int m_nextSubject = 1;
};

} // namespace Mail::Test
