#include "HostShell.h"

#include "ArgumentReader.h"
#include "HostCommand.h"
#include "TFM_ContactMain.h"

#include "hostapi/PluginLoader.h"
#include "hostapi/TModuleClassRegistry.h"
#include "hostapi/TProfileManager.h"

#include "contactdb/Connection.h"

#include "base/Errors.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace Host {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Host::HostShell", text);
}

} // namespace

ShellOptions ShellOptions::parse(const QStringList &arguments)
{
    ArgumentReader reader(arguments);
    ShellOptions options;
    options.profile = reader.takeValue(u"--profile"_s);
    options.screenshot = reader.takeValue(u"--screenshot"_s);
    if (!reader.rest().isEmpty())
        throw UsageError(tr("Nadbytečný argument: %1").arg(reader.rest().first()));
    return options;
}

QString ShellOptions::usage()
{
    return u"  [--profile DIR] [--screenshot FILE.png]\n"
           "      without a command: the host shell window on the profile DIR (default: the demo\n"
           "      profile in ${XDG_DATA_HOME:-~/.local/share}/orvanta/demo, created when missing);\n"
           "      --screenshot renders the window offscreen to FILE.png and exits\n"_s;
}

HostShell::HostShell(ShellOptions options)
    : m_options(std::move(options))
    , m_registry(std::make_unique<TModuleClassRegistry>())
    , m_loader(std::make_unique<PluginLoader>(*m_registry))
{
}

HostShell::~HostShell()
{
    // The window follows the profile manager; it goes first so that closing the profile
    // does not rebuild a window that is being destroyed.
    m_window.reset();
    PM().closeProfile();
}

QString HostShell::demoProfilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/orvanta/demo"_s;
}

void HostShell::ensureDemoProfile(const QString &path)
{
    const QString database = Db::Connection::profileDatabasePath(path);
    if (QFileInfo::exists(database))
        return;
    try {
        TProfileManager::createProfile(path, tr("Ukázkový profil"), 1, true);
    } catch (...) {
        // A half-made demo profile would be opened as it is next time.
        for (const QString &suffix : {u""_s, u"-wal"_s, u"-shm"_s})
            QFile::remove(database + suffix);
        throw;
    }
}

int HostShell::exec()
{
    QString profile = m_options.profile;
    if (profile.isEmpty()) {
        profile = demoProfilePath();
        ensureDemoProfile(profile);
    } else if (!QFileInfo::exists(Db::Connection::profileDatabasePath(profile))) {
        throw EOrvUserError(tr("V adresáři %1 není žádný profil.").arg(QDir::toNativeSeparators(profile)));
    }
    PM().openProfile(profile);
    m_loader->loadFrom(PluginLoader::defaultDirectory());

    const bool snapshot = !m_options.screenshot.isEmpty();
    m_window = std::make_unique<TFM_ContactMain>(*m_registry, *m_loader,
                                                 snapshot ? TFM_ContactMain::Mode::Snapshot
                                                          : TFM_ContactMain::Mode::Interactive);
    if (snapshot) {
        m_window->show();
        QCoreApplication::processEvents();
        if (!m_window->grab().save(m_options.screenshot, "PNG"))
            throw EOrvUserError(tr("Obrázek %1 nelze uložit.").arg(QDir::toNativeSeparators(m_options.screenshot)));
        return 0;
    }
    m_window->listenAsHost();
    m_window->show();
    return QApplication::exec();
}

} // namespace Host
