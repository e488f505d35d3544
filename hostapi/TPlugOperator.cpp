#include "hostapi/TPlugOperator.h"

#include "hostapi/TPluginWalker.h"

#include <QCoreApplication>

namespace Host {

void TPlugOperator::SetActive(bool active)
{
    TPlugComponent::SetActive(active);
    m_walker.SetActive(active);
}

int TPlugOperator::RecordCount() const
{
    return m_walker.recordCount();
}

bool TPlugOperator::pausedToCancel()
{
    QCoreApplication::processEvents();
    if (!m_pauseRequested)
        return false;
    m_pauseRequested = false;
    bool continueRun = true;
    if (OnPause)
        OnPause(continueRun);
    return !continueRun;
}

void TPlugOperator::Run()
{
    Q_ASSERT(!m_running);
    m_running = true;
    m_pauseRequested = false;
    bool cancelled = false;
    try {
        if (BeforeRun)
            BeforeRun();
        for (m_walker.First(); !m_walker.Eof(); m_walker.Next()) {
            if (pausedToCancel()) {
                cancelled = true;
                break;
            }
            m_current = m_walker.current();
            if (OnDataChange)
                OnDataChange(m_current);
            ++m_counter;
        }
    } catch (...) {
        m_running = false;
        if (AfterRun)
            AfterRun(true);
        throw;
    }
    m_running = false;
    if (AfterRun)
        AfterRun(cancelled);
}

} // namespace Host
