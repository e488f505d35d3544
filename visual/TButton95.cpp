#include "visual/TButton95.h"

#include "visual/Look.h"

#include <QAction>
#include <QPainter>
#include <QShortcut>
#include <QStyleOptionButton>

using Visual::TextFlag;

namespace {
constexpr int TextMargin = 6;
}

TButton95::TButton95(QWidget *parent)
    : TButton95(QString(), parent)
{
}

TButton95::TButton95(const QString &caption, QWidget *parent)
    : QPushButton(caption, parent)
{
    setFont(Visual::defaultFont());
    setAutoDefault(false);
    resize(75, 25);
    m_rightMargin = width() + 10;
}

void TButton95::setPicture(const QIcon &picture)
{
    setIcon(picture);
    update();
}

void TButton95::setHorAlignment(THorizontalAlignment alignment)
{
    m_horAlignment = alignment;
    update();
}

void TButton95::setVerAlignment(TVerticalAlignment alignment)
{
    m_verAlignment = alignment;
    update();
}

void TButton95::setWordWrap(bool wordWrap)
{
    m_wordWrap = wordWrap;
    update();
}

void TButton95::setRightPos(bool rightPos)
{
    m_rightPos = rightPos;
}

void TButton95::setMinLeft(int minLeft)
{
    m_minLeft = minLeft;
}

void TButton95::setMaxLeft(int maxLeft)
{
    m_maxLeft = maxLeft;
}

void TButton95::setRightMargin(int margin)
{
    m_rightMargin = margin;
}

void TButton95::SetPosition(QWidget *sender)
{
    if (m_rightPos && sender)
        move(qMin(m_maxLeft, qMax(m_minLeft, sender->width() - m_rightMargin)), y());
}

void TButton95::setAction(QAction *action)
{
    if (m_action)
        disconnect(m_action, nullptr, this, nullptr);
    m_action = action;
    if (!action)
        return;
    connect(action, &QAction::changed, this, &TButton95::syncFromAction);
    connect(this, &QPushButton::clicked, action, &QAction::trigger, Qt::UniqueConnection);
    syncFromAction();
}

void TButton95::syncFromAction()
{
    setText(m_action->text());
    setEnabled(m_action->isEnabled());
    setVisible(m_action->isVisible());
    setToolTip(m_action->toolTip());
}

void TButton95::setCancel(bool cancel)
{
    if (cancel == isCancel())
        return;
    if (cancel) {
        m_cancelShortcut = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        m_cancelShortcut->setContext(Qt::WindowShortcut);
        connect(m_cancelShortcut, &QShortcut::activated, this, &QPushButton::animateClick);
    } else {
        delete m_cancelShortcut;
        m_cancelShortcut = nullptr;
    }
}

bool TButton95::isCancel() const
{
    return m_cancelShortcut != nullptr;
}

Visual::TextFlags TButton95::textFlags() const
{
    Visual::TextFlags flags = m_wordWrap ? Visual::TextFlags(TextFlag::WordBreak) : TextFlag::SingleLine;
    if (m_horAlignment == THorizontalAlignment::haCenter)
        flags |= TextFlag::HCenter;
    else if (m_horAlignment == THorizontalAlignment::haRight)
        flags |= TextFlag::Right;
    if (m_verAlignment == TVerticalAlignment::vaCenter)
        flags |= TextFlag::VCenter;
    else if (m_verAlignment == TVerticalAlignment::vaBottom)
        flags |= TextFlag::Bottom;
    return flags;
}

QSize TButton95::sizeHint() const
{
    const QSize text = Visual::textSize(fontMetrics(), this->text(), textFlags());
    return QSize(qMax(75, text.width() + 2 * TextMargin), qMax(25, text.height() + 8));
}

void TButton95::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);

    QRect area = rect().adjusted(TextMargin, 4, -TextMargin, -4);
    if (isDown())
        area.translate(1, 1);
    if (!icon().isNull()) {
        const QSize size = iconSize();
        const QRect iconRect(area.left(), area.top() + (area.height() - size.height()) / 2, size.width(), size.height());
        icon().paint(&painter, iconRect, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
        area.setLeft(iconRect.right() + 4);
    }
    painter.setFont(font());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    Visual::drawText(painter, area, text(), textFlags());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(4, 4, -4, -4);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
