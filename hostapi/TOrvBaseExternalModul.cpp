#include "hostapi/TOrvBaseExternalModul.h"

namespace Host {

TOrvBaseExternalModul::TOrvBaseExternalModul(TOrvBaseModul *owner)
    : m_owner(owner)
{
}

TOrvBaseExternalModul::~TOrvBaseExternalModul() = default;

bool TOrvBaseExternalModul::Init()
{
    return true;
}

bool TOrvBaseExternalModul::Close()
{
    return true;
}

bool TOrvBaseExternalModul::Busy()
{
    return false;
}

bool TOrvBaseExternalModul::Execute()
{
    return true;
}

void TOrvBaseExternalModul::Create() {}
void TOrvBaseExternalModul::BeforeChangeProfil() {}
void TOrvBaseExternalModul::AfterChangeProfil() {}
void TOrvBaseExternalModul::BeforeOpenProfil() {}
void TOrvBaseExternalModul::AfterOpenProfil() {}
void TOrvBaseExternalModul::AfterOpenManager() {}
void TOrvBaseExternalModul::BeforeCloseManager() {}

void TOrvBaseExternalModul::FillPlugin(int, int, int, int, int, int, const QString &, const QString &) {}

bool TOrvBaseExternalModul::Execute(int, int, int, int, int, int, const QString &, const QString &)
{
    return true;
}

} // namespace Host
