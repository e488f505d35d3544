#include "hostapi/TExternalContactModul.h"

namespace Host {

bool TExternalContactModul::Init()
{
    m_initialized = TOrvBaseExternalModul::Init();
    return m_initialized;
}

bool TExternalContactModul::Close()
{
    m_initialized = false;
    return TOrvBaseExternalModul::Close();
}

bool TExternalContactModul::Execute(int p1, int p2, int p3, int p4, int p5, int p6, const QString &s1,
                                    const QString &s2)
{
    m_arguments = {{p1, p2, p3, p4, p5, p6}, {s1, s2}};
    return TOrvBaseExternalModul::Execute(p1, p2, p3, p4, p5, p6, s1, s2);
}

} // namespace Host
