#include "hostapi/TProfileManager.h"

#include "hostapi/TDataProfil.h"
#include "hostapi/TProfil.h"

#include "contactdb/Connection.h"
#include "contactdb/DemoData.h"

#include "base/Errors.h"
#include "base/Guarded.h"
#include "base/MessageService.h"
#include "base/Paths.h"

#include <QCoreApplication>
#include <QDir>

namespace Host {

namespace {

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(Host::TProfileManager)
};

bool profileHasTable(const char *tableName)
{
    const TProfil *profile = PM().currentProfile();
    return profile && profile->Data().connection().tableExists(QLatin1String(tableName));
}

} // namespace

TProfileManager &TProfileManager::instance()
{
    static TProfileManager manager;
    return manager;
}

TProfileManager::~TProfileManager() = default;

QString TProfileManager::helpDirectory() const
{
    return m_helpDirectory.isEmpty() ? Orv::programFile(QStringLiteral("help")) : m_helpDirectory;
}

void TProfileManager::setHelpDirectory(const QString &directory)
{
    m_helpDirectory = directory;
}

TProfil &TProfileManager::profil() const
{
    if (!m_profile)
        throw EOrvUserError(Tr::tr("Není otevřen žádný profil."), QStringLiteral("no profile open"));
    return *m_profile;
}

void TProfileManager::openProfile(const QString &profilePath, const QString &userDomName)
{
    auto profile = std::make_unique<TProfil>(profilePath, userDomName);
    emit BeforeChangeProfil();
    m_profile = std::move(profile);
    emit AfterChangeProfil();
}

void TProfileManager::closeProfile()
{
    if (!m_profile)
        return;
    emit BeforeChangeProfil();
    m_profile.reset();
    emit AfterChangeProfil();
}

void TProfileManager::requestOpenProfile(const QString &profilePath, const QString &userDomName)
{
    schedule([this, profilePath, userDomName] {
        Orv::guarded([&] { openProfile(profilePath, userDomName); },
                     [this](const QString &userText) {
                         Orv::showError(userText);
                         emit openFailed(userText);
                     });
    });
}

void TProfileManager::requestCloseProfile()
{
    schedule([this] { closeProfile(); });
}

void TProfileManager::schedule(std::function<void()> change)
{
    // Only the last request counts: the user wants the profile asked for last.
    m_pending = std::move(change);
    queueRun();
}

void TProfileManager::queueRun()
{
    if (m_runQueued || isPluginRunning() || !m_pending)
        return;
    m_runQueued = true;
    QMetaObject::invokeMethod(this, &TProfileManager::runPending, Qt::QueuedConnection);
}

void TProfileManager::runPending()
{
    m_runQueued = false;
    if (isPluginRunning() || !m_pending)
        return;
    const auto change = std::exchange(m_pending, {});
    change();
}

void TProfileManager::beginPluginRun()
{
    ++m_pluginRuns;
}

void TProfileManager::endPluginRun()
{
    Q_ASSERT(m_pluginRuns > 0);
    --m_pluginRuns;
    queueRun();
}

void TProfileManager::createProfile(const QString &profilePath, const QString &name, int site, bool demo)
{
    if (!QDir().mkpath(profilePath))
        throw EOrvUserError(Tr::tr("Složku profilu %1 nelze vytvořit.").arg(QDir::toNativeSeparators(profilePath)),
                            QStringLiteral("mkpath %1 failed").arg(profilePath));
    Db::Connection connection;
    connection.openProfile(profilePath);
    connection.setProfile(name, site);
    if (demo)
        Db::DemoData::fill(connection);
}

bool FirmInProfil()
{
    return profileHasTable("FIRM");
}

bool PersonInProfil()
{
    return profileHasTable("PERSON");
}

bool NoteInProfil()
{
    return profileHasTable("NOTE");
}

} // namespace Host
