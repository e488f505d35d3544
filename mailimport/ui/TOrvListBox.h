#pragma once

#include "mailimport/ui/ListMarkup.h"

#include <QListWidget>

namespace MailUi {

// The owner-drawn list of the mail import: every item text is a line of list markup
// (ListMarkup), drawn by the list's delegate with its selected and alternate-row colours.
// An item's object (a message, a folder) rides in Qt::UserRole.
//
// A widget: owned by its parent; GUI thread only.
class TOrvListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit TOrvListBox(QWidget *parent = nullptr);

    // What the markup draws with (tabs, fonts, icon strip).
    const ListMarkup::Style &markupStyle() const { return m_style; }
    void setMarkupStyle(const ListMarkup::Style &style);

    QColor selectedColor() const { return m_selectedColor; }
    QColor selectedFontColor() const { return m_selectedFontColor; }
    void setSelectedColors(const QColor &brush, const QColor &font);

    bool alternateRows() const { return m_alternateRows; }
    void setAlternateRows(bool on);
    QColor rowColor(int row) const { return row % 2 ? m_oddRowColor : m_evenRowColor; }
    void setRowColors(const QColor &even, const QColor &odd);

    // Every item is this many pixels high.
    int itemHeight() const { return m_itemHeight; }
    void setItemHeight(int height);

    // The lists of the message view and of the folder picker outline each item in white.
    bool framedItems() const { return m_framedItems; }
    void setFramedItems(bool on);

    // The item's text and its object, appended or inserted at `row`.
    QListWidgetItem *addMarkupItem(const QString &text, const QVariant &object = {});
    QListWidgetItem *insertMarkupItem(int row, const QString &text, const QVariant &object = {});
    QVariant objectAt(int row) const;

private:
    ListMarkup::Style m_style;
    QColor m_selectedColor;
    QColor m_selectedFontColor;
    bool m_alternateRows = false;
    QColor m_evenRowColor;
    QColor m_oddRowColor;
    int m_itemHeight = 18;
    bool m_framedItems = false;
};

} // namespace MailUi
