#pragma once

#include "hostapi/TContactObject.h"
#include "hostapi/TPlugComponent.h"

#include <functional>

namespace Host {

class TPluginWalker;

// Runs a plug-in's operation over the records of its data source (PO_PluginOperator):
// BeforeRun, OnDataChange once per record, OnPause when the user asked for a pause
// (before the next record; setting `continueRun` false cancels), AfterRun with the
// cancelled flag. Events of the user (the pause button) are processed between records.
// An exception from a handler cancels the run: AfterRun(true) is called, then the
// exception goes on to the caller. GUI thread only.
class ORV_HOSTAPI_EXPORT TPlugOperator : public TPlugComponent
{
public:
    explicit TPlugOperator(TPluginWalker &walker) : m_walker(walker) {}

    std::function<void()> BeforeRun;
    std::function<void(const TContactObject &record)> OnDataChange;
    std::function<void(bool &continueRun)> OnPause;
    std::function<void(bool cancelled)> AfterRun;

    void SetActive(bool active) override;        // also (de)activates the walker
    int RecordCount() const;
    int Counter() const { return m_counter; }    // records done in this run
    void ClearCounter() { m_counter = 0; }
    // The record being processed; GetID gives its key by record kind.
    const TContactObject &CurrentObject() const { return m_current; }

    void Run();
    void Pause() { m_pauseRequested = true; }
    bool isRunning() const { return m_running; }

private:
    bool pausedToCancel();

    TPluginWalker &m_walker;
    TContactObject m_current;
    int m_counter = 0;
    bool m_running = false;
    bool m_pauseRequested = false;
};

} // namespace Host
