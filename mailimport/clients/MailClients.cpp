#include "mailimport/clients/MailClients.h"

#include "mailimport/clients/TOrvLotusClient.h"
#include "mailimport/clients/TOrvOutlookClient.h"
#include "mailimport/clients/TOrvOutlookExpressClient.h"

namespace Mail {

QList<std::function<std::unique_ptr<TOrvMailClient>()>> mailClientFactories()
{
    return {
        [] { return std::unique_ptr<TOrvMailClient>(TOrvMailClient::Create<TOrvOutlookClient>()); },
        [] { return std::unique_ptr<TOrvMailClient>(TOrvMailClient::Create<TOrvLotusClient>()); },
        [] { return std::unique_ptr<TOrvMailClient>(TOrvMailClient::Create<TOrvOutlookExpressClient>()); },
    };
}

std::vector<std::unique_ptr<TOrvMailClient>> createMailClients()
{
    std::vector<std::unique_ptr<TOrvMailClient>> clients;
    for (const auto &factory : mailClientFactories())
        clients.push_back(factory());
    return clients;
}

} // namespace Mail
