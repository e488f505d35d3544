#pragma once

#include <QList>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <optional>

class QIODevice;
class QNetworkReply;

namespace InfoBrowser {

struct TDataInfoUpdateFile
{
    QString url;
    std::optional<std::uint32_t> timeStamp; // packed DOS date and time; nullopt: unknown
    QString localPath;
};

// One item of the update list: a set of files for one directory of the page directory.
struct TDataInfoUpdateItem
{
    QString title;
    QString description;
    QString directory;   // relative to the page directory, "/" separators, empty for the root
    QString date;
    QList<TDataInfoUpdateFile> files;
    bool always = false; // listed checked and cannot be unchecked (also set for hidden items)
    bool hidden = false; // not listed, processed with every run that downloads anything
    bool selected = false;
};

// Downloads the update list and the files of the chosen items into the page directory.
// Downloads run on the calling (GUI) thread in a local event loop, so the window stays
// responsive; progress() reports them. Every question goes through the message service.
class TDataInfoUpdate : public QObject
{
    Q_OBJECT

public:
    enum class Result { Succeeded, Failed, Aborted };

    explicit TDataInfoUpdate(QObject *parent = nullptr);
    ~TDataInfoUpdate() override;

    void setPageDirectory(const QString &directory);
    QString pageDirectory() const { return m_pageDirectory; }
    void setUpdateUrl(const QString &url);
    QString updateUrl() const { return m_updateUrl; }
    void setTransferTimeout(int milliseconds) { m_transferTimeout = milliseconds; }

    // Downloads and reads the list and selects the items that are not up to date.
    // Returns false (after telling the user) when the list could not be downloaded.
    bool loadList();
    QList<TDataInfoUpdateItem> &items() { return m_items; }
    const QList<TDataInfoUpdateItem> &items() const { return m_items; }
    QString itemDirectory(const TDataInfoUpdateItem &item) const;
    // The target directory exists and every file exists with an age at least its stamp.
    bool isUpToDate(const TDataInfoUpdateItem &item) const;

    // Downloads the files of every selected or hidden item, asking Abort / Retry / Ignore
    // on each failure. Emits updated() after the last item unless aborted.
    Result download();
    bool isBusy() const { return m_busy; }
    QString progressText() const { return m_progressText; }

public slots:
    // Ends a running download at once, as the Abort answer does.
    void abort();

signals:
    void progress(qint64 maximum, qint64 position, const QString &text);
    void updated();
    // A failure question is about to be asked: the window should come to the front.
    void attentionNeeded();

private:
    void setProgressText(const QString &text);
    // Downloads `url` into `sink`; returns the error code text on failure.
    std::optional<QString> fetch(const QUrl &url, QIODevice *sink);
    std::optional<QString> prepareDirectory(const QString &directory) const;
    std::optional<QString> downloadFile(const TDataInfoUpdateFile &file, const QString &directory);

    QNetworkAccessManager m_manager;
    QPointer<QNetworkReply> m_reply;
    QList<TDataInfoUpdateItem> m_items;
    QString m_pageDirectory;
    QString m_updateUrl;
    QString m_progressText;
    int m_transferTimeout = 30000;
    bool m_busy = false;
    bool m_abortRequested = false;
};

} // namespace InfoBrowser
