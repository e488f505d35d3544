#pragma once

// A temporary profile with the real schema, for the tests of this folder.

#include "contactdb/Connection.h"
#include "contactdb/RowSet.h"
#include "contactdb/DemoData.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestProfile
{
public:
    explicit TestProfile(int site = 1, bool demo = false)
    {
        QVERIFY2(m_dir.isValid(), "no temporary directory");
        m_connection = std::make_unique<Db::Connection>();
        m_connection->openProfile(m_dir.path());
        m_connection->setProfile(QStringLiteral("Test"), site);
        m_connection->setDomainName(QStringLiteral("tester"));
        if (demo)
            Db::DemoData::fill(*m_connection);
    }

    Db::Connection &connection() { return *m_connection; }
    QString path() const { return m_dir.path(); }

    qint64 rowCount(const QString &table)
    {
        return m_connection->scalar(QStringLiteral("SELECT count(*) FROM \"%1\"").arg(table)).toLongLong();
    }

    qint64 counter(const QString &column)
    {
        return m_connection->scalar(QStringLiteral("SELECT \"%1\" FROM \"SITESET\"").arg(column)).toLongLong();
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Db::Connection> m_connection;
};
