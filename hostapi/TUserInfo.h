#pragma once

#include "hostapi/HostApiGlobal.h"

#include <QString>

#include <array>

namespace Db {
class Connection;
}

namespace Host {

// The application areas a user's access level is kept for.
enum class TAccessArea { Firm, Person, Common, AddSet, Tree, Diar, Note };

// Access levels: 0 no access, 1 read only, 2 edit and add, 3 full rights. The diary and
// the notes know only 0 and 1 (1 meaning full rights there).
enum TAccessLevel { alNone = 0, alRead = 1, alEdit = 2, alFull = 3 };

// The logged-in user of a profile: identity and access levels. A value.
class ORV_HOSTAPI_EXPORT TUserInfo
{
public:
    static constexpr char SupervisorDomName[] = "SUPERVISOR";

    QString domName;                             // unique name, identifies the user's data
    QString fullName;
    bool supervisor = false;
    bool accessTotal = false;                    // may open the profile at all

    int level(TAccessArea area) const;           // 0 when the profile is closed to the user
    void setLevel(TAccessArea area, int level);  // clamped to the area's range
    bool canRead(TAccessArea area) const { return level(area) >= alRead; }
    // The diary and the notes have two levels; their level 1 is full rights.
    bool canEdit(TAccessArea area) const;
    bool canDelete(TAccessArea area) const;

    static int maximumLevel(TAccessArea area);

    // The user with this unique name (ignoring case); throws EOrvUserError when the
    // profile has none.
    static TUserInfo load(Db::Connection &connection, const QString &domName);

    bool operator==(const TUserInfo &other) const = default;

private:
    std::array<int, 7> m_levels{};
};

} // namespace Host
