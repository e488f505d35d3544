#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace Host {

class PluginLoader;
class TFM_ContactMain;
class TModuleClassRegistry;

// The options of velmora-host without a command: the host shell window.
struct ShellOptions
{
    QString profile;                             // empty: the demo profile
    QString screenshot;                          // PNG to render offscreen instead of running

    // Throws UsageError for unknown options or stray arguments.
    static ShellOptions parse(const QStringList &arguments);
    static QString usage();
};

// Starts the host shell: opens the profile (creating the demo profile when it is asked for
// and missing), loads the plug-ins, shows the main window and runs until it closes, or
// renders it to a PNG. Needs a QApplication. GUI thread only.
class HostShell
{
public:
    explicit HostShell(ShellOptions options);
    ~HostShell();
    HostShell(const HostShell &) = delete;
    HostShell &operator=(const HostShell &) = delete;

    // Throws EOrvError when the profile cannot be opened or the screenshot not written.
    int exec();

    // ${XDG_DATA_HOME:-~/.local/share}/orvanta/demo
    static QString demoProfilePath();
    // Creates the demo profile unless it exists; a failed creation leaves nothing behind.
    static void ensureDemoProfile(const QString &path);

private:
    ShellOptions m_options;
    std::unique_ptr<TModuleClassRegistry> m_registry;
    std::unique_ptr<PluginLoader> m_loader;
    std::unique_ptr<TFM_ContactMain> m_window;
};

} // namespace Host
