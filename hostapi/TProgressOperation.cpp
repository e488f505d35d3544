#include "hostapi/TProgressOperation.h"

namespace Host {

TProgressOperation &TProgressOperation::instance()
{
    static TProgressOperation progress;
    return progress;
}

void TProgressOperation::Start(const QString &caption)
{
    TProgressOperation &p = instance();
    p.m_active = true;
    p.m_caption = caption;
    p.m_text.clear();
    p.m_position = 0;
    p.m_total = 0;
    emit p.started(caption);
}

void TProgressOperation::SetPosition(int operation, int param1, int param2, const QString &text, int position,
                                     int total)
{
    Q_UNUSED(param1)
    Q_UNUSED(param2)
    TProgressOperation &p = instance();
    p.m_text = text;
    p.m_position = position;
    p.m_total = total;
    emit p.positionChanged(operation, text, position, total);
}

void TProgressOperation::Done()
{
    TProgressOperation &p = instance();
    if (!p.m_active)
        return;
    p.m_active = false;
    emit p.finished();
}

} // namespace Host
