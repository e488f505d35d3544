#include "hostapi/TPluginWalker.h"

#include "hostapi/TPluginSelector.h"

namespace Host {

void TPluginWalker::SetActive(bool active)
{
    TPlugComponent::SetActive(active);
    m_records = active ? m_selector.records() : TContactObjectList();
    m_index = 0;
}

} // namespace Host
