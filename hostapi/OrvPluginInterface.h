#pragma once

#include <QtPlugin>

namespace Host {

class TModuleClassRegistry;

// What a plug-in module exports: its root object registers the plug-in's one module class.
// The module's metadata (Q_PLUGIN_METADATA ... FILE "x.json") holds
//   {"id": "GroupFax", "version": "1.0.0.0", "moduleClass": "TPluginGroupFax", "caption": "Hromadný fax"}
// and is read without running plug-in code; "caption" (the menu text) may be left out.
class IOrvPlugin
{
public:
    virtual ~IOrvPlugin() = default;
    virtual void RegisterModuleClass(TModuleClassRegistry &registry) = 0;
};

} // namespace Host

#define OrvPlugin_iid "org.orvanta.Host.IOrvPlugin/1.0"
Q_DECLARE_INTERFACE(Host::IOrvPlugin, OrvPlugin_iid)
