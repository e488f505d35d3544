#pragma once

#include "mailimport/ui/TOrvListBox.h"

namespace MailUi {

// A TOrvListBox whose items carry a check box left of the markup (the attachment list of
// the message view). Space or a click on the box toggles it.
class TOrvCheckListBox : public TOrvListBox
{
    Q_OBJECT

public:
    explicit TOrvCheckListBox(QWidget *parent = nullptr);

    // Replaces the items by unticked ones showing these names as typed (no markup).
    void setNames(const QStringList &names);
    // The names of the ticked items, in list order.
    QStringList checkedNames() const;
};

} // namespace MailUi
