#include "base/Errors.h"

EOrvError::EOrvError(QString userText, QString detail)
    : std::runtime_error((detail.isEmpty() ? userText : detail).toStdString())
    , m_userText(std::move(userText))
    , m_detail(std::move(detail))
{
}
