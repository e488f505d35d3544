// A plug-in that checks the host's side of the contract: it writes every call it gets,
// with its arguments and what it found of the host, one line each, to the file named by
// $ORV_CONTRACT_LOG, and runs its wizard over the chosen data source. With
// $ORV_CONTRACT_LOG set the wizard walks its pages by itself (for tests), otherwise it is
// shown to the user.
#include "hostapi/OrvPluginInterface.h"
#include "hostapi/TApplicationInfo.h"
#include "hostapi/TExternalContactModul.h"
#include "hostapi/TFM_OrvPluginWizard.h"
#include "hostapi/TModuleClassRegistry.h"
#include "hostapi/TProfil.h"
#include "hostapi/TProfileManager.h"

#include <QFile>
#include <QObject>
#include <QStackedWidget>

namespace {

void log(const QString &line)
{
    QFile file(qEnvironmentVariable("ORV_CONTRACT_LOG"));
    if (file.fileName().isEmpty() || !file.open(QIODevice::Append | QIODevice::Text))
        return;
    file.write(line.toUtf8() + '\n');
}

class ContractCheckWizard : public Host::TFM_OrvPluginWizard
{
public:
    explicit ContractCheckWizard(Host::TExternalContactModul *module)
        : TFM_OrvPluginWizard(module)
    {
        setObjectName(QStringLiteral("FM_ContractCheck"));
        PO_PluginOperator.BeforeRun = [this] { log(QStringLiteral("BeforeRun %1").arg(PO_PluginOperator.RecordCount())); };
        PO_PluginOperator.OnDataChange = [](const Host::TContactObject &record) {
            log(QStringLiteral("Record %1 %2 %3").arg(record.kind).arg(record.key.cpc).arg(record.key.c));
        };
    }

    void EndPlugin(bool cancelled) override
    {
        log(QStringLiteral("EndPlugin %1").arg(cancelled));
        if (!cancelled)
            Host::ApplicationInfo().Refresh(Host::TApplicationInfo::RefreshAllData, 0, 0);
        TFM_OrvPluginWizard::EndPlugin(cancelled);
    }

    void walkAllPages()
    {
        for (int page = PC_Wizard->activePageIndex(); page < PC_Wizard->GetPageCount() - 1; page = PC_Wizard->activePageIndex()) {
            NextPressed();
            if (PC_Wizard->activePageIndex() == page)
                break; // the wizard refused to go on
        }
        FinishPressed();
    }
};

class TPluginContractCheck : public Host::TExternalContactModul
{
public:
    explicit TPluginContractCheck(Host::TOrvBaseModul *owner)
        : TExternalContactModul(owner)
    {
        log(QStringLiteral("Construct owner=%1").arg(owner != nullptr));
    }
    ~TPluginContractCheck() override { log(QStringLiteral("Destroy")); }

    void Create() override { log(QStringLiteral("Create")); }

    bool Init() override
    {
        const bool result = TExternalContactModul::Init();
        log(QStringLiteral("Init profile=%1").arg(Host::PM().currentProfile() != nullptr));
        m_form = std::make_unique<ContractCheckWizard>(this);
        return result;
    }

    bool Execute(int p1, int p2, int p3, int p4, int p5, int p6, const QString &s1, const QString &s2) override
    {
        TExternalContactModul::Execute(p1, p2, p3, p4, p5, p6, s1, s2);
        log(QStringLiteral("Execute %1 %2 %3 %4 %5 %6 '%7' '%8' initialized=%9")
                .arg(p1).arg(p2).arg(p3).arg(p4).arg(p5).arg(p6).arg(s1, s2).arg(isInitialized()));
        if (!m_form->Execute())
            return false;
        if (qEnvironmentVariableIsSet("ORV_CONTRACT_LOG"))
            m_form->walkAllPages();
        else
            m_form->exec();
        m_form->Done();
        m_form.reset();
        return true;
    }

    bool Close() override
    {
        log(QStringLiteral("Close"));
        m_form.reset();
        return TExternalContactModul::Close();
    }

private:
    std::unique_ptr<ContractCheckWizard> m_form;
};

} // namespace

class ContractCheckPlugin : public QObject, public Host::IOrvPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID OrvPlugin_iid FILE "ContractCheckPlugin.json")
    Q_INTERFACES(Host::IOrvPlugin)

public:
    void RegisterModuleClass(Host::TModuleClassRegistry &registry) override
    {
        registry.RegisterClass<TPluginContractCheck>(QStringLiteral("TPluginContractCheck"));
    }
};

#include "ContractCheckPlugin.moc"
