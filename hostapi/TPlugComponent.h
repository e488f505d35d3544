#pragma once

#include "hostapi/HostApiGlobal.h"

namespace Host {

// A non-visual part of a plug-in form that is switched on before use.
class ORV_HOSTAPI_EXPORT TPlugComponent
{
public:
    virtual ~TPlugComponent() = default;
    virtual void SetActive(bool active) { m_active = active; }
    bool isActive() const { return m_active; }

private:
    bool m_active = false;
};

} // namespace Host
