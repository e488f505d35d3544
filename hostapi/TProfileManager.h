#pragma once

#include "hostapi/HostApiGlobal.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace Host {

class TProfil;

// The profile manager: the help directory and the one open profile.
//
// A profile switch destroys the profile every view and form works on, so a switch asked
// for from a handler (a button of a form that the switch rebuilds) is queued: it runs from
// the event loop after that handler, and not at all while a plug-in runs (it waits for the
// run's end). GUI thread only.
class ORV_HOSTAPI_EXPORT TProfileManager : public QObject
{
    Q_OBJECT

public:
    static TProfileManager &instance();

    QString helpDirectory() const;               // <program directory>/help unless set
    void setHelpDirectory(const QString &directory);

    TProfil *currentProfile() const { return m_profile.get(); }
    TProfil &profil() const;                     // throws EOrvUserError when none is open

    // Opens at once; throws EOrvError (the former profile stays open then).
    void openProfile(const QString &profilePath, const QString &userDomName = QStringLiteral("SUPERVISOR"));
    void closeProfile();
    // The queued form for handlers; a failure is shown through the message service and
    // reported by `openFailed`.
    void requestOpenProfile(const QString &profilePath, const QString &userDomName = QStringLiteral("SUPERVISOR"));
    void requestCloseProfile();

    // Creates a profile folder and its database. Throws EOrvError.
    static void createProfile(const QString &profilePath, const QString &name, int site, bool demo);

    // Held by the plug-in runner while a plug-in works on the open profile.
    void beginPluginRun();
    void endPluginRun();
    bool isPluginRunning() const { return m_pluginRuns > 0; }

signals:
    void BeforeChangeProfil();                   // the open profile is about to close
    void AfterChangeProfil();                    // a profile (or none) is now current
    void openFailed(const QString &userText);

private:
    TProfileManager() = default;
    ~TProfileManager() override;
    void schedule(std::function<void()> change);
    void queueRun();
    void runPending();

    std::unique_ptr<TProfil> m_profile;
    QString m_helpDirectory;
    int m_pluginRuns = 0;
    std::function<void()> m_pending;
    bool m_runQueued = false;
};

inline TProfileManager &PM()
{
    return TProfileManager::instance();
}

// True when the open profile holds records of that kind.
ORV_HOSTAPI_EXPORT bool FirmInProfil();
ORV_HOSTAPI_EXPORT bool PersonInProfil();
ORV_HOSTAPI_EXPORT bool NoteInProfil();

} // namespace Host
