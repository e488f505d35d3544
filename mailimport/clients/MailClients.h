#pragma once

#include "mailimport/TOrvMailClient.h"

#include <QList>

#include <functional>
#include <memory>
#include <vector>

namespace Mail {

// The program's mail clients, each made with TOrvMailClient::Create (settings loaded), in
// the order the settings dialog lists them: Outlook, Lotus Notes, Outlook Express.
// Unavailable clients are included; the caller asks IsAvailable().
std::vector<std::unique_ptr<TOrvMailClient>> createMailClients();

// The same clients as factories, one per client and in the same order, for a caller that
// makes them itself (the mail manager).
QList<std::function<std::unique_ptr<TOrvMailClient>()>> mailClientFactories();

} // namespace Mail
