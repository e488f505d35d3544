#pragma once

#include "visual/VisualGlobal.h"

#include <QTreeWidget>

// A report-style list with optional tool tips showing an item's full text.
class ORV_VISUAL_EXPORT TListView95 : public QTreeWidget
{
    Q_OBJECT
public:
    explicit TListView95(QWidget *parent = nullptr);

    bool toolTips() const { return m_toolTips; }
    void setToolTips(bool toolTips) { m_toolTips = toolTips; }

protected:
    bool viewportEvent(QEvent *event) override;

private:
    bool m_toolTips = true;
};
