#pragma once

#include "visual/VisualGlobal.h"

#include <QTableWidget>

// A grid with focus, size and column/row size signals and cell repaint by index. Scroll
// thumbs are always proportional here; the switch is kept for the forms.
class ORV_VISUAL_EXPORT TStringGrid95 : public QTableWidget
{
    Q_OBJECT
public:
    explicit TStringGrid95(QWidget *parent = nullptr);

    void InvalidateCell(int column, int row);
    bool proportionalScrollBars() const { return m_proportional; }
    void SetProportionalScrollBars(bool proportional) { m_proportional = proportional; }

signals:
    void setFocusReceived();
    void killFocusReceived();
    void columnWidthsChanged();
    void rowHeightsChanged();
    void sizeChanged();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    bool m_proportional = false;
};
