#include "mailimport/TOrvMailSettingsOutlookExpress.h"

namespace Mail {

QString TOrvMailSettingsOutlookExpress::GetSection() const
{
    return QStringLiteral("outlookexpress");
}

std::unique_ptr<TOrvMailClientSettings> TOrvMailSettingsOutlookExpress::clone() const
{
    return std::make_unique<TOrvMailSettingsOutlookExpress>(*this);
}

} // namespace Mail
