#include "hostapi/TRecordListServer.h"

namespace Host {

void TRecordListServer::setRecords(const QString &name, const TContactObjectList &records)
{
    m_name = name;
    m_records = records;
    emit recordsChanged();
}

} // namespace Host
