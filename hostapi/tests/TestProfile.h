#pragma once

#include "hostapi/TContactObject.h"
#include "hostapi/TDataProfil.h"
#include "hostapi/TProfil.h"
#include "hostapi/TProfileManager.h"
#include "hostapi/TRecordListServer.h"

#include "contactdb/Connection.h"
#include "contactdb/RowSet.h"

#include <QTemporaryDir>
#include <QTest>

// A demo profile in a temporary folder, opened in the profile manager, with the program
// directory pointed into the same folder.
class TestProfile
{
public:
    TestProfile()
    {
        qputenv("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("config")).toUtf8());
        Host::TProfileManager::createProfile(path(), QStringLiteral("Test"), 7, true);
        Host::PM().openProfile(path());
    }
    ~TestProfile() { Host::PM().closeProfile(); }

    QString path() const { return m_dir.filePath(QStringLiteral("profile")); }
    Host::TProfil &profile() const { return Host::PM().profil(); }

    // The first `count` firms and persons of the demo data, firms first.
    Host::TContactObjectList subjects(int count) const
    {
        Host::TContactObjectList records;
        Db::Connection &db = profile().Data().connection();
        for (const auto &[kind, sql] : {std::pair{int(Host::skFirm), "SELECT CPCF, CF FROM FIRM ORDER BY CF"},
                                        std::pair{int(Host::skPerson), "SELECT CPCO, CO FROM PERSON ORDER BY CO"}}) {
            Db::RowSet rows = db.query(QLatin1String(sql));
            for (rows.first(); !rows.eof() && records.size() < count; rows.next())
                records.append(Host::TContactObject{kind, {qint32(rows.value(rows.currentIndex(), 0).toInt()),
                                       qint32(rows.value(rows.currentIndex(), 1).toInt())}});
        }
        return records;
    }

    Host::TContactObjectList selectThree() const
    {
        const Host::TContactObjectList records = subjects(3);
        profile().selectionServer().setRecords(QStringLiteral("Tři"), records);
        return records;
    }

private:
    QTemporaryDir m_dir;
};
