#include "hostapi/TUserInfo.h"

#include "contactdb/Connection.h"
#include "contactdb/RowSet.h"

#include "base/Errors.h"

#include <QCoreApplication>

namespace Host {

namespace {

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(Host::TUserInfo)
};

struct AreaColumn
{
    TAccessArea area;
    const char *column;
};

// Columns of the users table holding the levels.
constexpr AreaColumn LevelColumns[] = {
    {TAccessArea::Firm, "ACCESS_FIRM"},     {TAccessArea::Person, "ACCESS_PERSON"},
    {TAccessArea::Common, "ACCESS_COMMON"}, {TAccessArea::AddSet, "ACCESS_ADDSET"},
    {TAccessArea::Tree, "ACCESS_TREE"},     {TAccessArea::Diar, "ACCESS_DIAR"},
    {TAccessArea::Note, "ACCESS_NOTE"},
};

int indexOf(TAccessArea area)
{
    return int(area);
}

} // namespace

int TUserInfo::maximumLevel(TAccessArea area)
{
    return area == TAccessArea::Diar || area == TAccessArea::Note ? 1 : int(alFull);
}

int TUserInfo::level(TAccessArea area) const
{
    return accessTotal ? m_levels[indexOf(area)] : int(alNone);
}

void TUserInfo::setLevel(TAccessArea area, int level)
{
    m_levels[indexOf(area)] = qBound(0, level, maximumLevel(area));
}

bool TUserInfo::canEdit(TAccessArea area) const
{
    return level(area) >= qMin(int(alEdit), maximumLevel(area));
}

bool TUserInfo::canDelete(TAccessArea area) const
{
    return level(area) >= maximumLevel(area);
}

TUserInfo TUserInfo::load(Db::Connection &connection, const QString &domName)
{
    Db::RowSet rows = connection.query(QStringLiteral("SELECT * FROM \"USERS\" WHERE \"DOMNAME\" = ? COLLATE NOCASE"),
                                       {domName});
    if (rows.isEmpty())
        throw EOrvUserError(Tr::tr("Uživatel %1 v profilu není.").arg(domName),
                            QStringLiteral("no user %1").arg(domName));
    TUserInfo user;
    user.domName = rows.stringByName(QStringLiteral("DOMNAME"));
    user.fullName = rows.stringByName(QStringLiteral("FULLNAME"));
    user.accessTotal = rows.integerByName(QStringLiteral("ACCESS_TOTAL")) != 0;
    const bool hasSupervisorColumn = rows.columnIndex(QStringLiteral("SUPERVISOR")) >= 0;
    user.supervisor = hasSupervisorColumn
                          ? rows.integerByName(QStringLiteral("SUPERVISOR")) != 0
                          : user.domName.compare(QLatin1String(SupervisorDomName), Qt::CaseInsensitive) == 0;
    for (const AreaColumn &entry : LevelColumns) {
        const QString column = QLatin1String(entry.column);
        // GAP: the users table has no level columns yet; until it does, a user with
        // access to the profile gets every area's highest level.
        const int level = rows.columnIndex(column) >= 0 ? int(rows.integerByName(column)) : maximumLevel(entry.area);
        user.setLevel(entry.area, level);
    }
    return user;
}

} // namespace Host
