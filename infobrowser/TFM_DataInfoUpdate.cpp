#include "infobrowser/TFM_DataInfoUpdate.h"

#include "infobrowser/DataInfoSettings.h"
#include "infobrowser/TDataInfoUpdate.h"

#include "base/MessageService.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QVBoxLayout>

namespace InfoBrowser {

namespace {

constexpr int DescriptionRole = Qt::UserRole;
constexpr int DateRole = Qt::UserRole + 1;

// Two lines per item: the title in bold with the date right-aligned, the description below.
class UpdateItemDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString title = opt.text;
        opt.text.clear();
        const QWidget *widget = opt.widget;
        QStyle *style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

        QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
        text.adjust(opt.fontMetrics.horizontalAdvance(u'0') / 2, 0, -2, 0);
        const bool selected = opt.state & QStyle::State_Selected;
        const bool enabled = opt.state & QStyle::State_Enabled;
        const QPalette::ColorGroup group = enabled ? QPalette::Normal : QPalette::Disabled;
        painter->save();
        painter->setPen(opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        const int lineHeight = opt.fontMetrics.height();
        QRect first(text.left(), text.top() + 2, text.width(), lineHeight);
        QRect second = first.translated(0, lineHeight);
        painter->drawText(first, Qt::AlignRight | Qt::AlignVCenter, index.data(DateRole).toString());
        QFont bold = opt.font;
        bold.setBold(true);
        painter->setFont(bold);
        const int dateWidth = opt.fontMetrics.horizontalAdvance(index.data(DateRole).toString()) + 8;
        painter->drawText(first.adjusted(0, 0, -dateWidth, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          QFontMetrics(bold).elidedText(title, Qt::ElideRight, first.width() - dateWidth));
        painter->setFont(opt.font);
        painter->drawText(second, Qt::AlignLeft | Qt::AlignVCenter,
                          opt.fontMetrics.elidedText(index.data(DescriptionRole).toString(), Qt::ElideRight,
                                                     second.width()));
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(size.height(), option.fontMetrics.height() * 2 + 6));
        return size;
    }
};

} // namespace

TFM_DataInfoUpdate::TFM_DataInfoUpdate(TDataInfoUpdate *update, QWidget *parent)
    : QDialog(parent)
    , m_update(update)
    , LX_Infos(new QListWidget(this))
    , PB_Progress(new QProgressBar(this))
    , LB_Progress(new QLabel(this))
{
    setObjectName(QStringLiteral("TFM_DataInfoUpdate"));
    setWindowTitle(tr("Aktualizace"));
    LX_Infos->setObjectName(QStringLiteral("LX_Infos"));
    LX_Infos->setItemDelegate(new UpdateItemDelegate(LX_Infos));
    PB_Progress->setObjectName(QStringLiteral("PB_Progress"));
    PB_Progress->setTextVisible(false);
    PB_Progress->setRange(0, 1);
    PB_Progress->setValue(0);
    LB_Progress->setObjectName(QStringLiteral("LB_Progress"));
    LB_Progress->setTextFormat(Qt::PlainText);
    LB_Progress->setMinimumWidth(1);

    auto *buttons = new QDialogButtonBox(this);
    BT_OK = buttons->addButton(tr("&Aktualizovat"), QDialogButtonBox::ActionRole);
    BT_OK->setObjectName(QStringLiteral("BT_OK"));
    BT_OK->setEnabled(false);
    BT_Storno = buttons->addButton(tr("&Zavřít"), QDialogButtonBox::RejectRole);
    BT_Storno->setObjectName(QStringLiteral("BT_Storno"));
    BT_Help = buttons->addButton(tr("&Nápověda"), QDialogButtonBox::HelpRole);
    BT_Help->setObjectName(QStringLiteral("BT_Help"));
    connect(BT_OK, &QPushButton::clicked, this, &TFM_DataInfoUpdate::startUpdate);
    connect(BT_Storno, &QPushButton::clicked, this, &TFM_DataInfoUpdate::reject);
    connect(BT_Help, &QPushButton::clicked, this, &TFM_DataInfoUpdate::showHelp);

    connect(m_update, &TDataInfoUpdate::progress, this, &TFM_DataInfoUpdate::showProgress);
    connect(m_update, &TDataInfoUpdate::attentionNeeded, this, [this] {
        raise();
        activateWindow();
    });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(LX_Infos, 1);
    layout->addWidget(LB_Progress);
    layout->addWidget(PB_Progress);
    layout->addWidget(buttons);
    resize(460, 340);

    QTimer::singleShot(100, this, &TFM_DataInfoUpdate::loadList);
}

