#include "visual/TBackPanel.h"

#include "visual/Look.h"
#include "visual/PaintHelpers.h"

#include <QPainter>

TBackPanel::TBackPanel(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(Visual::defaultFont());
}

void TBackPanel::setNoBackground(bool noBackground)
{
    m_noBackground = noBackground;
    update();
}

void TBackPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Visual::DrawThemedBkg(this, painter, m_noBackground);
    painter.setFont(font());
    paintContents(painter);
}

void TBackPanel::paintContents(QPainter &)
{
}
