#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace Orv {

// An ini file with the rules of the Windows profile API as the original programs used it:
// section and key names compare ignoring case, the first occurrence wins, a value is the
// text after the first "=" trimmed with one pair of surrounding quotes removed, with no
// escapes and no list splitting. Integers are decimal or "$"/"0x" hex, else the default;
// booleans read as integer != 0 and are written "1"/"0".
// Writes keep other sections, keys, comments and order; a new key goes to the end of its
// section, a new section to the end of the file. A value that would not read back as written
// (blanks at either end, surrounding quotes) is written in double quotes; line breaks in
// names and values become blanks. `save()` (also called by the destructor when changed)
// writes atomically (temporary file + rename) in UTF-8, keeping a BOM and CR LF line breaks
// the file had. A file that is not valid UTF-8 is read as cp1250. A missing file reads as
// empty; a file that exists but cannot be read is never overwritten (`save()` throws).
// Not thread-safe; one object per thread.
class IniFile
{
public:
    explicit IniFile(const QString &fileName);
    ~IniFile();
    IniFile(const IniFile &) = delete;
    IniFile &operator=(const IniFile &) = delete;

    QString fileName() const;

    QString readString(const QString &section, const QString &key, const QString &defaultValue = {}) const;
    int readInteger(const QString &section, const QString &key, int defaultValue = 0) const;
    bool readBool(const QString &section, const QString &key, bool defaultValue = false) const;
    // Delphi's ReadFloat: "." or "," as decimal separator, else the default.
    double readFloat(const QString &section, const QString &key, double defaultValue = 0.0) const;

    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value);

    bool sectionExists(const QString &section) const; // has at least one key, as TIniFile reports
    bool valueExists(const QString &section, const QString &key) const;
    QStringList sections() const;
    QStringList keys(const QString &section) const; // first occurrences, file order
    void eraseSection(const QString &section);                 // every copy of the section
    void deleteKey(const QString &section, const QString &key); // every copy in the first section

    // Writes pending changes; throws EOrvIoError when the file cannot be written.
    void save();
    bool isModified() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace Orv
