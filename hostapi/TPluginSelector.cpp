#include "hostapi/TPluginSelector.h"

#include "hostapi/HostTexts.h"
#include "hostapi/TProfil.h"

namespace Host {

void TPluginSelector::attach(TProfil *profile)
{
    m_tree.SetTreeServer(profile ? &profile->treeServer() : nullptr);
    m_selection.SetSelectionServer(profile ? &profile->selectionServer() : nullptr);
    m_searchResult.SetSelectionServer(profile ? &profile->searchResultServer() : nullptr);
}

TContactObjectList TPluginSelector::records() const
{
    switch (m_kind) {
    case dsTreeLink:
        return m_tree.records();
    case dsSelection:
        return m_selection.records();
    case dsFilter:
        return m_searchResult.records();
    default:
        return {};
    }
}

QString TPluginSelector::dataSourceName(int kind)
{
    switch (kind) {
    case dsTreeLink:
        return _cPluginDSTreeLink;
    case dsSelection:
        return _cPluginDSSelection;
    case dsFilter:
        return _cPluginDSFilter;
    default:
        return {};
    }
}

QString TPluginSelector::dataSourcePrompt(int kind)
{
    switch (kind) {
    case dsTreeLink:
        return _cPluginSetTreeLink;
    case dsSelection:
        return _cPluginSetSelection;
    case dsFilter:
        return _cPluginSetFilter;
    default:
        return {};
    }
}

} // namespace Host
