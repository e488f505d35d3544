#pragma once

#include "hostapi/HostApiGlobal.h"

#include <QString>

namespace Host {

class TOrvBaseModul;

// The root of the module classes the host creates for a plug-in. The host drives a module
// in this order: construction with its owner, Create(), Init(), Execute(kind, …), Close(),
// destruction. Virtual operations are declared in the host's slot order.
// Identity object, GUI thread only.
class ORV_HOSTAPI_EXPORT TOrvBaseExternalModul
{
public:
    explicit TOrvBaseExternalModul(TOrvBaseModul *owner);
    virtual ~TOrvBaseExternalModul();
    TOrvBaseExternalModul(const TOrvBaseExternalModul &) = delete;
    TOrvBaseExternalModul &operator=(const TOrvBaseExternalModul &) = delete;

    TOrvBaseModul *Owner() const { return m_owner; }

    virtual bool Init();
    virtual bool Close();
    virtual bool Busy();
    virtual bool Execute();
    // Plug-ins set themselves up here, after construction.
    virtual void Create();
    virtual void BeforeChangeProfil();
    virtual void AfterChangeProfil();
    virtual void BeforeOpenProfil();
    virtual void AfterOpenProfil();
    virtual void AfterOpenManager();
    virtual void BeforeCloseManager();
    virtual void FillPlugin(int p1, int p2, int p3, int p4, int p5, int p6, const QString &s1, const QString &s2);
    virtual bool Execute(int p1, int p2, int p3, int p4, int p5, int p6, const QString &s1, const QString &s2);

private:
    TOrvBaseModul *m_owner;
};

} // namespace Host
