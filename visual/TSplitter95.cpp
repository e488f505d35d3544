#include "visual/TSplitter95.h"

#include "visual/PaintHelpers.h"
#include "visual/TextLayout.h"

#include <QChildEvent>
#include <QPainter>

using Visual::TextFlag;

namespace {

class Handle : public QSplitterHandle
{
public:
    Handle(Qt::Orientation orientation, TSplitter95 *splitter)
        : QSplitterHandle(orientation, splitter)
        , m_splitter(splitter)
    {
        setAttribute(Qt::WA_Hover);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        if (!m_splitter->hotTrack()) {
            Visual::DrawThemedBkg(this, painter, false);
            return;
        }
        const bool hot = underMouse();
        painter.fillRect(rect(), hot ? m_splitter->buttonHighlightColor() : Visual::vcl(m_splitter->buttonColor()));
        // A dotted grip in the two texture colours.
        const bool vertical = orientation() == Qt::Vertical;
        const int centre = vertical ? width() / 2 : height() / 2;
        for (int i = -12; i <= 12; i += 3) {
            const QPoint p = vertical ? QPoint(centre + i, height() / 2 - 1) : QPoint(width() / 2 - 1, centre + i);
            painter.setPen(Visual::vcl(m_splitter->textureColor1()));
            painter.drawPoint(p);
            painter.setPen(Visual::vcl(m_splitter->textureColor2()));
            painter.drawPoint(p + QPoint(1, 1));
        }
        if (!m_splitter->caption().isEmpty() && vertical) {
            painter.setPen(Visual::vcl(clBtnText));
            Visual::drawText(painter, rect().adjusted(m_splitter->captionOffset(), 0, 0, 0), m_splitter->caption(),
                             TextFlag::SingleLine | TextFlag::VCenter | TextFlag::EndEllipsis);
        }
    }

private:
    TSplitter95 *m_splitter;
};

} // namespace

TSplitter95::TSplitter95(Qt::Orientation orientation, QWidget *parent)
    : QSplitter(orientation, parent)
{
    setChildrenCollapsible(false);
}

void TSplitter95::setHotTrack(bool hotTrack)
{
    m_hotTrack = hotTrack;
    setHandleWidth(hotTrack ? 8 : 4);
    update();
}

void TSplitter95::setCaption(const QString &caption)
{
    m_caption = caption;
    if (!caption.isEmpty())
        setHandleWidth(qMax(handleWidth(), fontMetrics().height() + 2));
    update();
}

void TSplitter95::setCaptionOffset(int offset)
{
    m_captionOffset = offset;
    update();
}

void TSplitter95::setButtonColor(TColor color)
{
    m_buttonColor = color;
    update();
}

QColor TSplitter95::buttonHighlightColor() const
{
    if (!m_autoHighlightColor)
        return Visual::vcl(m_buttonHighlightColor);
    const QColor from = Visual::vcl(clActiveCaption), to = Visual::vcl(clBtnFace);
    auto mix = [](int a, int b) { return a + (b - a) * 180 / 255; };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue()));
}

void TSplitter95::setButtonHighlightColor(TColor color)
{
    m_buttonHighlightColor = color;
    update();
}

void TSplitter95::setAutoHighlightColor(bool automatic)
{
    m_autoHighlightColor = automatic;
    update();
}

void TSplitter95::setTextureColors(TColor first, TColor second)
{
    m_textureColor1 = first;
    m_textureColor2 = second;
    update();
}

void TSplitter95::setMinSize(int size)
{
    m_minSize = size;
    for (int i = 0; i < count(); ++i)
        widget(i)->setMinimumSize(orientation() == Qt::Horizontal ? QSize(size, 0) : QSize(0, size));
}

QSplitterHandle *TSplitter95::createHandle()
{
    return new Handle(orientation(), this);
}

void TSplitter95::childEvent(QChildEvent *event)
{
    QSplitter::childEvent(event);
    if (event->added() && event->child()->isWidgetType())
        setMinSize(m_minSize);
}
