#pragma once

#include "hostapi/HostApiGlobal.h"

#include <QList>
#include <QString>

#include <memory>

namespace Host {

class TModuleClassRegistry;

// What the host knows of one plug-in file.
struct PluginInfo
{
    enum class State { Found, Loaded, Registered, Failed };

    QString fileName;
    QString id;
    QString version;
    QString moduleClass;
    QString caption;                             // menu text; the id when the metadata has none
    State state = State::Found;
    QString errorText;                           // Czech, for the user; set when Failed
};

// Finds the plug-in modules of a folder, loads them and lets each register its module
// class into `registry`. A plug-in that fails at any step is kept with its error text and
// never takes the host down; plug-ins are never unloaded (their classes stay registered).
// GUI thread only.
class ORV_HOSTAPI_EXPORT PluginLoader
{
public:
    explicit PluginLoader(TModuleClassRegistry &registry);
    ~PluginLoader();
    PluginLoader(const PluginLoader &) = delete;
    PluginLoader &operator=(const PluginLoader &) = delete;

    // $ORV_PLUGIN_PATH when set, else the "plugins" folder beside the program's folder.
    static QString defaultDirectory();

    // Loads every library file of `directory` not loaded yet; returns the found of this call.
    QList<PluginInfo> loadFrom(const QString &directory);
    QList<PluginInfo> plugins() const;
    // The registered plug-in whose module class is `className` (ignoring case), or nullptr.
    const PluginInfo *pluginForClass(const QString &className) const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace Host
