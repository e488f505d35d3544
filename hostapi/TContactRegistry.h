#pragma once

#include "hostapi/HostApiGlobal.h"

#include <QString>

#include <memory>

class QWidget;

namespace Orv {
class IniFile;
}

namespace Host {

// The host's registry key, under which the host and the plug-ins keep their settings.
inline constexpr char RegistryContact[] = "HKEY_CURRENT_USER\\Software\\Velmora\\Contact";

// The registry as the host uses it, kept in registry.ini in the program directory: one
// section per key, named by the key's full path; a key also exists when a subkey has a
// section. "Key missing" and "value missing" stay distinguishable (`lookup()`).
// Key paths starting with "HKEY_" are absolute, others relative to the open key.
// Changes are written on `CloseKey()` and on destruction. Not thread-safe.
class ORV_HOSTAPI_EXPORT TContactRegistry
{
public:
    enum class Lookup { Found, KeyMissing, ValueMissing };

    explicit TContactRegistry(const QString &fileName = defaultFileName());
    ~TContactRegistry();
    TContactRegistry(const TContactRegistry &) = delete;
    TContactRegistry &operator=(const TContactRegistry &) = delete;

    static QString defaultFileName();            // <program directory>/registry.ini

    // False when the key does not exist and `canCreate` is false; the open key is then unchanged.
    bool openKey(const QString &key, bool canCreate);
    QString currentKey() const;                  // empty when none is open
    bool keyExists(const QString &key) const;
    bool valueExists(const QString &name) const; // in the open key
    Lookup lookup(const QString &key, const QString &name) const;

    QString readString(const QString &name, const QString &defaultValue = {}) const;
    int readInteger(const QString &name, int defaultValue = 0) const;
    bool readBool(const QString &name, bool defaultValue = false) const;
    void writeString(const QString &name, const QString &value);
    void writeInteger(const QString &name, int value);
    void writeBool(const QString &name, bool value);
    void deleteValue(const QString &name);

    // A form's position: the key RegistryContact\Positions\<formName>.
    static QString positionKey(const QString &formName);
    bool OpenKeyPosition(const QString &formName);
    // Puts the stored position on `form`, moved and shrunk to fit the screen it lands on.
    // False (and `form` untouched) when no complete position is stored.
    bool ReadPositionCorrect(QWidget *form) const;
    void WritePosition(const QWidget *form);
    // Writes pending changes and closes the open key. Throws EOrvIoError when the file
    // cannot be written.
    void CloseKey();

private:
    QString absoluteKey(const QString &key) const;

    std::unique_ptr<Orv::IniFile> m_ini;
    QString m_currentKey;
};

} // namespace Host
