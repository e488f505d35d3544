#include "visual/TStringGrid95.h"

#include "visual/Look.h"

#include <QHeaderView>

TStringGrid95::TStringGrid95(QWidget *parent)
    : QTableWidget(parent)
{
    setFont(Visual::defaultFont());
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &TStringGrid95::columnWidthsChanged);
    connect(verticalHeader(), &QHeaderView::sectionResized, this, &TStringGrid95::rowHeightsChanged);
}

void TStringGrid95::InvalidateCell(int column, int row)
{
    viewport()->update(visualRect(model()->index(row, column)));
}

void TStringGrid95::focusInEvent(QFocusEvent *event)
{
    QTableWidget::focusInEvent(event);
    emit setFocusReceived();
}

void TStringGrid95::focusOutEvent(QFocusEvent *event)
{
    QTableWidget::focusOutEvent(event);
    emit killFocusReceived();
}

void TStringGrid95::resizeEvent(QResizeEvent *event)
{
    QTableWidget::resizeEvent(event);
    emit sizeChanged();
}
