#pragma once

#include "visual/VisualGlobal.h"

#include "base/VclColor.h"

#include <QIcon>
#include <QList>
#include <QWidget>

class QAction;
class QLabel;
class QMenu;
class QToolButton;

// A 21-pixel toolbar of list actions over a list: add (Ins), delete (Del), edit
// (Ctrl+Enter), sort (Ctrl+S, with a drop-down sort menu), set, properties and a filter
// switch, plus the default action (Enter). The list goes into the contents rectangle
// under the toolbar (set a layout on the panel). Each action raises its own signal.
// Default 150 × 100. Owned by its parent; GUI thread.
class ORV_VISUAL_EXPORT TButtonPanel : public QWidget
{
    Q_OBJECT
public:
    static constexpr int ToolbarHeight = 21;
    enum class Button { Add, Delete, Edit, Sort, Set, Properties, Switch };

    explicit TButtonPanel(QWidget *parent = nullptr);

    QAction *action(Button button) const;
    QAction *defaultAction() const { return m_default; }
    QToolButton *button(Button button) const;
    // The pop-up menu: Add, Delete, Edit (default), a separator, Sort, Set, Properties.
    QMenu *popupMenu() const { return m_popup; }
    QMenu *sortMenu() const { return m_sortMenu; }

    bool editable() const { return m_editable; }
    // Without it the add, delete and edit buttons are hidden and the others move left.
    void setEditable(bool editable);
    bool switchVisible() const { return m_switchVisible; }
    void setSwitchVisible(bool visible);
    bool panelVisible() const { return m_panelVisible; }
    // Shows or hides the toolbar; the list then starts at the top.
    void setPanelVisible(bool visible);
    bool isDown() const;
    // The state of the filter switch button.
    void setDown(bool down);
    bool flat() const { return m_flat; }
    void setFlat(bool flat);
    // Images in the order of the action table; empty: the built-in pictures.
    void setImageList(const QList<QIcon> &images);
    // Enables add, edit and delete and shows their disabled pictures where not allowed.
    void SetRights(bool add, bool edit, bool remove);

    void setHintAdd(const QString &hint);
    void setHintDel(const QString &hint);
    void setHintEdit(const QString &hint);
    void setHintSort(const QString &hint);
    void setHintSet(const QString &hint);
    void setHintProp(const QString &hint);
    void setHintSwitch(const QString &hint);

    // The caption shown right of the buttons, in `colorCaption` while `labelActive`.
    void setTextCaption(const QString &caption);
    void setColorCaption(TColor color);
    void setLabelActive(bool active);
    // The status text at the right edge of the toolbar.
    void setStatusText(const QString &text);
    void setStatusHint(const QString &hint);
    void setStatusVisible(bool visible);
    bool autoShow() const { return m_autoShow; }
    void setAutoShow(bool autoShow) { m_autoShow = autoShow; }

    // Sort menu building: an item raises `sortChosen(tag)`; criteria and directions are
    // exclusive groups of their own.
    QAction *CreateSortMenuItem(const QString &caption, int tag);
    QAction *CreateSortMenuItemCriterium(const QString &caption, int tag, bool checked);
    QAction *CreateSortMenuItemDirection(const QString &caption, int tag, bool checked);
    void CreateSortMenuItemSep();

signals:
    void defaultTriggered();
    void addTriggered();
    void deleteTriggered();
    void editTriggered();
    void sortTriggered();
    void setTriggered();
    void propertiesTriggered();
    void switchToggled(bool down);
    void sortChosen(int tag);
    void imageListChanged();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void layoutToolbar();
    void updateImages();
    QAction *addSortAction(const QString &caption, int tag, QActionGroup *group, bool checked);

    QList<QAction *> m_actions;       // by Button
    QList<QToolButton *> m_buttons;   // by Button
    QAction *m_default;
    QMenu *m_popup;
    QMenu *m_sortMenu;
    QActionGroup *m_criteria;
    QActionGroup *m_directions;
    QLabel *m_caption;
    QLabel *m_status;
    QList<QIcon> m_images;
    QList<bool> m_rights{true, true, true};
    TColor m_colorCaption = clWindowText;
    bool m_labelActive = true;
    bool m_editable = true;
    bool m_switchVisible = false;
    bool m_panelVisible = true;
    bool m_flat = true;
    bool m_autoShow = false;
};
