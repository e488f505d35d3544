#include "visual/TButtonPanel.h"

#include "visual/Look.h"
#include "visual/PaintHelpers.h"
#include "visual/VisualMath.h"

#include <QAction>
#include <QActionGroup>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QToolButton>

namespace {

constexpr int ButtonSize = 19;
// Groups of buttons: add/delete/edit, sort/set/properties, the switch.
const QList<int> ButtonGroups{0, 0, 0, 1, 1, 1, 2};
// Image index and disabled image index (-1: none) per button.
constexpr int ImageIndex[] = {0, 3, 6, 9, 10, 11, 12};
constexpr int DisabledImageIndex[] = {2, 5, 8, -1, -1, -1, -1};

// Small built-in pictures for panels without an image list.
QIcon builtInIcon(int button, bool disabled)
{
    static const char16_t *glyphs[] = {u"+", u"\u2212", u"\u270E", u"\u21C5", u"\u2713", u"\u2026", u"\u25BD"};
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(disabled ? QColor(0xA0, 0xA0, 0xA0) : QColor(0x20, 0x40, 0x80));
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString::fromUtf16(glyphs[button]));
    return QIcon(pixmap);
}

} // namespace

TButtonPanel::TButtonPanel(QWidget *parent)
    : QWidget(parent)
    , m_default(new QAction(this))
    , m_popup(new QMenu(this))
    , m_sortMenu(new QMenu(this))
    , m_criteria(new QActionGroup(this))
    , m_directions(new QActionGroup(this))
    , m_caption(new QLabel(this))
    , m_status(new QLabel(this))
{
    setFont(Visual::defaultFont());
    resize(150, 100);
    m_default->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    m_default->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(m_default);
    connect(m_default, &QAction::triggered, this, &TButtonPanel::defaultTriggered);

    const QList<QKeySequence> shortcuts{QKeySequence(Qt::Key_Insert), QKeySequence(Qt::Key_Delete),
                                        QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_S),
                                        {}, {}, {}};
    const QList<void (TButtonPanel::*)()> signalsOf{&TButtonPanel::addTriggered, &TButtonPanel::deleteTriggered,
                                                   &TButtonPanel::editTriggered, &TButtonPanel::sortTriggered,
                                                   &TButtonPanel::setTriggered, &TButtonPanel::propertiesTriggered};
    for (int i = 0; i < ButtonGroups.size(); ++i) {
        auto *action = new QAction(this);
        action->setShortcut(shortcuts[i]);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
        auto *button = new QToolButton(this);
        button->setDefaultAction(action);
        button->setAutoRaise(m_flat);
        button->setFocusPolicy(Qt::NoFocus);
        button->setIconSize(QSize(16, 16));
        button->resize(ButtonSize, ButtonSize);
        if (i == int(Button::Switch)) {
            action->setCheckable(true);
            connect(action, &QAction::toggled, this, &TButtonPanel::switchToggled);
        } else {
            connect(action, &QAction::triggered, this, signalsOf[i]);
        }
        m_actions.append(action);
        m_buttons.append(button);
    }
    m_buttons[int(Button::Sort)]->setMenu(m_sortMenu);
    m_buttons[int(Button::Sort)]->setPopupMode(QToolButton::InstantPopup);
    m_criteria->setExclusive(true);
    m_directions->setExclusive(true);

    m_actions[int(Button::Add)]->setText(tr("Přidat"));
    m_actions[int(Button::Delete)]->setText(tr("Odstranit"));
    m_actions[int(Button::Edit)]->setText(tr("Upravit"));
    m_actions[int(Button::Sort)]->setText(tr("Seřadit"));
    m_actions[int(Button::Set)]->setText(tr("Nastavit"));
    m_actions[int(Button::Properties)]->setText(tr("Vlastnosti"));
    m_actions[int(Button::Switch)]->setText(tr("Filtr"));
    m_popup->addAction(m_actions[int(Button::Add)]);
    m_popup->addAction(m_actions[int(Button::Delete)]);
    m_popup->addAction(m_actions[int(Button::Edit)]);
    m_popup->setDefaultAction(m_actions[int(Button::Edit)]);
    m_popup->addSeparator();
    m_popup->addAction(m_actions[int(Button::Sort)]);
    m_popup->addAction(m_actions[int(Button::Set)]);
    m_popup->addAction(m_actions[int(Button::Properties)]);

    m_status->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_status->hide();
    updateImages();
    layoutToolbar();
}

QAction *TButtonPanel::action(Button button) const
{
    return m_actions[int(button)];
}

QToolButton *TButtonPanel::button(Button button) const
{
    return m_buttons[int(button)];
}

void TButtonPanel::setEditable(bool editable)
{
    m_editable = editable;
    layoutToolbar();
}

void TButtonPanel::setSwitchVisible(bool visible)
{
    m_switchVisible = visible;
    layoutToolbar();
}

void TButtonPanel::setPanelVisible(bool visible)
{
    m_panelVisible = visible;
    layoutToolbar();
}

bool TButtonPanel::isDown() const
{
    return m_actions[int(Button::Switch)]->isChecked();
}

void TButtonPanel::setDown(bool down)
{
    m_actions[int(Button::Switch)]->setChecked(down);
}

