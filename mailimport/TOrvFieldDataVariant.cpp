#include "mailimport/TOrvFieldDataVariant.h"

#include "contactdb/RowSet.h"

namespace Mail {

TOrvFieldDataVariant::TOrvFieldDataVariant(const QString &name, const QVariant &value)
    : TOrvFieldData(name)
    , m_value(value)
{
}

bool TOrvFieldDataVariant::LoadFromDataset(const Db::RowSet *dataset)
{
    if (!dataset || dataset->isEmpty() || dataset->eof() || dataset->columnIndex(name()) < 0)
        return false;
    m_value = dataset->fieldByName(name());
    return true;
}

bool TOrvFieldDataVariant::AssignToParam(QVariantMap *params) const
{
    if (!params)
        return false;
    params->insert(name(), m_value);
    return true;
}

} // namespace Mail
