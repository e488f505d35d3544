#pragma once

#include "mailimport/manager/MailHeadless.h"

#include <QDialog>

#include <optional>

class QPushButton;

namespace MailUi {

class TOrvListBox;

using FolderEntry = Mail::MailFolderInfo;

// The picker's line of a folder: the name in bold with the message count, or the name
// alone; the name is shown as typed.
QString folderMarkup(const FolderEntry &folder);

// "Vyberte složku": a list of folders; "Vybrat" is enabled only while one is selected.
// Created per use and run modally.
class TFM_PickFolder : public QDialog
{
    Q_OBJECT

public:
    explicit TFM_PickFolder(QWidget *parent = nullptr);

    // The items: markup text and the object handed back by Run.
    TOrvListBox *list() const { return m_list; }
    // True when "Vybrat" closed the dialog with a selection: name := the item's text as
    // shown, object := the item's object; otherwise both are cleared.
    bool Run(QString &name, QVariant &object);

    // Shows `folders` and returns the chosen one.
    static std::optional<FolderEntry> pick(const QList<FolderEntry> &folders, QWidget *parent);

private:
    TOrvListBox *m_list;
    QPushButton *m_select;
};

} // namespace MailUi

Q_DECLARE_METATYPE(Mail::MailFolderInfo)
