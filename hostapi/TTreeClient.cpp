#include "hostapi/TTreeClient.h"

namespace Host {

void TTreeClient::SetTreeServer(TTreeServer *server)
{
    m_server = server;
    m_folder.reset();
}

bool TTreeClient::GetTreeItemInfo(TTreeItemInfo &info) const
{
    if (!m_server)
        return false;
    const TTreeItemInfo *folder = m_folder ? m_server->folder(*m_folder) : m_server->currentFolder();
    if (!folder)
        return false;
    info = *folder;
    return true;
}

TContactObjectList TTreeClient::records() const
{
    TTreeItemInfo info;
    return GetTreeItemInfo(info) ? m_server->records(info.key) : TContactObjectList();
}

} // namespace Host
