#include "visual/TListView95.h"

#include "visual/Look.h"

#include <QHelpEvent>
#include <QToolTip>

TListView95::TListView95(QWidget *parent)
    : QTreeWidget(parent)
{
    setFont(Visual::defaultFont());
    setRootIsDecorated(false);
    setUniformRowHeights(true);
}

bool TListView95::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        if (!m_toolTips)
            return true;
        auto *help = static_cast<QHelpEvent *>(event);
        const QModelIndex index = indexAt(help->pos());
        if (index.isValid()) {
            QToolTip::showText(help->globalPos(), index.data().toString(), this);
            return true;
        }
    }
    return QTreeWidget::viewportEvent(event);
}
