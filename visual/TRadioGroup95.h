#pragma once

#include "visual/TGroupBox95.h"
#include "visual/TRadioButton95.h"

#include <QStringList>

// One radio button of a TRadioGroup95.
class ORV_VISUAL_EXPORT TGroupButton : public TRadioButton95
{
    Q_OBJECT
public:
    using TRadioButton95::TRadioButton95;
};

// A group box of radio buttons made from `items`, arranged in `columns`: each column
// (width − 10) / columns wide, the rows spread over the height below the caption, the
// first at x = 8. `itemIndex` is the checked one (−1: none).
class ORV_VISUAL_EXPORT TRadioGroup95 : public TGroupBox95
{
    Q_OBJECT
public:
    explicit TRadioGroup95(QWidget *parent = nullptr);

    QStringList items() const { return m_items; }
    void setItems(const QStringList &items);
    int columns() const { return m_columns; }
    void setColumns(int columns);
    int itemIndex() const;
    void SetItemIndex(int index);
    TGroupButton *button(int index) const { return m_buttons.value(index); }

signals:
    void clicked();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void arrange();

    QStringList m_items;
    QList<TGroupButton *> m_buttons;
    int m_columns = 1;
};
