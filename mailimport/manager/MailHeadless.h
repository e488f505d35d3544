#pragma once

#include "mailimport/manager/TOrvMailManager.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace Mail {

// One folder (or Notes view) of a mail client as its folder picker and --folders list it.
struct MailFolderInfo
{
    QString id;         // the client's identifier; empty where the client knows folders by name
    QString name;
    int count = -1;     // messages in the folder; below 0 when the client does not say

    bool operator==(const MailFolderInfo &other) const = default;
};

// What the headless run needs from the program: its mail clients and, for --folders, a way
// to list a client's folders (the core client has no such operation; the real clients do).
struct HeadlessEnvironment
{
    QList<TOrvMailManager::ClientFactory> clientFactories = TOrvMailManager::defaultClientFactories();
    std::function<QList<MailFolderInfo>(TOrvMailClient &client)> listFolders = defaultFolderLister();

    // The real clients' folder listing when they are built in, else none.
    static std::function<QList<MailFolderInfo>(TOrvMailClient &client)> defaultFolderLister();
};

// The mail import without a window, for scripts and checks:
//   --headless [--start FLAGS] [--yes]   run the queue (default 7) and list the messages
//   --headless --folders                 list the configured client's folders
//   --headless --save UNIQUEID [--attach all|none|NAME,...]
//                                        download, then save that message to the host's subject
// `args` are the arguments after the program name. Messages go to stdout as tab-separated
// lines, status and progress to stderr. Returns the exit code: 0 success, 1 failure,
// 2 bad arguments. Needs (or makes) a QCoreApplication; runs its event loop meanwhile.
int runHeadless(const QStringList &args);
int runHeadless(const QStringList &args, const HeadlessEnvironment &environment);

// The usage text printed by --help.
QString headlessUsage();

} // namespace Mail
