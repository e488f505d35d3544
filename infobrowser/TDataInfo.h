#pragma once

#include "infobrowser/DataInfoSettings.h"
#include "infobrowser/DataInfoTree.h"

#include <QWidget>

#include <memory>

class QSplitter;
class QTreeWidget;
class QTreeWidgetItem;

namespace InfoBrowser {

class InfoBrowserView;
class TDataInfoUpdate;

// The information panel: the page tree, a splitter and the browser view. Owns the tree
// nodes of the last build and, once used, the update. GUI thread only.
class TDataInfo : public QWidget
{
    Q_OBJECT

public:
    explicit TDataInfo(QWidget *parent = nullptr);
    ~TDataInfo() override;

    // Takes the browser part of the settings (the window part is the form's).
    void applySettings(const DataInfoSettings &settings);
    // The settings as they are now, with the tree width at this moment.
    DataInfoSettings settings() const;

    bool isOnline() const { return m_settings.online; }
    void setOnline(bool online);
    void setDirectory(const QString &directory);
    void setUrlOnline(const QString &url);
    void setUrlUpdate(const QString &url);
    void setDblClickOpen(bool dblClickOpen);

    const DataInfoTree &tree() const { return m_tree; }
    QTreeWidget *treeWidget() const { return m_treeWidget; }
    InfoBrowserView *view() const { return m_view.get(); }
    // Opens a page of the tree by its path (absolute or relative to the page directory).
    bool openPage(const QString &path);

public slots:
    void buildTree();
    void showFirstPage();
    void refreshBrowser();
    void executeSettings();
    void executeItems();
    void executeUpdate();

signals:
    void statusTextChanged(const QString &text);
    void onlineChanged(bool online);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openItem(QTreeWidgetItem *item);
    void applyTreeLook();

    DataInfoSettings m_settings;
    DataInfoTree m_tree;
    QSplitter *m_splitter;
    QTreeWidget *m_treeWidget;
    std::unique_ptr<InfoBrowserView> m_view;
    TDataInfoUpdate *m_update = nullptr;
};

// The first page: product name, the maker's links and the version.
QString firstPageHtml();

} // namespace InfoBrowser
