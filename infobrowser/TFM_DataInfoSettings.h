#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace InfoBrowser {

// "Nastavení": the page directory, the update and online addresses and double-click opening.
class TFM_DataInfoSettings : public QDialog
{
    Q_OBJECT

public:
    explicit TFM_DataInfoSettings(QWidget *parent = nullptr);

    void setForm(const QString &directory, const QString &urlUpdate, const QString &urlOnline, bool dblClickOpen);
    QString directory() const;
    QString urlUpdate() const;
    QString urlOnline() const;
    bool dblClickOpen() const;

private:
    void browse();
    void showHelp();

    QLineEdit *ED_HtmlPath;
    QComboBox *CB_UrlUpdate;
    QComboBox *CB_UrlOnline;
    QCheckBox *CX_DblClick;
};

} // namespace InfoBrowser
