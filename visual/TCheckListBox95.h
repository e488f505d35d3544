#pragma once

#include "visual/VisualGlobal.h"

#include <QListWidget>

// A list of check boxes with a grayed state when allowed, per-item enabled state and a
// signal when the user changes a check.
class ORV_VISUAL_EXPORT TCheckListBox95 : public QListWidget
{
    Q_OBJECT
public:
    explicit TCheckListBox95(QWidget *parent = nullptr);

    QListWidgetItem *addCheckItem(const QString &text, Qt::CheckState state = Qt::Unchecked);
    bool allowGrayed() const { return m_allowGrayed; }
    void setAllowGrayed(bool allow);
    bool flat() const { return m_flat; }
    void setFlat(bool flat);
    bool itemEnabled(int index) const;
    void setItemEnabled(int index, bool enabled);

signals:
    void clickCheck(int index);

private:
    bool m_allowGrayed = false;
    bool m_flat = true;
};
