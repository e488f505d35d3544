#include "infobrowser/TDataInfo.h"

#include "infobrowser/InfoBrowserView.h"
#include "infobrowser/TDataInfoUpdate.h"
#include "infobrowser/TFM_DataInfoItems.h"
#include "infobrowser/TFM_DataInfoSettings.h"
#include "infobrowser/TFM_DataInfoUpdate.h"

#include "base/Version.h"

#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QSplitter>
#include <QStyle>
#include <QTreeWidget>

namespace InfoBrowser {

namespace {

constexpr int PathRole = Qt::UserRole;
constexpr int IsFolderRole = Qt::UserRole + 1;

void addItems(QTreeWidgetItem *parent, QTreeWidget *tree, const QList<TDataInfoNode *> &nodes, const QIcon &folderIcon,
              const QIcon &pageIcon)
{
    for (const TDataInfoNode *node : nodes) {
        auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
        item->setText(0, node->caption);
        item->setIcon(0, node->isFolder ? folderIcon : pageIcon);
        item->setData(0, PathRole, node->path);
        item->setData(0, IsFolderRole, node->isFolder);
        addItems(item, tree, node->children, folderIcon, pageIcon);
    }
}

} // namespace

QString firstPageHtml()
{
    return TDataInfo::tr("<html><body style=\"font-family: sans-serif\">"
                         "<h2>ORVANTA Plus</h2>"
                         "<p>Informace, návody a novinky k programům ORVANTA.</p>"
                         "<p>Vyberte stránku ve stromu vlevo. Nové stránky stáhnete příkazem "
                         "<b>Nástroje – Aktualizace</b>.</p>"
                         "<p><a href=\"http://www.orvanta.cz/\">www.orvanta.cz</a><br>"
                         "<a href=\"mailto:info@orvanta.cz\">info@orvanta.cz</a></p>"
                         "<p>Verze %1</p></body></html>")
        .arg(Orv::fileVersion());
}

TDataInfo::TDataInfo(QWidget *parent)
    : QWidget(parent)
    , m_splitter(new QSplitter(Qt::Horizontal, this))
    , m_treeWidget(new QTreeWidget(m_splitter))
{
    setObjectName(QStringLiteral("TDataInfo"));
    m_treeWidget->setObjectName(QStringLiteral("TV_Tree"));
    m_treeWidget->setHeaderHidden(true);
    m_treeWidget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_treeWidget->installEventFilter(this);
    m_view = createBrowserView(m_splitter);
    m_splitter->addWidget(m_view->widget());
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setChildrenCollapsible(false);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_splitter);

    connect(m_view.get(), &InfoBrowserView::statusTextChanged, this, &TDataInfo::statusTextChanged);
    connect(m_treeWidget, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
        if (!m_settings.dblClickOpen)
            openItem(item);
    });
    connect(m_treeWidget, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        if (m_settings.dblClickOpen)
            openItem(item);
    });
    m_settings.directory = DataInfoSettings::defaultDirectory();
    m_settings.urlOnline = DataInfoSettings::defaultUrlOnline();
    m_settings.urlUpdate = DataInfoSettings::defaultUrlUpdate();
    applyTreeLook();
}

TDataInfo::~TDataInfo() = default;

void TDataInfo::applySettings(const DataInfoSettings &settings)
{
    m_settings = settings;
    m_splitter->setSizes({settings.treeWidth, std::max(width() - settings.treeWidth, 100)});
    applyTreeLook();
    m_treeWidget->setVisible(!m_settings.online);
    if (m_settings.online) {
        m_view->navigate(QUrl(QStringLiteral("about:")));
        m_view->navigate(QUrl::fromUserInput(m_settings.urlOnline));
    } else {
        buildTree();
        showFirstPage();
    }
    emit onlineChanged(m_settings.online);
}

DataInfoSettings TDataInfo::settings() const
{
    DataInfoSettings settings = m_settings;
    if (!m_settings.online)
        settings.treeWidth = m_splitter->sizes().value(0, settings.treeWidth);
    return settings;
}

void TDataInfo::applyTreeLook()
{
    QPalette palette = m_treeWidget->palette();
    palette.setColor(QPalette::Base, Orv::colorFromTColor(m_settings.treeColor));
    m_treeWidget->setPalette(palette);
    // Hot tracking follows single-click opening, as the highlight invites a click.
    m_treeWidget->setAttribute(Qt::WA_Hover, !m_settings.dblClickOpen);
    m_treeWidget->setMouseTracking(!m_settings.dblClickOpen);
}

