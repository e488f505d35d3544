#pragma once

#include <QDialog>
#include <QList>

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace Mail {
class TOrvMailClient;
class TOrvMailGlobalSettings;
}

namespace MailUi {

class TFR_OrvMailSettingsClient;

// "Nastavení programu": the general settings, the chosen client's page and the automatic
// import. Created per use over the available clients and the global settings; Run() shows
// it and, when confirmed, stores everything in the settings file.
// The dialog can be confirmed only with a client chosen and its page valid.
class TFM_OrvMailSettings : public QDialog
{
    Q_OBJECT

public:
    TFM_OrvMailSettings(const QList<Mail::TOrvMailClient *> &clients, Mail::TOrvMailGlobalSettings &settings,
                        QWidget *parent = nullptr);

    // Fills the controls (SetForm).
    void SetForm();
    // Shows the dialog modally; when confirmed, writes the controls into the settings and
    // saves them (Apply). True when confirmed.
    bool Run();
    // Settings ← controls, then both files saved.
    void Apply();

    // The directory chooser behind "...": (parent, title, start directory) → chosen
    // directory or empty. QFileDialog by default; tests replace it.
    using DirectoryBrowser = std::function<QString(QWidget *, const QString &, const QString &)>;
    void setDirectoryBrowser(DirectoryBrowser browser) { m_browser = std::move(browser); }

    // Tries to close with OK: only with a client page whose validation passes.
    void tryAccept();

    QComboBox *clientCombo() const { return m_client; }
    QLineEdit *dataPathEdit() const { return m_dataPath; }
    QTabWidget *pages() const { return m_pages; }
    TFR_OrvMailSettingsClient *clientFrame() const { return m_frame; }
    QCheckBox *filterCheck() const { return m_filter; }
    QSpinBox *filterValue() const { return m_filterValue; }

private:
    void clientChanged();
    void browse();
    QCheckBox *addCheck(QWidget *page, const QString &name, const QString &caption);

    QList<Mail::TOrvMailClient *> m_clients;
    Mail::TOrvMailGlobalSettings &m_settings;
    DirectoryBrowser m_browser;

    QTabWidget *m_pages;
    QWidget *m_clientPage;
    QComboBox *m_client;
    QLineEdit *m_dataPath;
    QCheckBox *m_filter;
    QSpinBox *m_filterValue;
    QCheckBox *m_downloadAfterStart;
    QCheckBox *m_hideMailAfterImport;
    QCheckBox *m_alwaysOnTop;
    QCheckBox *m_inboxAutomat;
    QCheckBox *m_outboxAutomat;
    QCheckBox *m_promptForImport;
    TFR_OrvMailSettingsClient *m_frame = nullptr;
};

} // namespace MailUi
