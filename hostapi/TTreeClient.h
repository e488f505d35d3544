#pragma once

#include "hostapi/HostApiGlobal.h"
#include "hostapi/TTreeServer.h"

#include <QPointer>

namespace Host {

// A plug-in's or a component's view of the host's tree server: the folder the user chose
// (its own choice, else the host's current folder) and its records. An observer: the
// server may go with its profile, the client then reports nothing.
class ORV_HOSTAPI_EXPORT TTreeClient
{
public:
    void SetTreeServer(TTreeServer *server);
    TTreeServer *treeServer() const { return m_server; }
    void setFolder(const TRecordKey &folder) { m_folder = folder; }
    // False when no server is attached or no folder is chosen.
    bool GetTreeItemInfo(TTreeItemInfo &info) const;
    TContactObjectList records() const;

private:
    QPointer<TTreeServer> m_server;
    std::optional<TRecordKey> m_folder;
};

} // namespace Host
