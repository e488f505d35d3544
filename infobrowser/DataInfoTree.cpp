#include "infobrowser/DataInfoTree.h"

#include "infobrowser/HtmlPage.h"

#include "base/IniFile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace InfoBrowser {

namespace {

constexpr char FolderIniName[] = "orvantaplus.ini";
constexpr char FolderSection[] = "OrvantaPlus";
constexpr char HideFileSection[] = "HideFile";

QString withSlash(const QString &directory)
{
    return directory.endsWith(u'/') ? directory : directory + u'/';
}

bool isPage(const QFileInfo &file)
{
    // Windows listed "*.htm" with ".html" files too (through their short names).
    const QString suffix = file.suffix().toLower();
    return suffix == u"htm" || suffix == u"html";
}

// Folders are listed by name ignoring case (the order Windows returned them in), then the
// whole tree is sorted stably by Order, so equal orders keep that order.
void sortByOrder(QList<TDataInfoNode *> &nodes)
{
    std::stable_sort(nodes.begin(), nodes.end(),
                     [](const TDataInfoNode *a, const TDataInfoNode *b) { return a->order < b->order; });
    for (TDataInfoNode *node : nodes)
        sortByOrder(node->children);
}

void appendOutline(const QList<TDataInfoNode *> &nodes, const QString &root, int level, QStringList &lines)
{
    for (const TDataInfoNode *node : nodes) {
        QString path = node->path;
        if (path.startsWith(root))
            path = path.mid(root.size());
        lines << QString(level * 2, u' ') + node->caption + u'\t' + path;
        appendOutline(node->children, root, level + 1, lines);
    }
}

} // namespace

DataInfoTree::DataInfoTree() = default;
DataInfoTree::~DataInfoTree() = default;

void DataInfoTree::clear()
{
    m_topLevel.clear();
    m_nodes.clear();
}

void DataInfoTree::build(const QString &rootDirectory)
{
    clear();
    m_root = withSlash(rootDirectory);
    QStringList visited;
    readDirectory(m_root, nullptr, visited);
    sortByOrder(m_topLevel);
}

void DataInfoTree::readDirectory(const QString &directory, TDataInfoNode *parent, QStringList &visited)
{
    // A symbolic link back up the tree would otherwise recurse for ever.
    const QString canonical = QFileInfo(directory).canonicalFilePath();
    if (canonical.isEmpty() || visited.contains(canonical))
        return;
    visited << canonical;

    const QDir dir(directory);
    QList<TDataInfoNode *> &siblings = parent ? parent->children : m_topLevel;
    const QStringList subdirectories = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : subdirectories) {
        const QString path = directory + name + u'/';
        const Orv::IniFile ini(folderIniPath(path));
        auto node = std::make_unique<TDataInfoNode>();
        node->caption = ini.readString(QLatin1String(FolderSection), QStringLiteral("DirName"));
        if (node->caption.isEmpty())
            node->caption = name;
        node->order = ini.readInteger(QLatin1String(FolderSection), QStringLiteral("Order"), 0);
        node->hidden = ini.readBool(QLatin1String(FolderSection), QStringLiteral("Hide"), false);
        node->path = path;
        node->isFolder = true;
        TDataInfoNode *folder = node.get();
        m_nodes.push_back(std::move(node));
        readDirectory(path, folder, visited);
        if (!folder->children.isEmpty() && !folder->hidden)
            siblings << folder;
    }

    // Pages directly in the root directory are not shown.
    if (!parent)
        return;
    const Orv::IniFile ini(folderIniPath(directory));
    const QFileInfoList files = dir.entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &file : files) {
        if (!isPage(file) || ini.readBool(QLatin1String(HideFileSection), file.fileName(), false))
            continue;
        auto node = std::make_unique<TDataInfoNode>();
        node->caption = pageTitle(file.filePath());
        if (node->caption.isEmpty())
            node->caption = file.fileName();
        node->path = directory + file.fileName();
        siblings << node.get();
        m_nodes.push_back(std::move(node));
    }
}

QList<TDataInfoNode *> DataInfoTree::folders() const
{
    QList<TDataInfoNode *> result;
    for (const auto &node : m_nodes) {
        if (node->isFolder)
            result << node.get();
    }
    return result;
}

TDataInfoNode *DataInfoTree::firstNode() const
{
    return m_topLevel.isEmpty() ? nullptr : m_topLevel.first();
}

QStringList DataInfoTree::outline() const
{
    QStringList lines;
    appendOutline(m_topLevel, m_root, 0, lines);
    return lines;
}

QString folderIniPath(const QString &directory)
{
    const QDir dir(directory);
    const QStringList candidates = dir.entryList({QLatin1String(FolderIniName)}, QDir::Files | QDir::Hidden);
    // entryList matches ignoring case; prefer the exact name when several exist.
    if (candidates.contains(QLatin1String(FolderIniName)) || candidates.isEmpty())
        return dir.filePath(QLatin1String(FolderIniName));
    return dir.filePath(candidates.first());
}

void writeFolderHidden(const QString &directory, bool hidden)
{
    Orv::IniFile ini(folderIniPath(directory));
    const QString section = QLatin1String(FolderSection);
    const QString key = QStringLiteral("Hide");
    if (hidden && !ini.readBool(section, key, false))
        ini.writeBool(section, key, true);
    else if (!hidden && ini.valueExists(section, key))
        ini.deleteKey(section, key);
    if (ini.isModified())
        ini.save();
}

} // namespace InfoBrowser
