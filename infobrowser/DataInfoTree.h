#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace InfoBrowser {

// One folder or page of the information tree.
struct TDataInfoNode
{
    QString caption;
    int order = 0;
    QString path;        // a folder: its directory with a trailing "/"; a page: the file path
    bool isFolder = false;
    bool hidden = false;
    QList<TDataInfoNode *> children; // shown children in display order; observers
};

// The tree of folders and pages under a page directory, built from the directories and
// the "orvantaplus.ini" file of each folder. Owns every node it created in the last
// build, also folders that are not shown (hidden or empty). Not thread-safe.
class DataInfoTree
{
public:
    DataInfoTree();
    ~DataInfoTree();
    DataInfoTree(const DataInfoTree &) = delete;
    DataInfoTree &operator=(const DataInfoTree &) = delete;

    void build(const QString &rootDirectory);
    void clear();

    QString rootDirectory() const { return m_root; }
    const QList<TDataInfoNode *> &topLevel() const { return m_topLevel; }
    // Every folder node of the last build, shown or not, in the order they were read.
    QList<TDataInfoNode *> folders() const;
    // The first shown node in display order, or null.
    TDataInfoNode *firstNode() const;

    // One line per shown node in display order: two spaces per level, the caption, a tab
    // and the path relative to the root directory.
    QStringList outline() const;

private:
    void readDirectory(const QString &directory, TDataInfoNode *parent, QStringList &visited);

    QString m_root;
    std::vector<std::unique_ptr<TDataInfoNode>> m_nodes;
    QList<TDataInfoNode *> m_topLevel;
};

// The per-folder settings file of `directory`, found ignoring case as Windows did;
// "orvantaplus.ini" in it when there is none yet.
QString folderIniPath(const QString &directory);

// Shows or hides a folder: writes "Hide=1" into its "orvantaplus.ini" or deletes the key.
// Throws EOrvIoError when the file cannot be written.
void writeFolderHidden(const QString &directory, bool hidden);

} // namespace InfoBrowser
