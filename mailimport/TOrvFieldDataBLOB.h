#pragma once

#include "mailimport/TOrvFieldData.h"

#include <QByteArray>

namespace Mail {

// A script parameter holding bytes, bound as a blob. It is never loaded from a dataset.
class TOrvFieldDataBLOB : public TOrvFieldData
{
public:
    TOrvFieldDataBLOB(const QString &name, const QByteArray &data = {});

    QByteArray data() const { return m_data; }
    void setData(const QByteArray &data) { m_data = data; }

    bool LoadFromDataset(const Db::RowSet *dataset) override;
    bool AssignToParam(QVariantMap *params) const override;

private:
    QByteArray m_data;
};

} // namespace Mail
