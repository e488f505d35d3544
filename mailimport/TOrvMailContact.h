#pragma once

#include "mailimport/TOrvDataSource.h"
#include "mailimport/TOrvMail.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

namespace Mail {

// A firm (kind 1) or person (kind 2) by its key pair.
struct SubjectKey
{
    int kind = 0;
    int cpcx = 0;
    int cx = 0;
    bool operator==(const SubjectKey &other) const = default;
};

// What the confirmation of an automatic import shows about a subject.
struct SubjectDetail
{
    QString name;       // display name
    QString street;     // ULICE
    QString town;       // MISTO
    QString postcode;   // PSC
    bool operator==(const SubjectDetail &other) const = default;
};

// The database side of the mail import: whether a message is stored and to whom it is
// linked, which subject owns an address, and storing messages, documents and addresses.
// Every operation does nothing (false / empty) while the database is not open.
//
// Ownership: owns its TOrvDataSource; owned by the mail manager.
// Threads: as TOrvDataSource, one thread at a time (the manager hands it to its worker).
// Errors: the query operations and the save scripts throw EOrvDatabaseError (a failed
// save has stored nothing); the Find operations count an error as "not found".
class TOrvMailContact
{
    Q_DECLARE_TR_FUNCTIONS(Mail::TOrvMailContact)

public:
    TOrvMailContact();
    ~TOrvMailContact();
    TOrvMailContact(const TOrvMailContact &) = delete;
    TOrvMailContact &operator=(const TOrvMailContact &) = delete;

    // attachmentDirectory: DataPath; kept with a trailing "/" (empty stays empty).
    bool Open(const QString &profilePath, const QString &attachmentDirectory);
    void Close();
    bool Opened() const { return m_opened; }
    QString attachmentDirectory() const { return m_attachmentDirectory; }
    TOrvDataSource &dataSource() { return m_dataSource; }

    bool IsEmailInDB(const TOrvMail &mail);
    // Comma text of "$IC$R11,<CPCF>,<CF>$R0<FIRMA>" entries, each in double quotes.
    QString GetLinkedFirms(const TOrvMail &mail);
    // Comma text of "$IB$R12,<CPCO>,<CO>$R0<FNAME> <SNAME>" entries, each in double quotes.
    QString GetLinkedPersons(const TOrvMail &mail);
    // The one firm or person whose e-mail connection equals the message's address (To of
    // a sent, From of a received message); nothing when none or several have it.
    std::optional<SubjectKey> FindSubjectByAddress(const TOrvMail &mail);
    std::optional<SubjectDetail> FindSubjectById(const SubjectKey &subject);
    // Comma text of the subject's e-mail addresses, each in double quotes; nothing when the
    // database is closed or the query failed (an empty text when it has none).
    std::optional<QString> GetSubjectAddresses(const SubjectKey &subject);

    // The save scripts: false unless open and kind is 1 or 2; true when the script ran
    // (which may have found everything stored already and written nothing).
    bool SaveEmail(int site, const QString &domName, const TOrvMail &mail, const SubjectKey &subject);
    bool SaveDocument(int site, const QString &domName, const QString &memo, const QString &path,
                      const QString &description, const SubjectKey &subject);
    bool SaveAddress(int site, const QString &domName, const QString &address, const SubjectKey &subject);

    // InDatabase, LinkedFirms and LinkedPersons of the message from the database (SetLinks);
    // with the database closed: not stored, no links.
    void LoadDatabaseState(TOrvMail &mail);

    // The rich-text note of a document saved from one of the message's attachments.
    static QString DocumentMemo(const TOrvMail &mail);
    static QString firmEntry(qint64 cpcf, qint64 cf, const QString &firma);
    static QString personEntry(qint64 cpco, qint64 co, const QString &fname, const QString &sname);

private:
    TOrvDataSource m_dataSource;
    QString m_attachmentDirectory;
    bool m_opened = false;
};

} // namespace Mail
