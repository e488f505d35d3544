#include "hostapi/TTreeServer.h"

#include "hostapi/TDataProfil.h"

#include "contactdb/Connection.h"
#include "contactdb/RowSet.h"

namespace Host {

namespace {

// Tree membership kinds are 80 + the subject kind; diary events are not contact records.
constexpr int TreeMemberBase = 80;

} // namespace

TTreeServer::TTreeServer(TDataProfil &data, QObject *parent)
    : QObject(parent)
    , m_data(data)
{
    ReloadTable();
}

void TTreeServer::ReloadTable()
{
    Db::RowSet rows = m_data.connection().query(QStringLiteral(
        "SELECT \"CPCOB\", \"COB\", \"CPCOBPA\", \"COBPA\", \"NAZEV\" FROM \"TREEFOLDER\""
        " ORDER BY \"CPCOBPA\", \"COBPA\", \"NAZEV\""));
    m_folders.clear();
    for (rows.first(); !rows.eof(); rows.next()) {
        m_folders.append(TTreeItemInfo{{qint32(rows.integerByName(QStringLiteral("CPCOB"))), qint32(rows.integerByName(QStringLiteral("COB")))},
                          {qint32(rows.integerByName(QStringLiteral("CPCOBPA"))), qint32(rows.integerByName(QStringLiteral("COBPA")))},
                          rows.stringByName(QStringLiteral("NAZEV"))});
    }
    if (m_current && !folder(*m_current))
        m_current.reset();
}

void TTreeServer::RefreshAllTreeClients()
{
    emit treeChanged();
}

const TTreeItemInfo *TTreeServer::folder(const TRecordKey &key) const
{
    for (const TTreeItemInfo &item : m_folders) {
        if (item.key == key)
            return &item;
    }
    return nullptr;
}

const TTreeItemInfo *TTreeServer::currentFolder() const
{
    return m_current ? folder(*m_current) : nullptr;
}

void TTreeServer::setCurrentFolder(const TRecordKey &key)
{
    m_current = key;
    emit currentFolderChanged();
}

TContactObjectList TTreeServer::records(const TRecordKey &folderKey) const
{
    Db::RowSet rows = m_data.connection().query(
        QStringLiteral("SELECT \"ID\", \"CPCX\", \"CX\" FROM \"TREEMEMBER\""
                       " WHERE \"CPCOB\" = ? AND \"COB\" = ? AND \"ID\" IN (?, ?, ?)"
                       " ORDER BY \"ID\", \"SORTSTRING\", rowid"),
        {folderKey.cpc, folderKey.c, TreeMemberBase + skFirm, TreeMemberBase + skPerson, TreeMemberBase + skNote});
    TContactObjectList records;
    for (rows.first(); !rows.eof(); rows.next()) {
        records.append(TContactObject{int(rows.integerByName(QStringLiteral("ID"))) - TreeMemberBase,
                                      {qint32(rows.integerByName(QStringLiteral("CPCX"))),
                                       qint32(rows.integerByName(QStringLiteral("CX")))}});
    }
    return records;
}

} // namespace Host
