#pragma once

#include "hostapi/HostApiGlobal.h"
#include "hostapi/TRecordListServer.h"

#include <QPointer>

namespace Host {

// A plug-in's or a component's view of a record list server (the selection, or the search
// result). An observer: the server may go with its profile.
class ORV_HOSTAPI_EXPORT TSelectionClient
{
public:
    void SetSelectionServer(TRecordListServer *server) { m_server = server; }
    TRecordListServer *selectionServer() const { return m_server; }
    // False when no server is attached or its list is empty.
    bool GetSelectionItemInfo(TSelectionItemInfo &info) const;
    TContactObjectList records() const;

private:
    QPointer<TRecordListServer> m_server;
};

} // namespace Host
