#include "infobrowser/TFM_DataInfoItems.h"

#include "infobrowser/DataInfoTree.h"

#include "base/Errors.h"
#include "base/MessageService.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace InfoBrowser {

TFM_DataInfoItems::TFM_DataInfoItems(QWidget *parent)
    : QDialog(parent)
    , LB_Items(new QListWidget(this))
{
    setObjectName(QStringLiteral("TFM_DataInfoItems"));
    setWindowTitle(tr("Zobrazení položek"));
    LB_Items->setObjectName(QStringLiteral("LB_Items"));
    auto *label = new QLabel(tr("Vyberte položky zobrazované ve stromu:"), this);
    label->setBuddy(LB_Items);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *all = buttons->addButton(tr("&Vybrat vše"), QDialogButtonBox::ActionRole);
    all->setObjectName(QStringLiteral("BT_All"));
    QPushButton *ok = buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("BT_OK"));
    ok->setDefault(true);
    buttons->addButton(tr("&Zavřít"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("BT_Close"));
    QPushButton *help = buttons->addButton(tr("&Nápověda"), QDialogButtonBox::HelpRole);
    help->setObjectName(QStringLiteral("BT_Help"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TFM_DataInfoItems::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(all, &QPushButton::clicked, this, [this] {
        for (int row = 0; row < LB_Items->count(); ++row)
            LB_Items->item(row)->setCheckState(Qt::Checked);
    });
    connect(help, &QPushButton::clicked, this, [this] {
        Orv::showMessage(windowTitle(), tr("Zaškrtnutím označte položky, které se budou zobrazovat ve stromu."),
                         Orv::MsgIcon::Information);
    });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(LB_Items);
    layout->addWidget(buttons);
    resize(380, 320);
}

void TFM_DataInfoItems::setForm(const QList<TDataInfoNode *> &folders)
{
    m_folders = folders;
    LB_Items->clear();
    for (const TDataInfoNode *folder : folders) {
        auto *item = new QListWidgetItem(folder->caption, LB_Items);
        item->setToolTip(QDir::toNativeSeparators(folder->path));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(folder->hidden ? Qt::Unchecked : Qt::Checked);
    }
}

void TFM_DataInfoItems::accept()
{
    QStringList failed;
    for (int row = 0; row < LB_Items->count() && row < m_folders.size(); ++row) {
        TDataInfoNode *folder = m_folders.at(row);
        const bool hidden = LB_Items->item(row)->checkState() != Qt::Checked;
        try {
            writeFolderHidden(folder->path, hidden);
            folder->hidden = hidden;
        } catch (const EOrvError &) {
            failed << QDir::toNativeSeparators(folder->path);
        }
    }
    if (!failed.isEmpty()) {
        Orv::showMessage(windowTitle(),
                         tr("Nastavení těchto složek se nepodařilo uložit:\n") + failed.join(u'\n'),
                         Orv::MsgIcon::Error);
    }
    QDialog::accept();
}

} // namespace InfoBrowser
