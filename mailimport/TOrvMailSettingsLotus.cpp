#include "mailimport/TOrvMailSettingsLotus.h"

#include "base/IniFile.h"

namespace Mail {

namespace {

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

} // namespace

QString TOrvMailSettingsLotus::GetSection() const
{
    return QStringLiteral("notes7");
}

std::unique_ptr<TOrvMailClientSettings> TOrvMailSettingsLotus::clone() const
{
    return std::make_unique<TOrvMailSettingsLotus>(*this);
}

bool TOrvMailSettingsLotus::LoadFromIni(const Orv::IniFile &ini)
{
    TOrvMailClientSettings::LoadFromIni(ini);
    if (ini.valueExists(GetSection(), QStringLiteral("Password")))
        Password = unscramblePassword(ini.readString(GetSection(), QStringLiteral("Password")));
    return true;
}

bool TOrvMailSettingsLotus::SaveToIni(Orv::IniFile &ini) const
{
    TOrvMailClientSettings::SaveToIni(ini);
    ini.writeString(GetSection(), QStringLiteral("Password"), scramblePassword(Password));
    return true;
}

QString TOrvMailSettingsLotus::scramblePassword(const QString &password)
{
    QByteArray bytes = password.toUtf8();
    for (char &byte : bytes)
        byte = char(quint8(byte) ^ ScrambleKey);
    return QString::fromLatin1(bytes.toHex().toUpper());
}

QString TOrvMailSettingsLotus::unscramblePassword(const QString &text)
{
    QByteArray bytes;
    for (qsizetype i = 0; i + 1 < text.size(); i += 2) {
        const int high = hexValue(text.at(i));
        const int low = hexValue(text.at(i + 1));
        if (high < 0 || low < 0)
            break;
        bytes.append(char(quint8(high * 16 + low) ^ ScrambleKey));
    }
    return QString::fromUtf8(bytes);
}

} // namespace Mail
