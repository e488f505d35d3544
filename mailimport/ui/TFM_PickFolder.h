#pragma once

#include <QDialog>

#include <optional>

class QPushButton;

namespace MailUi {

class TOrvListBox;

// One folder (or Notes view) of a mail client as the folder picker offers it.
struct FolderEntry
{
    QString id;         // the client's identifier; empty where the client knows folders by name
    QString name;
    int count = -1;     // messages in the folder; below 0 when the client does not say

    // The list line: the name in bold with the message count, or the name alone; the name
    // is shown as typed.
    QString markup() const;
    bool operator==(const FolderEntry &other) const = default;
};

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

Q_DECLARE_METATYPE(MailUi::FolderEntry)
