#include "mailimport/TOrvFieldDataBLOB.h"

namespace Mail {

TOrvFieldDataBLOB::TOrvFieldDataBLOB(const QString &name, const QByteArray &data)
    : TOrvFieldData(name)
    , m_data(data)
{
}

bool TOrvFieldDataBLOB::LoadFromDataset(const Db::RowSet *)
{
    return false;
}

bool TOrvFieldDataBLOB::AssignToParam(QVariantMap *params) const
{
    if (!params)
        return false;
    // A null QByteArray would bind as NULL; an empty body is still a blob.
    params->insert(name(), m_data.isNull() ? QByteArray("") : m_data);
    return true;
}

} // namespace Mail
