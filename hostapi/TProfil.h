#pragma once

#include "hostapi/HostApiGlobal.h"
#include "hostapi/TUserInfo.h"

#include <QObject>
#include <QString>

#include <memory>

namespace Host {

class TDataProfil;
class TRecordListServer;
class TTreeServer;

// An open profile: its folder, name and site number, the open database with its table
// objects, the logged-in user and the servers of its tree, selection and search result.
// Owned by the profile manager; GUI thread only.
class ORV_HOSTAPI_EXPORT TProfil : public QObject
{
    Q_OBJECT

public:
    // Opens the profile's database and logs `userDomName` in. Throws EOrvError.
    TProfil(const QString &profilePath, const QString &userDomName, QObject *parent = nullptr);
    ~TProfil() override;

    QString profilPath() const { return m_path; }
    QString name() const;
    int site() const;

    TDataProfil &Data() const { return *m_data; }
    TTreeServer &treeServer() const { return *m_treeServer; }
    TRecordListServer &selectionServer() const { return *m_selectionServer; }
    TRecordListServer &searchResultServer() const { return *m_searchResultServer; }

    TUserInfo GetUserInProfil() const { return m_user; }
    // GAP: a diary redirected to another profile is not followed; the diary user is the
    // profile's user.
    TUserInfo GetUserInDiar() const { return m_user; }

private:
    QString m_path;
    std::unique_ptr<TDataProfil> m_data;
    TUserInfo m_user;
    TTreeServer *m_treeServer;
    TRecordListServer *m_selectionServer;
    TRecordListServer *m_searchResultServer;
};

} // namespace Host
