#pragma once

#include "mailimport/TOrvFieldData.h"

#include <QVariant>

namespace Mail {

// A script parameter holding an integer, string, boolean or date-time.
class TOrvFieldDataVariant : public TOrvFieldData
{
public:
    TOrvFieldDataVariant(const QString &name, const QVariant &value = {});

    QVariant value() const { return m_value; }
    void setValue(const QVariant &value) { m_value = value; }

    bool LoadFromDataset(const Db::RowSet *dataset) override;
    bool AssignToParam(QVariantMap *params) const override;

private:
    QVariant m_value;
};

} // namespace Mail
