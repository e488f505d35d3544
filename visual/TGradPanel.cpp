#include "visual/TGradPanel.h"

#include "visual/Look.h"
#include "visual/PaintHelpers.h"
#include "visual/VisualMath.h"

#include <QPainter>

TGradPanel::TGradPanel(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TGradPanel::setGrad1Color(TColor color)
{
    m_grad1Color = color;
    if (m_grad1Color == m_grad2Color)
        m_color = color;
    update();
}

void TGradPanel::setGrad2Color(TColor color)
{
    m_grad2Color = color;
    if (m_grad1Color == m_grad2Color)
        m_color = color;
    update();
}

int TGradPanel::gradColors() const
{
    return m_realize && m_gradColors == 256 ? 255 : m_gradColors;
}

void TGradPanel::setGradColors(int bands)
{
    if (bands < 8)
        return;
    m_gradColors = bands;
    update();
}

void TGradPanel::setGradTopDown(bool topDown)
{
    m_gradTopDown = topDown;
    update();
}

void TGradPanel::setUseGradient(bool use)
{
    m_useGradient = use;
    update();
}

void TGradPanel::setRealize(bool realize)
{
    m_realize = realize;
    update();
}

void TGradPanel::setDualColors(bool dual)
{
    m_dualColors = dual;
    update();
}

void TGradPanel::setNoGradient(bool noGradient)
{
    m_noGradient = noGradient;
    update();
}

void TGradPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor from = Visual::vcl(m_grad1Color);
    if (m_grad1Color == m_grad2Color || m_noGradient || Visual::vLowColorMode()) {
        painter.fillRect(rect(), from);
        return;
    }
    if (!m_useGradient) {
        painter.fillRect(rect(), Visual::vcl(m_color));
        return;
    }
    const int full = m_gradTopDown ? height() : width();
    const int extent = m_dualColors ? full / 2 : full;
    auto bandRect = [this](int start, int end) {
        return m_gradTopDown ? QRect(0, start, width(), end - start) : QRect(start, 0, end - start, height());
    };
    const auto bands = Visual::gradientBands(extent, gradColors(), from, Visual::vcl(m_grad2Color));
    if (m_dualColors)
        painter.fillRect(rect(), bands.isEmpty() ? from : bands.last().color);
    for (const Visual::GradientBand &band : bands) {
        painter.fillRect(bandRect(band.start, band.end), band.color);
        if (m_dualColors)
            painter.fillRect(bandRect(full - band.end, full - band.start), band.color);
    }
}
