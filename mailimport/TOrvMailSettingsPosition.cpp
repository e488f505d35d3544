#include "mailimport/TOrvMailSettingsPosition.h"

#include "base/IniFile.h"

namespace Mail {

namespace {
const QString Section = QStringLiteral("Position");
}

QString TOrvMailSettingsPosition::GetSection() const
{
    return Section;
}

bool TOrvMailSettingsPosition::LoadFromIni(const Orv::IniFile &ini)
{
    Left = ini.readInteger(Section, QStringLiteral("Left"), Left);
    Top = ini.readInteger(Section, QStringLiteral("Top"), Top);
    Width = ini.readInteger(Section, QStringLiteral("Width"), Width);
    Height = ini.readInteger(Section, QStringLiteral("Height"), Height);
    return true;
}

bool TOrvMailSettingsPosition::SaveToIni(Orv::IniFile &ini) const
{
    ini.writeInteger(Section, QStringLiteral("Left"), Left);
    ini.writeInteger(Section, QStringLiteral("Top"), Top);
    ini.writeInteger(Section, QStringLiteral("Width"), Width);
    ini.writeInteger(Section, QStringLiteral("Height"), Height);
    return true;
}

bool TOrvMailSettingsPosition::isValid(const QList<QRect> &monitors) const
{
    if (Width <= 0 || Height <= 0)
        return false;
    const auto onMonitor = [&](const QPoint &point) {
        for (const QRect &monitor : monitors) {
            if (monitor.contains(point))
                return true;
        }
        return false;
    };
    // Widths beyond int range cannot come from a real window; compute in 64 bits anyway.
    const qint64 right = qint64(Left) + Width;
    return onMonitor(QPoint(Left, Top)) || (right <= INT_MAX && onMonitor(QPoint(int(right), Top)));
}

} // namespace Mail
