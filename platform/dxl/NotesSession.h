#pragma once

#include "platform/dxl/NotesDocument.h"

#include <QString>
#include <QStringList>

#include <memory>

// The Domino session, database and view over a Notes mail database exported as DXL
// (NotesSession, NotesDatabase, NotesView with their names). The mail store is either a
// directory holding one DXL export per folder or view, the file's name (without ".dxl" or
// ".xml") being the view's name — "($Inbox).dxl" is the view "($Inbox)" — or one DXL file,
// which is then the database's only view.
// A view walks its export as a stream, one document in memory at a time.
// Objects are used in one thread at a time (the mail import never reads from two at once).
namespace Domino {

namespace Internal {
struct SessionState;
}

class NotesView;

class NotesDatabase
{
public:
    ~NotesDatabase();
    QString FilePath() const;
    QStringList Views() const;                         // names in file-name order
    // By name ignoring case; nullptr when there is no such view.
    std::unique_ptr<NotesView> GetView(const QString &name) const;
    // Searches every view's export; nullptr when no document has the identifier.
    std::unique_ptr<NotesDocument> GetDocumentByUNID(const QString &unid) const;

private:
    friend class NotesSession;
    explicit NotesDatabase(std::shared_ptr<Internal::SessionState> session);
    QString viewFile(const QString &name) const;
    std::shared_ptr<Internal::SessionState> m_session;
};

class NotesView
{
public:
    ~NotesView();
    QString Name() const { return m_name; }
    // Restarts the walk. Throws EOrvIoError when the export is not valid XML.
    std::unique_ptr<NotesDocument> GetFirstDocument();
    // The document after `previous` in the walk; nullptr at the end.
    std::unique_ptr<NotesDocument> GetNextDocument(const NotesDocument &previous);

private:
    friend class NotesDatabase;
    NotesView(std::shared_ptr<Internal::SessionState> session, QString name, QString file);
    struct Private;
    std::unique_ptr<Private> d;
    QString m_name;
};

class NotesSession
{
public:
    // `mailStore`: the configured store (directory or DXL file).
    explicit NotesSession(const QString &mailStore);
    ~NotesSession();
    NotesSession(const NotesSession &) = delete;
    NotesSession &operator=(const NotesSession &) = delete;

    // Keeps the password for the session (a DXL export needs none); it is never logged.
    void Initialize(const QString &password = {});
    bool isInitialized() const;

    // When on (Notes' default) MIME bodies read as rich text: "Body" has no MIME entity.
    bool ConvertMime() const;
    void setConvertMime(bool convert);

    // The database directory's "open mail database": throws EOrvIoError when the store
    // does not exist or holds no DXL export.
    std::unique_ptr<NotesDatabase> OpenMailDatabase() const;

private:
    std::shared_ptr<Internal::SessionState> m_state;
};

} // namespace Domino
