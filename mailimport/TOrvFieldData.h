#pragma once

#include <QString>
#include <QVariantMap>

#include <memory>
#include <vector>

namespace Db { class RowSet; }

namespace Mail {

// One named parameter of a save script. The concrete kinds are TOrvFieldDataVariant
// (integer, string, boolean, date-time) and TOrvFieldDataBLOB (bytes). A value object
// owned by its TOrvFieldDataList.
class TOrvFieldData
{
public:
    explicit TOrvFieldData(const QString &name);
    virtual ~TOrvFieldData();
    TOrvFieldData(const TOrvFieldData &) = delete;
    TOrvFieldData &operator=(const TOrvFieldData &) = delete;

    QString name() const { return m_name; }

    // Takes the value of the column `name()` in the current row; false when there is no
    // dataset, no current row or no such column.
    virtual bool LoadFromDataset(const Db::RowSet *dataset) = 0;
    // Puts the value under `name()`; false when there is nothing to assign to.
    virtual bool AssignToParam(QVariantMap *params) const = 0;

private:
    QString m_name;
};

using TOrvFieldDataList = std::vector<std::unique_ptr<TOrvFieldData>>;

} // namespace Mail
