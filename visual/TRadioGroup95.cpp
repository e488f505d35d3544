#include "visual/TRadioGroup95.h"

TRadioGroup95::TRadioGroup95(QWidget *parent)
    : TGroupBox95(parent)
{
}

void TRadioGroup95::setItems(const QStringList &items)
{
    qDeleteAll(m_buttons);
    m_buttons.clear();
    m_items = items;
    for (const QString &item : items) {
        auto *button = new TGroupButton(item, this);
        connect(button, &TCustomCheckBox95::clicked, this, &TRadioGroup95::clicked);
        button->show();
        m_buttons.append(button);
    }
    arrange();
}

void TRadioGroup95::setColumns(int columns)
{
    m_columns = qBound(1, columns, 16);
    arrange();
}

int TRadioGroup95::itemIndex() const
{
    for (int i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons[i]->GetChecked())
            return i;
    }
    return -1;
}

void TRadioGroup95::SetItemIndex(int index)
{
    if (TGroupButton *button = m_buttons.value(index)) {
        button->SetChecked(true);
        return;
    }
    for (TGroupButton *button : std::as_const(m_buttons))
        button->SetCheckedWithoutChange(false);
}

void TRadioGroup95::resizeEvent(QResizeEvent *event)
{
    TGroupBox95::resizeEvent(event);
    arrange();
}

void TRadioGroup95::arrange()
{
    if (m_buttons.isEmpty())
        return;
    const int text = fontMetrics().height();
    const int rows = int((m_buttons.size() + m_columns - 1) / m_columns);
    const int columnWidth = (width() - 10) / m_columns;
    const int rowHeight = (height() - text - 5) / rows;
    for (int i = 0; i < m_buttons.size(); ++i) {
        const int column = i / rows;
        const int row = i % rows;
        const int buttonHeight = qMin(rowHeight, 20);
        m_buttons[i]->setGeometry(8 + column * columnWidth, text + row * rowHeight + (rowHeight - buttonHeight) / 2,
                                  columnWidth - 4, buttonHeight);
    }
}