void TFM_DataInfoUpdate::showProgress(qint64 maximum, qint64 position, const QString &text)
{
    // The bar counts in kilobytes so that large files stay within int.
    PB_Progress->setRange(0, std::max<int>(1, int(maximum / 1024)));
    PB_Progress->setValue(int(std::min(position, maximum) / 1024));
    LB_Progress->setText(text);
}

void TFM_DataInfoUpdate::loadList()
{
    LX_Infos->clear();
    m_itemIndexes.clear();
    BT_OK->setEnabled(false);
    const bool loaded = m_update->loadList();
    if (m_closeRequested) {
        QDialog::reject();
        return;
    }
    if (!loaded)
        return;
    const QList<TDataInfoUpdateItem> &items = m_update->items();
    for (int i = 0; i < items.size(); ++i) {
        const TDataInfoUpdateItem &info = items.at(i);
        if (info.hidden)
            continue;
        auto *item = new QListWidgetItem(info.title, LX_Infos);
        item->setData(DescriptionRole, info.description);
        item->setData(DateRole, info.date);
        item->setCheckState(info.selected || info.always ? Qt::Checked : Qt::Unchecked);
        Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
        if (!info.always)
            flags |= Qt::ItemIsEnabled;
        item->setFlags(flags);
        m_itemIndexes << i;
    }
    LX_Infos->setCurrentRow(0);
    BT_OK->setEnabled(true);
    BT_OK->setDefault(true);
    BT_OK->setFocus();
}

void TFM_DataInfoUpdate::startUpdate()
{
    BT_OK->setEnabled(false);
    BT_Storno->setEnabled(false);
    QList<TDataInfoUpdateItem> &items = m_update->items();
    bool anyChecked = false;
    for (int row = 0; row < LX_Infos->count(); ++row) {
        const bool checked = LX_Infos->item(row)->checkState() == Qt::Checked;
        items[m_itemIndexes.at(row)].selected = checked;
        anyChecked = anyChecked || checked;
    }
    if (!anyChecked) {
        Orv::showMessage(QLatin1String(ApplicationTitle), tr("Není označena žádná položka pro aktualizaci."),
                         Orv::MsgIcon::Warning);
        BT_OK->setEnabled(true);
        BT_Storno->setEnabled(true);
        return;
    }
    const TDataInfoUpdate::Result result = m_update->download();
    BT_OK->setEnabled(true);
    BT_Storno->setEnabled(true);
    if (m_closeRequested) {
        QDialog::reject();
        return;
    }
    if (result == TDataInfoUpdate::Result::Succeeded) {
        showProgress(0, 0, QString());
        Orv::showMessage(QLatin1String(ApplicationTitle), tr("Aktualizace proběhla úspěšně."),
                         Orv::MsgIcon::Information);
    }
    accept();
}

void TFM_DataInfoUpdate::reject()
{
    // Closing while the list or a file is downloading ends the download first.
    if (m_update->isBusy()) {
        m_closeRequested = true;
        m_update->abort();
        return;
    }
    QDialog::reject();
}

void TFM_DataInfoUpdate::showHelp()
{
    Orv::showMessage(tr("Nápověda k Aktualizaci"),
                     tr("Aktualizace slouží ke stahování nových souborů ORVANTA Plus z Internetu.\n"
                        "Okno stáhne a zobrazí seznam dostupných položek.\n"
                        "Zaškrtnuté položky nebyly v tomto počítači nalezeny.\n"
                        "Po stisku tlačítka Aktualizovat se stáhnou do místního adresáře."),
                     Orv::MsgIcon::Information);
}

} // namespace InfoBrowser
