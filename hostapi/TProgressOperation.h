#pragma once

#include "hostapi/HostApiGlobal.h"

#include <QObject>
#include <QString>

namespace Host {

// The host's progress display for long operations of plug-ins and components. The host
// shell shows it from the signals; the last state is kept for whoever looks later.
// GUI thread only.
class ORV_HOSTAPI_EXPORT TProgressOperation : public QObject
{
    Q_OBJECT

public:
    static TProgressOperation &instance();

    static void Start(const QString &caption);
    // `operation` is the caller's code of the running step; `param1`/`param2` are passed on
    // unchanged (callers give 0 and 1).
    static void SetPosition(int operation, int param1, int param2, const QString &text, int position, int total);
    static void Done();

    bool isActive() const { return m_active; }
    QString caption() const { return m_caption; }
    QString text() const { return m_text; }
    int position() const { return m_position; }
    int total() const { return m_total; }

signals:
    void started(const QString &caption);
    void positionChanged(int operation, const QString &text, int position, int total);
    void finished();

private:
    TProgressOperation() = default;

    bool m_active = false;
    QString m_caption;
    QString m_text;
    int m_position = 0;
    int m_total = 0;
};

} // namespace Host
