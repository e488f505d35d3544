#pragma once

#include "mailimport/TOrvContactInfo.h"
#include "mailimport/TOrvMail.h"
#include "mailimport/manager/TOrvMailManager.h"

#include <QMainWindow>
#include <QTimer>

#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QTabWidget;
class QToolButton;

namespace Ipc { class MessageWindow; }

namespace MailUi {

class TFR_MailBody;
class TOrvListBox;
class TorvProgress;

// The main window of the e-mail import program: the received and sent messages of the
// configured mail client, the message view, and the commands that store a message (with
// its ticked attachments) or its address for the firm or person open in the host.
//
// It follows the host through ContactInfo.ini, re-read every 500 ms while no worker runs:
// a new profile reopens the database and reloads the lists, a new subject changes the
// subject panel. While a worker runs the lists are empty and the commands that touch the
// database are off.
//
// Owns the mail manager; GUI thread only.
class TFM_MailImportMain : public QMainWindow
{
    Q_OBJECT

public:
    // `manager`: the program's controller; null makes one with the registered clients.
    explicit TFM_MailImportMain(std::unique_ptr<Mail::TOrvMailManager> manager = nullptr,
                                QWidget *parent = nullptr);
    ~TFM_MailImportMain() override;

    // One idle tick of TR_Main (also called by tests).
    void TimerTick();
    // Refills both lists from the manager in the current sort modes, keeping selections.
    void FillLists();
    // The list's selected message in the message view (or an empty view).
    void ListClick();
    void SaveToContact();
    void ReloadMailList();
    void ShowSettings();

    Mail::TOrvMailManager &manager() const { return *m_manager; }
    TOrvListBox *inboxList() const { return m_inbox; }
    TOrvListBox *outboxList() const { return m_outbox; }
    TOrvListBox *activeList() const;
    TFR_MailBody *mailBody() const { return m_body; }
    QTabWidget *pages() const { return m_pages; }
    QToolButton *saveButton() const { return m_save; }
    QAction *saveAction() const { return m_saveAction; }
    QComboBox *inboxSortCombo() const { return m_inboxSort; }
    QComboBox *outboxSortCombo() const { return m_outboxSort; }
    QLabel *statusLabel() const { return m_status; }
    QWidget *subjectPanel() const { return m_subject; }
    const Mail::TOrvContactInfo &contactInfo() const { return m_context; }

    // "Import e-mailů do Velmora" with the program's version.
    static QString caption();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void OnStart();
    void OnFinish();
    void OnStatus(const QString &text);
    void ListDoubleClick();
    void SortChanged(bool inbox);
    void bringToFront();
    void setReloadLook(bool stop);
    void updateSaveEnabled();
    void savePosition() const;
    void restorePosition();
    void setBusyCursor(bool busy);

    std::unique_ptr<Mail::TOrvMailManager> m_manager;
    Mail::TOrvContactInfo m_context;
    bool m_pendingDownload = false;
    bool m_positionRestored = false;
    bool m_inTick = false;
    bool m_busyCursor = false;

    QTimer m_timer;
    QToolButton *m_reload;
    QToolButton *m_save;
    QWidget *m_subject;
    QTabWidget *m_pages;
    TOrvListBox *m_inbox;
    TOrvListBox *m_outbox;
    QComboBox *m_inboxSort;
    QComboBox *m_outboxSort;
    TFR_MailBody *m_body;
    QLabel *m_status;
    TorvProgress *m_progress;
    QAction *m_reloadAction;
    QAction *m_saveAction;
    QAction *m_settingsAction;
    Ipc::MessageWindow *m_messageWindow;
};

} // namespace MailUi
