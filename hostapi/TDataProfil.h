#pragma once

#include "hostapi/HostApiGlobal.h"
#include "hostapi/TContactObject.h"

#include <QString>

#include <map>
#include <memory>

namespace Db {
class Connection;
class Table;
} // namespace Db

namespace Host {

// The open database of a profile and its table objects (cursors of the table-cursor layer,
// one shared cursor per table, opened on first use). The cursors of FIRM, PERSON and NOTE
// stand on the host's current record of that kind. Owned by its TProfil; GUI thread only.
class ORV_HOSTAPI_EXPORT TDataProfil
{
public:
    // Opens <profileDir>/contacts.sqlite (creating or upgrading it). Throws EOrvDatabaseError.
    explicit TDataProfil(const QString &profileDir);
    ~TDataProfil();
    TDataProfil(const TDataProfil &) = delete;
    TDataProfil &operator=(const TDataProfil &) = delete;

    Db::Connection &connection() const;
    // The shared cursor on `tableName` (a table or view). Throws EOrvDatabaseError for an unknown name.
    Db::Table &table(const QString &tableName);
    // A cursor of its own, so that a caller may move without disturbing the shared one.
    std::unique_ptr<Db::Table> secondCursor(const QString &tableName) const;

    // Positions the cursor of that kind's table; false (cursor unmoved) when the record is gone.
    bool setCurrentRecord(const TContactObject &record);

    // Display texts of the current firm, person and note; empty when there is none.
    QString GetFirm();
    QString GetPerson();
    QString GetNote();

    static QString tableOfKind(int subjectKind); // "FIRM", "PERSON", "NOTE"; empty otherwise

private:
    std::unique_ptr<Db::Connection> m_connection;
    std::map<QString, std::unique_ptr<Db::Table>> m_tables;
};

} // namespace Host
