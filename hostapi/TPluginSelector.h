#pragma once

#include "hostapi/HostApiGlobal.h"
#include "hostapi/TExternalContactModul.h"
#include "hostapi/TSelectionClient.h"
#include "hostapi/TTreeClient.h"

namespace Host {

class TProfil;

// The data source of a plug-in run (PS_PluginSelector): its kind and the clients of the
// host's tree, selection and search-result servers that deliver its records.
class ORV_HOSTAPI_EXPORT TPluginSelector
{
public:
    // Attaches the clients to the servers of `profile` (nullptr detaches them).
    void attach(TProfil *profile);

    int dataSourceKind() const { return m_kind; }
    void setDataSourceKind(int kind) { m_kind = kind; }
    TTreeClient &treeClient() { return m_tree; }
    TSelectionClient &selectionClient() { return m_selection; }
    TSelectionClient &searchResultClient() { return m_searchResult; }

    // The records of the chosen source; empty for an unknown kind.
    TContactObjectList records() const;

    static QString dataSourceName(int kind);     // _cPluginDS… text
    static QString dataSourcePrompt(int kind);   // _cPluginSet… text

private:
    int m_kind = dsSelection;
    TTreeClient m_tree;
    TSelectionClient m_selection;
    TSelectionClient m_searchResult;
};

} // namespace Host
