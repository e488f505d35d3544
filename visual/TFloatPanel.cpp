#include "visual/TFloatPanel.h"

#include "visual/Look.h"
#include "visual/PaintHelpers.h"
#include "visual/TextLayout.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

using Visual::TextFlag;

TFloatPanel::TFloatPanel(QWidget *parent)
    : QWidget(parent)
    , m_contents(new QWidget(this))
    , m_switchButton(new QToolButton(this))
    , m_closeButton(new QToolButton(this))
{
    setFont(Visual::defaultFont());
    m_switchButton->setAutoRaise(true);
    m_switchButton->setText(QStringLiteral("\u2197"));
    m_closeButton->setAutoRaise(true);
    m_closeButton->setText(QStringLiteral("\u00D7"));
    connect(m_switchButton, &QToolButton::clicked, this, &TFloatPanel::switchMode);
    connect(m_closeButton, &QToolButton::clicked, this, [this] {
        bool allow = true;
        emit beforeClose(&allow);
        if (allow)
            hide();
    });
}

void TFloatPanel::setPanelCaption(const QString &caption)
{
    m_caption = caption;
    setWindowTitle(caption);
    update();
}

void TFloatPanel::setPanelColor(TColor color)
{
    m_panelColor = color;
    update();
}

void TFloatPanel::setFontPanelColor(TColor color)
{
    m_fontColor = color;
    update();
}

void TFloatPanel::setPanelTitleAlign(THorizontalAlignment alignment)
{
    m_titleAlign = alignment;
    update();
}

void TFloatPanel::setPanelFontSize(int points)
{
    m_fontSize = points;
    resizeEvent(nullptr);
    update();
}

void TFloatPanel::setAllowWindow(bool allow)
{
    m_allowWindow = allow;
    m_switchButton->setVisible(allow);
}

void TFloatPanel::setButtonsVisible(bool visible)
{
    m_switchButton->setVisible(visible && m_allowWindow);
    m_closeButton->setVisible(visible);
}

void TFloatPanel::switchMode()
{
    if (!m_allowWindow)
        return;
    bool allow = true;
    emit beforeSwitch(&allow);
    if (!allow)
        return;
    if (isFloating()) {
        setParent(m_dockParent, Qt::Widget);
        setGeometry(m_dockGeometry);
    } else {
        m_dockParent = parentWidget();
        m_dockGeometry = geometry();
        const QPoint global = mapToGlobal(QPoint(0, 0));
        setParent(nullptr, Qt::Tool);
        move(global);
    }
    show();
    emit afterSwitch();
}

int TFloatPanel::titleHeight() const
{
    return Visual::pointsToPixels(m_fontSize) + 8;
}

void TFloatPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Visual::DrawThemedBkg(this, painter, false);
    const QRect title(0, 0, width(), titleHeight());
    painter.fillRect(title, Visual::vcl(m_panelColor));
    painter.setFont(Visual::vclFont(QStringLiteral("Arial"), m_fontSize, true));
    painter.setPen(Visual::vcl(m_fontColor));
    const Visual::TextFlags align = m_titleAlign == THorizontalAlignment::haCenter  ? TextFlag::HCenter
                                    : m_titleAlign == THorizontalAlignment::haRight ? TextFlag::Right
                                                                                    : TextFlag::None;
    Visual::drawText(painter, title.adjusted(4, 0, -44, 0), m_caption,
                     align | TextFlag::SingleLine | TextFlag::VCenter | TextFlag::EndEllipsis);
}

void TFloatPanel::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->position().y() < titleHeight()) {
        emit dblClickCaption();
        switchMode();
    }
}

void TFloatPanel::resizeEvent(QResizeEvent *)
{
    const int title = titleHeight();
    m_closeButton->setGeometry(width() - 20, (title - 18) / 2, 18, 18);
    m_switchButton->setGeometry(width() - 40, (title - 18) / 2, 18, 18);
    m_contents->setGeometry(0, title, width(), qMax(0, height() - title));
}
