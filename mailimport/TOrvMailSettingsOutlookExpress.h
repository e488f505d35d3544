#pragma once

#include "mailimport/TOrvMailSettingsOutlook.h"

namespace Mail {

// Section "outlookexpress": the same keys as the Outlook client.
class TOrvMailSettingsOutlookExpress : public TOrvMailSettingsOutlook
{
public:
    TOrvMailSettingsOutlookExpress() = default;
    TOrvMailSettingsOutlookExpress(const TOrvMailSettingsOutlookExpress &) = default;
    TOrvMailSettingsOutlookExpress &operator=(const TOrvMailSettingsOutlookExpress &) = default;

    QString GetSection() const override;
    std::unique_ptr<TOrvMailClientSettings> clone() const override;
};

} // namespace Mail
