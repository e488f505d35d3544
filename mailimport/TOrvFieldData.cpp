#include "mailimport/TOrvFieldData.h"

namespace Mail {

TOrvFieldData::TOrvFieldData(const QString &name)
    : m_name(name)
{
}

TOrvFieldData::~TOrvFieldData() = default;

} // namespace Mail
