#pragma once

#include "hostapi/HostApiGlobal.h"
#include "hostapi/TContactObject.h"

#include <QList>
#include <QObject>
#include <QString>

namespace Host {

class TDataProfil;

// A folder of the contact tree.
struct TTreeItemInfo
{
    TRecordKey key;                              // CPCOB, COB
    TRecordKey parent;                           // CPCOBPA, COBPA; 0/0 at the root
    QString name;                                // NAZEV
    friend bool operator==(const TTreeItemInfo &, const TTreeItemInfo &) = default;
};

// The host's server of the category tree of one profile: the folders, the folder the user
// has chosen in the host, and the records placed in a folder. Tree clients attach to it.
// Owned by the profile; GUI thread only.
class ORV_HOSTAPI_EXPORT TTreeServer : public QObject
{
    Q_OBJECT

public:
    explicit TTreeServer(TDataProfil &data, QObject *parent = nullptr);

    // Re-reads the folders (after an import that added some).
    void ReloadTable();
    // Tells every attached client that the tree changed.
    void RefreshAllTreeClients();

    QList<TTreeItemInfo> folders() const { return m_folders; }
    const TTreeItemInfo *folder(const TRecordKey &key) const;
    const TTreeItemInfo *currentFolder() const;  // nullptr when none is chosen
    void setCurrentFolder(const TRecordKey &key);
    // Firms, persons and notes placed directly in the folder, in the folder's order.
    TContactObjectList records(const TRecordKey &folder) const;

signals:
    void treeChanged();
    void currentFolderChanged();

private:
    TDataProfil &m_data;
    QList<TTreeItemInfo> m_folders;
    std::optional<TRecordKey> m_current;
};

} // namespace Host
