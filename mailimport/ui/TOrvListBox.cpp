#include "mailimport/ui/TOrvListBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace MailUi {

namespace {

constexpr int CheckWidth = 18;

// Paints an item as the list's colours and markup say; a checkable item gets its box in
// the first CheckWidth pixels and toggles by a click there or by Space.
class MarkupDelegate : public QStyledItemDelegate
{
public:
    explicit MarkupDelegate(TOrvListBox *list)
        : QStyledItemDelegate(list)
        , m_list(list)
    {
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        painter->save();
        const bool selected = option.state & QStyle::State_Selected;
        QColor brush = option.palette.color(QPalette::Base);
        if (selected)
            brush = m_list->selectedColor();
        else if (m_list->alternateRows())
            brush = m_list->rowColor(index.row());
        QColor text = selected ? m_list->selectedFontColor() : option.palette.color(QPalette::Text);

        QRect rect = option.rect;
        const QVariant check = index.data(Qt::CheckStateRole);
        if (check.isValid()) {
            painter->fillRect(rect, option.palette.color(QPalette::Base));
            QStyleOptionViewItem box(option);
            box.rect = QRect(rect.left(), rect.top(), CheckWidth, rect.height());
            box.features |= QStyleOptionViewItem::HasCheckIndicator;
            box.state &= ~QStyle::State_Selected;
            box.state |= check.value<Qt::CheckState>() == Qt::Checked ? QStyle::State_On : QStyle::State_Off;
            QStyle *style = m_list->style();
            box.rect = style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &box, m_list);
            box.rect.moveCenter(QRect(rect.left(), rect.top(), CheckWidth, rect.height()).center());
            style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &box, painter, m_list);
            rect.setLeft(rect.left() + CheckWidth);
        }
        painter->fillRect(rect, brush);
        if (m_list->framedItems()) {
            painter->setPen(Qt::white);
            painter->drawRect(rect.adjusted(0, 0, -1, -1));
        }
        painter->setFont(option.font);
        painter->setPen(text);
        ListMarkup::draw(*painter, rect, index.data(Qt::DisplayRole).toString(), m_list->markupStyle());
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const override
    {
        return QSize(option.rect.width(), m_list->itemHeight());
    }

    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override
    {
        const QVariant check = index.data(Qt::CheckStateRole);
        if (!check.isValid() || !(index.flags() & Qt::ItemIsUserCheckable))
            return false;
        bool toggle = false;
        if (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::MouseButtonDblClick) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            const QRect box(option.rect.left(), option.rect.top(), CheckWidth, option.rect.height());
            if (mouse->button() != Qt::LeftButton || !box.contains(mouse->position().toPoint()))
                return false;
            if (event->type() == QEvent::MouseButtonDblClick)
                return true;    // a double-click on the box is two toggles, not an activation
            toggle = true;
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            toggle = key == Qt::Key_Space || key == Qt::Key_Select;
        }
        if (!toggle)
            return false;
        const bool checked = check.value<Qt::CheckState>() == Qt::Checked;
        return model->setData(index, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
    }

private:
    TOrvListBox *m_list;
};

} // namespace

TOrvListBox::TOrvListBox(QWidget *parent)
    : QListWidget(parent)
    , m_selectedColor(palette().color(QPalette::Highlight))
    , m_selectedFontColor(palette().color(QPalette::HighlightedText))
    , m_evenRowColor(palette().color(QPalette::Base))
    , m_oddRowColor(palette().color(QPalette::ToolTipBase))
{
    m_style.font = font();
    setItemDelegate(new MarkupDelegate(this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void TOrvListBox::setMarkupStyle(const ListMarkup::Style &style)
{
    m_style = style;
    viewport()->update();
}

void TOrvListBox::setSelectedColors(const QColor &brush, const QColor &font)
{
    m_selectedColor = brush;
    m_selectedFontColor = font;
    viewport()->update();
}

void TOrvListBox::setAlternateRows(bool on)
{
    m_alternateRows = on;
    viewport()->update();
}

void TOrvListBox::setRowColors(const QColor &even, const QColor &odd)
{
    m_evenRowColor = even;
    m_oddRowColor = odd;
    viewport()->update();
}

void TOrvListBox::setItemHeight(int height)
{
    m_itemHeight = height;
    doItemsLayout();
}

void TOrvListBox::setFramedItems(bool on)
{
    m_framedItems = on;
    viewport()->update();
}

QListWidgetItem *TOrvListBox::addMarkupItem(const QString &text, const QVariant &object)
{
    return insertMarkupItem(count(), text, object);
}

QListWidgetItem *TOrvListBox::insertMarkupItem(int row, const QString &text, const QVariant &object)
{
    auto *item = new QListWidgetItem(text);
    item->setData(Qt::UserRole, object);
    insertItem(row, item);
    return item;
}

QVariant TOrvListBox::objectAt(int row) const
{
    const QListWidgetItem *entry = item(row);
    return entry ? entry->data(Qt::UserRole) : QVariant();
}

} // namespace MailUi
