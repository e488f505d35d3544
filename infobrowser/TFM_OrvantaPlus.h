#pragma once

#include <QMainWindow>

class QAction;
class QLabel;

namespace InfoBrowser {

class TDataInfo;

// The main window: the information panel, the menus and the status bar. Reads the
// settings file when created and writes it back when closed.
class TFM_OrvantaPlus : public QMainWindow
{
    Q_OBJECT

public:
    explicit TFM_OrvantaPlus(const QString &settingsFile, QWidget *parent = nullptr);

    TDataInfo *dataInfo() const { return m_dataInfo; }
    // Writes the window placement and the settings; reports a failure to the user.
    bool saveSettings();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createMenus();
    void restorePlacement();
    void updateActions();
    void showAbout();

    QString m_settingsFile;
    TDataInfo *m_dataInfo;
    QLabel *SB_Status;
    QAction *MI_Online = nullptr;
    QAction *MI_RefreshTree = nullptr;
    QAction *MI_FirstPage = nullptr;
};

} // namespace InfoBrowser
