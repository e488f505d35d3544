#pragma once

#include "hostapi/TContactObject.h"

#include <QMainWindow>
#include <QStringList>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace Ipc {
class MessageWindow;
struct WindowMessage;
} // namespace Ipc

namespace Host {

class PluginLoader;
class TModuleClassRegistry;

// The host shell's main window: the firms and persons of the open profile in one list whose
// current row is the host's current subject (published in ContactInfo.ini), the profile
// bar, and the plug-in menu that runs a registered plug-in on the chosen folder, the
// selected rows or the search result. It listens as "TFM_ContactMain" for the e-mail import
// program's messages. The profile itself belongs to the profile manager; the window follows
// its changes. GUI thread only.
class TFM_ContactMain : public QMainWindow
{
    Q_OBJECT

public:
    enum class Mode {
        Interactive,
        Snapshot,                                // for a screenshot: no listening, no files written
    };

    // Window messages of the e-mail import program.
    enum HostMessage : quint32 {
        MsgRefresh = 2124,                       // stored data changed: reload
        MsgOpenFirm = 2046,                      // wParam, lParam = CPCF, CF
        MsgOpenPerson = 2047,                    // wParam, lParam = CPCO, CO
    };

    TFM_ContactMain(const TModuleClassRegistry &registry, const PluginLoader &plugins,
                    Mode mode = Mode::Interactive, QWidget *parent = nullptr);
    ~TFM_ContactMain() override;

    // Starts listening for the e-mail import program; false when another host listens.
    bool listenAsHost();
    QString listenError() const { return m_listenError; }

    QString mailImportProgram() const { return m_mailImportProgram; }
    void setMailImportProgram(const QString &path) { m_mailImportProgram = path; }

    // Profiles offered on the profile bar, most recently opened first.
    QStringList knownProfiles() const { return m_knownProfiles; }
    void addKnownProfile(const QString &path);

    // The subject of the current row; kind 0 when the list is empty.
    TContactObject currentSubject() const;
    // Makes that firm or person the current row, re-reading the list once when it is not
    // there yet (just stored by another program). False when the profile has no such record.
    bool selectSubject(const TContactObject &subject);
    void handleMessage(const Ipc::WindowMessage &message);

    QToolBar *PL_ProfilBar;
    QComboBox *CB_Folder;
    QLineEdit *ED_Search;
    QTreeWidget *LX_Subjects;
    QMenu *MI_Plugins;
    QAction *MI_MailImport;
    QAction *MI_OpenProfile;
    QAction *MI_CloseProfile;
    QLabel *LB_Profil;
    QLabel *LB_Selection;

public slots:
    void reloadSubjects();
    void startMailImport();
    void runPlugin(const QString &className, int dataSourceKind);
    void openProfileDialog();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createMenus();
    void buildPluginMenu();
    void rebuildProfileBar();
    void rebuildFolders();
    void profileChanged();
    void currentRowChanged();
    void selectionChanged();
    void applySearch();
    void folderChosen();
    void publishContext();
    void updateStatus();
    void loadKnownProfiles();
    void saveKnownProfiles() const;
    QTreeWidgetItem *itemOf(const TContactObject &subject) const;

    const TModuleClassRegistry &m_registry;
    const PluginLoader &m_plugins;
    const Mode m_mode;
    Ipc::MessageWindow *m_messageWindow = nullptr;
    QString m_listenError;
    QString m_mailImportProgram;
    QStringList m_knownProfiles;
    bool m_loading = false;
    bool m_contextFailureShown = false;
};

} // namespace Host
