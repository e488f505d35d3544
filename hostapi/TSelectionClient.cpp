#include "hostapi/TSelectionClient.h"

namespace Host {

bool TSelectionClient::GetSelectionItemInfo(TSelectionItemInfo &info) const
{
    if (!m_server || m_server->records().isEmpty())
        return false;
    info = {m_server->name(), int(m_server->records().size())};
    return true;
}

TContactObjectList TSelectionClient::records() const
{
    return m_server ? m_server->records() : TContactObjectList();
}

} // namespace Host
