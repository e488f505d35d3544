#include "visual/TTreeView95.h"

#include "visual/Look.h"

#include <QHelpEvent>
#include <QTimer>
#include <QToolTip>

#include <functional>

namespace {

void forEachItem(QTreeWidgetItem *item, int depth, const std::function<void(QTreeWidgetItem *, int)> &visit)
{
    visit(item, depth);
    for (int i = 0; i < item->childCount(); ++i)
        forEachItem(item->child(i), depth + 1, visit);
}

} // namespace

TTreeView95::TTreeView95(QWidget *parent)
    : QTreeWidget(parent)
{
    setFont(Visual::defaultFont());
    setHeaderHidden(true);
    QTimer::singleShot(0, this, &TTreeView95::afterCreate);
}

TTreeView95::~TTreeView95()
{
    emit beforeDestroy();
}

void TTreeView95::AssignEx(const QTreeWidget &source)
{
    clear();
    for (int i = 0; i < source.topLevelItemCount(); ++i)
        addTopLevelItem(source.topLevelItem(i)->clone());
}

void TTreeView95::FullExpandEx(int level)
{
    for (int i = 0; i < topLevelItemCount(); ++i)
        forEachItem(topLevelItem(i), 0, [level](QTreeWidgetItem *item, int depth) {
            if (depth < level)
                item->setExpanded(true);
        });
}

void TTreeView95::FullCollapseEx(int level)
{
    for (int i = 0; i < topLevelItemCount(); ++i)
        forEachItem(topLevelItem(i), 0, [level](QTreeWidgetItem *item, int depth) {
            if (depth >= level)
                item->setExpanded(false);
        });
}

bool TTreeView95::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        if (QTreeWidgetItem *item = itemAt(help->pos())) {
            QString text = item->toolTip(0);
            emit hint(item, &text);
            QToolTip::showText(help->globalPos(), text, this);
            return true;
        }
    }
    return QTreeWidget::viewportEvent(event);
}
