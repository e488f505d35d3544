#include "visual/TScrollBox95.h"

#include "visual/PaintHelpers.h"

#include <QPainter>

TScrollBox95::TScrollBox95(QWidget *parent)
    : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
}

void TScrollBox95::setNoBackground(bool noBackground)
{
    m_noBackground = noBackground;
    viewport()->update();
}

void TScrollBox95::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    Visual::DrawThemedBkg(viewport(), painter, m_noBackground);
}