void TDataInfo::buildTree()
{
    if (m_settings.online)
        return;
    m_treeWidget->clear();
    m_tree.build(m_settings.directory);
    const QIcon folderIcon = style()->standardIcon(QStyle::SP_DirIcon);
    const QIcon pageIcon = style()->standardIcon(QStyle::SP_FileIcon);
    addItems(nullptr, m_treeWidget, m_tree.topLevel(), folderIcon, pageIcon);
    m_treeWidget->expandAll();
    if (QTreeWidgetItem *first = m_treeWidget->topLevelItem(0)) {
        m_treeWidget->setCurrentItem(first);
        m_treeWidget->scrollToItem(first);
    }
}

void TDataInfo::showFirstPage()
{
    if (!m_settings.online)
        m_view->showHtml(firstPageHtml());
}

void TDataInfo::refreshBrowser()
{
    m_view->reload();
}

void TDataInfo::openItem(QTreeWidgetItem *item)
{
    if (!item || item->data(0, IsFolderRole).toBool())
        return;
    m_view->navigate(QUrl::fromLocalFile(item->data(0, PathRole).toString()));
}

bool TDataInfo::openPage(const QString &path)
{
    const QString full = QDir::isAbsolutePath(path) ? path : m_settings.directory + path;
    for (QTreeWidgetItemIterator it(m_treeWidget); *it; ++it) {
        if (!(*it)->data(0, IsFolderRole).toBool() && (*it)->data(0, PathRole).toString() == full) {
            m_treeWidget->setCurrentItem(*it);
            openItem(*it);
            return true;
        }
    }
    return false;
}

bool TDataInfo::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_treeWidget && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            openItem(m_treeWidget->currentItem());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TDataInfo::setOnline(bool online)
{
    if (online == m_settings.online)
        return;
    if (!online)
        m_settings.treeWidth = m_splitter->sizes().value(0, m_settings.treeWidth);
    m_settings.online = online;
    if (online) {
        m_view->navigate(QUrl(QStringLiteral("about:")));
        m_treeWidget->hide();
        m_view->navigate(QUrl::fromUserInput(m_settings.urlOnline));
    } else {
        m_treeWidget->show();
        m_splitter->setSizes({m_settings.treeWidth, std::max(width() - m_settings.treeWidth, 100)});
        buildTree();
        showFirstPage();
    }
    emit onlineChanged(online);
}

void TDataInfo::setDirectory(const QString &directory)
{
    m_settings.directory = directory.endsWith(u'/') ? directory : directory + u'/';
    buildTree();
    showFirstPage();
}

void TDataInfo::setUrlOnline(const QString &url)
{
    const bool changed = url != m_settings.urlOnline;
    m_settings.urlOnline = url.isEmpty() ? DataInfoSettings::defaultUrlOnline() : url;
    if (changed && m_settings.online)
        m_view->navigate(QUrl::fromUserInput(m_settings.urlOnline));
}

void TDataInfo::setUrlUpdate(const QString &url)
{
    m_settings.urlUpdate = url.isEmpty() ? DataInfoSettings::defaultUrlUpdate() : url;
}

void TDataInfo::setDblClickOpen(bool dblClickOpen)
{
    m_settings.dblClickOpen = dblClickOpen;
    applyTreeLook();
}

void TDataInfo::executeSettings()
{
    TFM_DataInfoSettings dialog(this);
    dialog.setForm(m_settings.directory, m_settings.urlUpdate, m_settings.urlOnline, m_settings.dblClickOpen);
    if (dialog.exec() != QDialog::Accepted)
        return;
    setDirectory(dialog.directory());
    setUrlUpdate(dialog.urlUpdate());
    setUrlOnline(dialog.urlOnline());
    setDblClickOpen(dialog.dblClickOpen());
}

void TDataInfo::executeItems()
{
    TFM_DataInfoItems dialog(this);
    dialog.setForm(m_tree.folders());
    if (dialog.exec() == QDialog::Accepted)
        buildTree();
}

void TDataInfo::executeUpdate()
{
    if (!m_update) {
        m_update = new TDataInfoUpdate(this);
        connect(m_update, &TDataInfoUpdate::updated, this, &TDataInfo::buildTree);
    }
    m_update->setPageDirectory(m_settings.directory);
    m_update->setUpdateUrl(m_settings.urlUpdate);
    TFM_DataInfoUpdate dialog(m_update, this);
    dialog.exec();
}

} // namespace InfoBrowser
