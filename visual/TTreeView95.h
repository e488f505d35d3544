#pragma once

#include "visual/VisualGlobal.h"

#include <QTreeWidget>

// A tree with level-limited expanding and collapsing and a copy of another tree with the
// items' data.
class ORV_VISUAL_EXPORT TTreeView95 : public QTreeWidget
{
    Q_OBJECT
public:
    explicit TTreeView95(QWidget *parent = nullptr);
    ~TTreeView95() override;

    // Replaces the items by copies of `source`'s, data included.
    void AssignEx(const QTreeWidget &source);
    // Expands (collapses) every item whose depth is below `level` (0: top items).
    void FullExpandEx(int level);
    void FullCollapseEx(int level);

signals:
    void hint(QTreeWidgetItem *item, QString *text);
    void afterCreate();
    void beforeDestroy();

protected:
    bool viewportEvent(QEvent *event) override;
};
