#pragma once

#include <QStringList>

namespace Db {

class Connection;

// The contact database schema as numbered migrations. Migration i (0-based) brings
// PRAGMA user_version from i to i+1; Connection::open() applies the missing ones, each in
// its own transaction. To change the schema, append one SQL text to the list in
// Schema.cpp — never edit one that has shipped.
//
// Tables (SQL words among the column names are double-quoted in every statement):
//   FIRM, PERSON, CONNECT, EMAIL, LINK, DOCUMENT, SITESET (one row: the profile's SITE and
//   PROFILNAME and one LAST<C-column> counter per keyed table), and the host's other
//   tables under names of our own: USERS (users; a built-in SUPERVISOR row), NOTE
//   (notes), ADDSET (addition definitions), ADDVALUE (addition values), ADDVIEW (view:
//   addition sets as offered for display), LISTVALUE (values of list additions), COUNTRY
//   (countries), TREEFOLDER (contact tree folders), TREEMEMBER (records placed in them),
//   and the display views FIRMVIEW / PERSONVIEW ("UNIQUE", SUBJECT, ADDR).
//
// Keyed tables have PRIMARY KEY (CPC…, C…); the counter for C-column X is SITESET.LASTX
// (LASTCF, LASTCO, LASTCS, LASTCT, LASTCEM, LASTCL, LASTCN, LASTCOB, LASTCM, LASTCU).
// Storage forms: timestamps as local ISO text "yyyy-MM-ddTHH:mm:ss.zzz"; booleans 0/1;
// text UTF-8; blobs as bytes. CONNECT.TELEFON compares case-insensitively (COLLATE NOCASE,
// ASCII letters), EMAIL.ENTRYID exactly (BINARY).
class Schema
{
public:
    static const QStringList &migrations();
    static int currentVersion() { return int(migrations().size()); }
    static QStringList tableNames();             // every table and view of the current version

    // Applies the missing migrations. Throws EOrvDatabaseError, also when the file was made
    // by a newer program (user_version above currentVersion()).
    static void upgrade(Connection &connection);
};

} // namespace Db
