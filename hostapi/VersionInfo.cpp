#include "hostapi/VersionInfo.h"

#include "base/Version.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonObject>
#include <QPluginLoader>

#include <dlfcn.h>

namespace Host {

QString moduleFileName(const void *address)
{
    Dl_info info{};
    if (dladdr(address, &info) == 0 || !info.dli_fname)
        return {};
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteFilePath();
}

QString GetVersionInfo(const QString &moduleFileName, const QString &key)
{
    if (key.compare(u"FileVersion", Qt::CaseInsensitive) != 0)
        return {};
    const QFileInfo module(moduleFileName);
    if (module.absoluteFilePath() == QFileInfo(QCoreApplication::applicationFilePath()).absoluteFilePath()
        || module.absoluteFilePath() == Host::moduleFileName(reinterpret_cast<const void *>(&GetVersionInfo)))
        return Orv::fileVersion();
    const QJsonObject metaData = QPluginLoader(module.absoluteFilePath()).metaData();
    return metaData.value(u"MetaData").toObject().value(u"version").toString();
}

} // namespace Host
