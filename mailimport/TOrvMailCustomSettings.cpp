#include "mailimport/TOrvMailCustomSettings.h"

#include "base/Errors.h"
#include "base/IniFile.h"
#include "base/Paths.h"

#include <QFileInfo>
#include <QLoggingCategory>

namespace Mail {

Q_LOGGING_CATEGORY(lcSettings, "orvanta.mail.settings")

TOrvMailCustomSettings::~TOrvMailCustomSettings() = default;

QString TOrvMailCustomSettings::fileName()
{
    return Orv::programFile(QStringLiteral("OrvantaMailImport.ini"));
}

bool TOrvMailCustomSettings::Load(TOrvMailCustomSettings &settings)
{
    return Load(settings, fileName());
}

bool TOrvMailCustomSettings::Load(TOrvMailCustomSettings &settings, const QString &fileName)
{
    if (!QFileInfo::exists(fileName))
        return false;
    const Orv::IniFile ini(fileName);
    return settings.LoadFromIni(ini);
}

bool TOrvMailCustomSettings::Save(const TOrvMailCustomSettings &settings)
{
    return Save(settings, fileName());
}

bool TOrvMailCustomSettings::Save(const TOrvMailCustomSettings &settings, const QString &fileName)
{
    try {
        Orv::IniFile ini(fileName);
        const bool ok = settings.SaveToIni(ini);
        ini.save();
        return ok;
    } catch (const EOrvError &error) {
        qCWarning(lcSettings) << "cannot save settings to" << fileName << error.detail();
        return false;
    }
}

} // namespace Mail
