#pragma once

#include "hostapi/TOrvBaseExternalModul.h"

namespace Host {

// Where the records of a plug-in run come from: the first argument of Execute.
enum TDataSourceKind {
    dsTreeLink = 80,                             // records placed in a folder of the category tree
    dsSelection = 90,                            // records of a selection
    dsFilter = 160,                              // records of a search result
};

// The arguments of the host's Execute call, kept for the plug-in.
struct TExecuteArguments
{
    int params[6] = {};
    QString texts[2];
    int dataSourceKind() const { return params[0]; }
};

// The module class every contact plug-in derives from. Execute keeps its arguments, so
// that the plug-in's form can read the data source kind.
class ORV_HOSTAPI_EXPORT TExternalContactModul : public TOrvBaseExternalModul
{
public:
    using TOrvBaseExternalModul::TOrvBaseExternalModul;
    using TOrvBaseExternalModul::Execute;

    bool Init() override;
    bool Close() override;
    bool Execute(int p1, int p2, int p3, int p4, int p5, int p6, const QString &s1, const QString &s2) override;

    bool isInitialized() const { return m_initialized; }
    const TExecuteArguments &executeArguments() const { return m_arguments; }
    int DataSourceKind() const { return m_arguments.dataSourceKind(); }

private:
    bool m_initialized = false;
    TExecuteArguments m_arguments;
};

} // namespace Host
