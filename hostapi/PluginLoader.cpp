// Design note: each plug-in file moves through
//   Found       metadata read (no plug-in code run) and complete: IID, id, moduleClass
//   Loaded      the library is loaded (all symbols resolved) and its root object is an IOrvPlugin
//   Registered  its RegisterModuleClass registered exactly the class its metadata names
//   Failed      any step went wrong; errorText says which, in Czech
// The class is registered into a scratch registry first and copied into the host's only
// when the plug-in behaved, so a failed plug-in leaves no class behind.
#include "hostapi/PluginLoader.h"

#include "hostapi/OrvPluginInterface.h"
#include "hostapi/TModuleClassRegistry.h"

#include "base/Errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <QLibrary>
#include <QLoggingCategory>
#include <QPluginLoader>

namespace Host {

namespace {

Q_LOGGING_CATEGORY(lcPlugins, "orvanta.host.plugins")

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(Host::PluginLoader)
};

} // namespace

struct PluginLoader::Private
{
    TModuleClassRegistry &registry;
    QList<PluginInfo> found;
    std::vector<std::unique_ptr<QPluginLoader>> libraries;

    PluginInfo load(const QString &fileName);
    bool readMetaData(QPluginLoader &library, PluginInfo &info);
    bool instantiate(QPluginLoader &library, PluginInfo &info, IOrvPlugin *&plugin);
    bool registerClass(IOrvPlugin *plugin, PluginInfo &info);
};

PluginLoader::PluginLoader(TModuleClassRegistry &registry)
    : d(new Private{registry, {}, {}})
{
}

PluginLoader::~PluginLoader() = default;

QString PluginLoader::defaultDirectory()
{
    const QString fromEnvironment = qEnvironmentVariable("ORV_PLUGIN_PATH");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/../plugins")).absolutePath();
}

QList<PluginInfo> PluginLoader::loadFrom(const QString &directory)
{
    QList<PluginInfo> loaded;
    const QFileInfoList files = QDir(directory).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo &file : files) {
        const QString fileName = file.absoluteFilePath();
        if (!QLibrary::isLibrary(fileName))
            continue;
        const bool known = std::any_of(d->found.cbegin(), d->found.cend(),
                                       [&](const PluginInfo &info) { return info.fileName == fileName; });
        if (known)
            continue;
        const PluginInfo info = d->load(fileName);
        if (info.state == PluginInfo::State::Failed)
            qCWarning(lcPlugins).noquote() << "Plug-in" << fileName << "failed:" << info.errorText;
        d->found.append(info);
        loaded.append(info);
    }
    return loaded;
}

QList<PluginInfo> PluginLoader::plugins() const
{
    return d->found;
}

const PluginInfo *PluginLoader::pluginForClass(const QString &className) const
{
    for (const PluginInfo &info : d->found) {
        if (info.state == PluginInfo::State::Registered && info.moduleClass.compare(className, Qt::CaseInsensitive) == 0)
            return &info;
    }
    return nullptr;
}

PluginInfo PluginLoader::Private::load(const QString &fileName)
{
    PluginInfo info;
    info.fileName = fileName;
    auto library = std::make_unique<QPluginLoader>(fileName);
    // Resolve every symbol now: a missing one must fail the load, not crash a later call.
    library->setLoadHints(QLibrary::ResolveAllSymbolsHint);
    IOrvPlugin *plugin = nullptr;
    if (readMetaData(*library, info) && instantiate(*library, info, plugin) && registerClass(plugin, info))
        libraries.push_back(std::move(library));
    return info;
}

bool PluginLoader::Private::readMetaData(QPluginLoader &library, PluginInfo &info)
{
    const QJsonObject root = library.metaData();
    const QString baseName = QFileInfo(info.fileName).fileName();
    if (root.value(u"IID").toString() != QLatin1String(OrvPlugin_iid)) {
        info.state = PluginInfo::State::Failed;
        info.errorText = Tr::tr("Soubor %1 není zásuvný modul tohoto programu nebo je pro jinou verzi.").arg(baseName);
        return false;
    }
    const QJsonObject meta = root.value(u"MetaData").toObject();
    info.id = meta.value(u"id").toString();
    info.version = meta.value(u"version").toString();
    info.moduleClass = meta.value(u"moduleClass").toString();
    info.caption = meta.value(u"caption").toString(info.id);
    if (info.id.isEmpty() || info.moduleClass.isEmpty()) {
        info.state = PluginInfo::State::Failed;
        info.errorText = Tr::tr("Zásuvný modul %1 nemá v popisu identifikátor nebo třídu modulu.").arg(baseName);
        return false;
    }
    info.state = PluginInfo::State::Found;
    return true;
}

bool PluginLoader::Private::instantiate(QPluginLoader &library, PluginInfo &info, IOrvPlugin *&plugin)
{
    QObject *root = library.instance();
    plugin = qobject_cast<IOrvPlugin *>(root);
    if (!plugin) {
        info.state = PluginInfo::State::Failed;
        info.errorText = Tr::tr("Zásuvný modul %1 nelze načíst: %2").arg(info.id, library.errorString());
        return false;
    }
    info.state = PluginInfo::State::Loaded;
    return true;
}

bool PluginLoader::Private::registerClass(IOrvPlugin *plugin, PluginInfo &info)
{
    TModuleClassRegistry scratch;
    QString failure;
    try {
        plugin->RegisterModuleClass(scratch);
        const QStringList names = scratch.classNames();
        if (names.size() != 1 || names.first().compare(info.moduleClass, Qt::CaseInsensitive) != 0)
            failure = Tr::tr("Zásuvný modul %1 nezaregistroval třídu %2.").arg(info.id, info.moduleClass);
        else
            registry.adopt(scratch);
    } catch (const EOrvError &error) {
        failure = error.userText();
    } catch (const std::exception &error) {
        failure = QString::fromLocal8Bit(error.what());
    } catch (...) {
        failure = Tr::tr("neznámá chyba");
    }
    if (!failure.isEmpty()) {
        info.state = PluginInfo::State::Failed;
        info.errorText = Tr::tr("Zásuvný modul %1 se nepodařilo zaregistrovat: %2").arg(info.id, failure);
        return false;
    }
    info.state = PluginInfo::State::Registered;
    return true;
}

} // namespace Host
