#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace InfoBrowser {

class TDataInfoUpdate;

// "Aktualizace": lists the items of the update list and downloads the checked ones.
// Loads the list 100 ms after it opens. Closing it during a download aborts the download.
class TFM_DataInfoUpdate : public QDialog
{
    Q_OBJECT

public:
    TFM_DataInfoUpdate(TDataInfoUpdate *update, QWidget *parent = nullptr);

    QListWidget *list() const { return LX_Infos; }

public slots:
    void loadList();
    void startUpdate();
    void reject() override;

private:
    void showProgress(qint64 maximum, qint64 position, const QString &text);
    void showHelp();

    TDataInfoUpdate *m_update;
    QListWidget *LX_Infos;
    QProgressBar *PB_Progress;
    QLabel *LB_Progress;
    QPushButton *BT_OK;
    QPushButton *BT_Storno;
    QPushButton *BT_Help;
    QList<int> m_itemIndexes; // the update item of each list row
    bool m_closeRequested = false;
};

} // namespace InfoBrowser