void TButtonPanel::setFlat(bool flat)
{
    m_flat = flat;
    for (QToolButton *button : std::as_const(m_buttons))
        button->setAutoRaise(flat);
}

void TButtonPanel::setImageList(const QList<QIcon> &images)
{
    m_images = images;
    updateImages();
    emit imageListChanged();
}

void TButtonPanel::SetRights(bool add, bool edit, bool remove)
{
    m_rights = {add, remove, edit};
    for (int i = 0; i < 3; ++i)
        m_actions[i]->setEnabled(m_rights[i]);
    updateImages();
}

void TButtonPanel::setHintAdd(const QString &hint) { m_actions[int(Button::Add)]->setToolTip(hint); }
void TButtonPanel::setHintDel(const QString &hint) { m_actions[int(Button::Delete)]->setToolTip(hint); }
void TButtonPanel::setHintEdit(const QString &hint) { m_actions[int(Button::Edit)]->setToolTip(hint); }
void TButtonPanel::setHintSort(const QString &hint) { m_actions[int(Button::Sort)]->setToolTip(hint); }
void TButtonPanel::setHintSet(const QString &hint) { m_actions[int(Button::Set)]->setToolTip(hint); }
void TButtonPanel::setHintProp(const QString &hint) { m_actions[int(Button::Properties)]->setToolTip(hint); }
void TButtonPanel::setHintSwitch(const QString &hint) { m_actions[int(Button::Switch)]->setToolTip(hint); }

void TButtonPanel::setTextCaption(const QString &caption)
{
    m_caption->setText(caption);
    layoutToolbar();
}

void TButtonPanel::setColorCaption(TColor color)
{
    m_colorCaption = color;
    setLabelActive(m_labelActive);
}

void TButtonPanel::setLabelActive(bool active)
{
    m_labelActive = active;
    QPalette palette = m_caption->palette();
    palette.setColor(QPalette::WindowText, Visual::vcl(active ? m_colorCaption : clGrayText));
    m_caption->setPalette(palette);
}

void TButtonPanel::setStatusText(const QString &text)
{
    m_status->setText(text);
}

void TButtonPanel::setStatusHint(const QString &hint)
{
    m_status->setToolTip(hint);
}

void TButtonPanel::setStatusVisible(bool visible)
{
    m_status->setVisible(visible && m_panelVisible);
    layoutToolbar();
}

QAction *TButtonPanel::addSortAction(const QString &caption, int tag, QActionGroup *group, bool checked)
{
    QAction *action = m_sortMenu->addAction(caption);
    if (group) {
        action->setCheckable(true);
        action->setChecked(checked);
        group->addAction(action);
    }
    connect(action, &QAction::triggered, this, [this, tag] { emit sortChosen(tag); });
    return action;
}

QAction *TButtonPanel::CreateSortMenuItem(const QString &caption, int tag)
{
    return addSortAction(caption, tag, nullptr, false);
}

QAction *TButtonPanel::CreateSortMenuItemCriterium(const QString &caption, int tag, bool checked)
{
    return addSortAction(caption, tag, m_criteria, checked);
}

QAction *TButtonPanel::CreateSortMenuItemDirection(const QString &caption, int tag, bool checked)
{
    return addSortAction(caption, tag, m_directions, checked);
}

void TButtonPanel::CreateSortMenuItemSep()
{
    m_sortMenu->addSeparator();
}

void TButtonPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutToolbar();
}

void TButtonPanel::paintEvent(QPaintEvent *)
{
    if (!m_panelVisible)
        return;
    QPainter painter(this);
    Visual::DrawThemedBkg(this, painter, false);
}

void TButtonPanel::contextMenuEvent(QContextMenuEvent *event)
{
    m_popup->popup(event->globalPos());
}

void TButtonPanel::layoutToolbar()
{
    QList<bool> visible;
    for (int i = 0; i < ButtonGroups.size(); ++i) {
        const bool editing = i <= int(Button::Edit);
        const bool isSwitch = i == int(Button::Switch);
        visible.append(m_panelVisible && (!editing || m_editable) && (!isSwitch || m_switchVisible));
    }
    const QList<int> lefts = Visual::groupedButtonLefts(ButtonGroups, visible);
    int right = 0;
    for (int i = 0; i < m_buttons.size(); ++i) {
        m_buttons[i]->setVisible(visible[i]);
        if (visible[i]) {
            m_buttons[i]->move(lefts[i], 1);
            right = lefts[i] + ButtonSize;
        }
    }
    m_caption->setVisible(m_panelVisible && !m_caption->text().isEmpty());
    m_caption->setGeometry(right + 6, 1, qMax(0, width() - right - 6), ButtonSize);
    m_status->setGeometry(width() / 2, 1, width() / 2 - 2, ButtonSize);
    setContentsMargins(0, m_panelVisible ? ToolbarHeight : 0, 0, 0);
}

void TButtonPanel::updateImages()
{
    for (int i = 0; i < m_actions.size(); ++i) {
        const bool useDisabled = i < 3 && !m_rights[i] && DisabledImageIndex[i] >= 0;
        const int index = useDisabled ? DisabledImageIndex[i] : ImageIndex[i];
        m_actions[i]->setIcon(index < m_images.size() ? m_images[index] : builtInIcon(i, useDisabled));
    }
}
