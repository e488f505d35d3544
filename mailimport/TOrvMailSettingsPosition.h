#pragma once

#include "mailimport/TOrvMailCustomSettings.h"

#include <QList>
#include <QRect>

namespace Mail {

// Section "Position": the main window's last geometry. A value.
class TOrvMailSettingsPosition : public TOrvMailCustomSettings
{
public:
    TOrvMailSettingsPosition() = default;
    TOrvMailSettingsPosition(const TOrvMailSettingsPosition &) = default;
    TOrvMailSettingsPosition &operator=(const TOrvMailSettingsPosition &) = default;

    bool LoadFromIni(const Orv::IniFile &ini) override;
    bool SaveToIni(Orv::IniFile &ini) const override;
    QString GetSection() const override;

    // Worth restoring: a positive size and the top-left or the top-right corner on one of
    // the monitors (screen geometries in virtual-desktop coordinates).
    bool isValid(const QList<QRect> &monitors) const;

    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

} // namespace Mail
