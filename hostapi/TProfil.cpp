#include "hostapi/TProfil.h"

#include "hostapi/TDataProfil.h"
#include "hostapi/TRecordListServer.h"
#include "hostapi/TTreeServer.h"

#include "contactdb/Connection.h"

#include "base/Errors.h"

#include <QCoreApplication>
#include <QDir>

namespace Host {

namespace {

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(Host::TProfil)
};

} // namespace

TProfil::TProfil(const QString &profilePath, const QString &userDomName, QObject *parent)
    : QObject(parent)
    , m_path(QDir(profilePath).absolutePath())
{
    if (!QDir(m_path).exists())
        throw EOrvUserError(Tr::tr("Složka profilu %1 neexistuje.").arg(QDir::toNativeSeparators(m_path)),
                            QStringLiteral("no profile folder %1").arg(m_path));
    m_data = std::make_unique<TDataProfil>(m_path);
    m_user = TUserInfo::load(m_data->connection(), userDomName);
    if (!m_user.accessTotal)
        throw EOrvUserError(Tr::tr("Uživatel %1 nemá přístup do profilu.").arg(m_user.fullName),
                            QStringLiteral("user %1 has no access").arg(m_user.domName));
    m_data->connection().setDomainName(m_user.domName);
    m_treeServer = new TTreeServer(*m_data, this);
    m_selectionServer = new TRecordListServer(this);
    m_searchResultServer = new TRecordListServer(this);
}

TProfil::~TProfil()
{
    // The servers read the database, so they go before it.
    delete m_treeServer;
    delete m_selectionServer;
    delete m_searchResultServer;
}

QString TProfil::name() const
{
    return m_data->connection().profileName();
}

int TProfil::site() const
{
    return m_data->connection().site();
}

} // namespace Host
