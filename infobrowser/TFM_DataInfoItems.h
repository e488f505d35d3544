#pragma once

#include <QDialog>
#include <QList>

class QListWidget;

namespace InfoBrowser {

struct TDataInfoNode;

// "Zobrazení položek": shows or hides the folders of the tree. OK writes the choice into
// each folder's "orvantaplus.ini"; a folder that cannot be written is reported.
class TFM_DataInfoItems : public QDialog
{
    Q_OBJECT

public:
    explicit TFM_DataInfoItems(QWidget *parent = nullptr);

    void setForm(const QList<TDataInfoNode *> &folders);
    QListWidget *list() const { return LB_Items; }

public slots:
    void accept() override;

private:
    QListWidget *LB_Items;
    QList<TDataInfoNode *> m_folders;
};

} // namespace InfoBrowser
