#pragma once

#include "hostapi/TContactObject.h"
#include "hostapi/TPlugComponent.h"

namespace Host {

class TPluginSelector;

// Walks the records of a data source (PW_PluginWalker). Activating it takes a snapshot of
// the source's records, so a run sees a fixed list even if the host's selection changes.
class ORV_HOSTAPI_EXPORT TPluginWalker : public TPlugComponent
{
public:
    explicit TPluginWalker(const TPluginSelector &selector) : m_selector(selector) {}

    void SetActive(bool active) override;
    int recordCount() const { return int(m_records.size()); }
    void First() { m_index = 0; }
    void Next() { ++m_index; }
    bool Eof() const { return m_index >= recordCount(); }
    const TContactObject &current() const { return m_records.at(m_index); }

private:
    const TPluginSelector &m_selector;
    TContactObjectList m_records;
    int m_index = 0;
};

} // namespace Host
