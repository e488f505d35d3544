#pragma once

#include "mailimport/TOrvMailCustomSettings.h"

namespace Mail {

// Section "Global": the chosen client, the attachment directory, the day filter, the
// sort modes and the switches of the main window and the automatic import.
//
// A value. instance() is the program's shared copy, created and loaded on first use; the
// main thread changes it only while no worker runs (workers read it or take a copy).
class TOrvMailGlobalSettings : public TOrvMailCustomSettings
{
public:
    static constexpr int MaxFilterValue = 7300;

    TOrvMailGlobalSettings() = default;
    TOrvMailGlobalSettings(const TOrvMailGlobalSettings &) = default;
    TOrvMailGlobalSettings &operator=(const TOrvMailGlobalSettings &) = default;

    static TOrvMailGlobalSettings &instance();

    bool LoadFromIni(const Orv::IniFile &ini) override;
    bool SaveToIni(Orv::IniFile &ini) const override;
    QString GetSection() const override;

    // The attachment directory with a trailing "/", or empty when none is set. A stored
    // lone delimiter counts as none: attachments must never land in "/" or in whatever the
    // current directory happens to be.
    static QString normalizedDataPath(const QString &path);

    QString MailClientID;
    QString DataPath;
    bool Filter = false;
    int FilterValue = 0;            // days, 0..MaxFilterValue
    int InboxSortMode = 1;
    int OutboxSortMode = 1;
    bool DownloadAfterStart = true;
    bool AlwaysOnTop = false;
    bool HideMailAfterImport = false;
    bool InboxAutomat = false;
    bool OutboxAutomat = false;
    bool PromptForImport = true;

    bool operator==(const TOrvMailGlobalSettings &other) const;
};

} // namespace Mail
