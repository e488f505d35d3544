#include "mailimport/ui/TFM_PickFolder.h"

#include "mailimport/ui/TOrvListBox.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace MailUi {

QString folderMarkup(const FolderEntry &folder)
{
    if (folder.count < 0)
        return ListMarkup::escape(folder.name);
    return QStringLiteral("$B1") + ListMarkup::escape(folder.name) + QStringLiteral("$B0")
        + TFM_PickFolder::tr(" [%1 zpráv]").arg(folder.count);
}

TFM_PickFolder::TFM_PickFolder(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FM_PickFolder"));
    setWindowTitle(tr("Vyberte složku"));
    setFixedSize(298, 336);

    m_list = new TOrvListBox(this);
    m_list->setObjectName(QStringLiteral("LX_Folders"));
    m_list->setFramedItems(true);
    m_list->setSelectedColors(QColor(174, 210, 247), Qt::black);

    auto *buttons = new QDialogButtonBox(this);
    m_select = buttons->addButton(tr("&Vybrat"), QDialogButtonBox::AcceptRole);
    m_select->setObjectName(QStringLiteral("BT_OK"));
    m_select->setDefault(true);
    m_select->setEnabled(false);
    QPushButton *cancel = buttons->addButton(tr("&Zrušit"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("BT_Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemSelectionChanged, this,
            [this] { m_select->setEnabled(!m_list->selectedItems().isEmpty()); });
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
}

bool TFM_PickFolder::Run(QString &name, QVariant &object)
{
    name.clear();
    object.clear();
    if (exec() != QDialog::Accepted || m_list->selectedItems().isEmpty())
        return false;
    const QListWidgetItem *item = m_list->selectedItems().constFirst();
    name = ListMarkup::visibleText(item->text());
    object = item->data(Qt::UserRole);
    return true;
}

std::optional<FolderEntry> TFM_PickFolder::pick(const QList<FolderEntry> &folders, QWidget *parent)
{
    TFM_PickFolder dialog(parent);
    for (const FolderEntry &folder : folders)
        dialog.list()->addMarkupItem(folderMarkup(folder), QVariant::fromValue(folder));
    QString name;
    QVariant object;
    if (!dialog.Run(name, object))
        return std::nullopt;
    return object.value<FolderEntry>();
}

} // namespace MailUi
