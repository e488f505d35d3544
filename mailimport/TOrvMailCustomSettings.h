#pragma once

#include <QString>

namespace Orv { class IniFile; }

namespace Mail {

// Base of every settings group of the mail import program. All groups live as sections of
// one ini file in the program directory ("OrvantaMailImport.ini").
//
// A group is a value; the hierarchy is polymorphic only for loading and saving, so copy a
// group at its concrete type. Threads: a group has no lock; the workers get their own copy.
class TOrvMailCustomSettings
{
public:
    virtual ~TOrvMailCustomSettings();

    virtual bool LoadFromIni(const Orv::IniFile &ini) = 0;
    virtual bool SaveToIni(Orv::IniFile &ini) const = 0;
    virtual QString GetSection() const = 0;

    static QString fileName();
    // Runs LoadFromIni when the settings file exists; otherwise keeps the current values
    // and returns false.
    static bool Load(TOrvMailCustomSettings &settings);
    static bool Load(TOrvMailCustomSettings &settings, const QString &fileName);
    // Opens or creates the file and runs SaveToIni; false (and a log line) when the file
    // cannot be written.
    static bool Save(const TOrvMailCustomSettings &settings);
    static bool Save(const TOrvMailCustomSettings &settings, const QString &fileName);

protected:
    TOrvMailCustomSettings() = default;
    TOrvMailCustomSettings(const TOrvMailCustomSettings &) = default;
    TOrvMailCustomSettings &operator=(const TOrvMailCustomSettings &) = default;
};

} // namespace Mail
