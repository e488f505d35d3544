#pragma once

#include "hostapi/HostApiGlobal.h"
#include "hostapi/TContactObject.h"

#include <QObject>
#include <QString>

namespace Host {

// What a selection client learns of the list it is attached to.
struct TSelectionItemInfo
{
    QString name;
    int count = 0;
};

// The host's server of a named list of records: the current selection, or the result of
// the last search. Owned by the profile; GUI thread only.
class ORV_HOSTAPI_EXPORT TRecordListServer : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    void setRecords(const QString &name, const TContactObjectList &records);
    void clear() { setRecords({}, {}); }
    QString name() const { return m_name; }
    TContactObjectList records() const { return m_records; }

signals:
    void recordsChanged();

private:
    QString m_name;
    TContactObjectList m_records;
};

using TSelectionServer = TRecordListServer;

} // namespace Host
