#include "hostapi/TFM_OrvPluginWizard.h"

#include "hostapi/FormPosition.h"
#include "hostapi/HelpService.h"
#include "hostapi/HostTexts.h"
#include "hostapi/TExternalContactModul.h"
#include "hostapi/TProfileManager.h"

#include "visual/TButton95.h"
#include "visual/TPageControl98.h"
#include "visual/TTabSheet98.h"
#include "visual/TWizard.h"

#include "base/Guarded.h"
#include "base/MessageService.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace Host {

namespace {

// Wizard pages have no tabs: the wizard's buttons move between them.
TTabSheet98 *addPage(TPageControl98 *pages, const char *name)
{
    auto *page = new TTabSheet98(pages);
    page->setObjectName(QLatin1String(name));
    page->SetTabVisible(false);
    return page;
}

} // namespace

TFM_OrvPluginWizard::TFM_OrvPluginWizard(TExternalContactModul *module, QWidget *parent)
    : QDialog(parent)
    , WZ_Wizard(new TWizard(this))
    , PC_Wizard(new TPageControl98(WZ_Wizard))
    , TS_About(addPage(PC_Wizard, "TS_About"))
    , TS_DataSource(addPage(PC_Wizard, "TS_DataSource"))
    , TS_Filter(addPage(PC_Wizard, "TS_Filter"))
    , TS_Progress(addPage(PC_Wizard, "TS_Progress"))
    , TS_Work(addPage(PC_Wizard, "TS_Work"))
    , LB_DataSource(new QLabel(TS_DataSource))
    , PB_Progress(new QProgressBar(TS_Progress))
    , BT_Pause(new QPushButton(tr("&Přerušit"), TS_Progress))
    , PW_PluginWalker(PS_PluginSelector)
    , PO_PluginOperator(PW_PluginWalker)
    , m_module(module)
{
    WZ_Wizard->setObjectName(QStringLiteral("WZ_Wizard"));
    PC_Wizard->setObjectName(QStringLiteral("PC_Wizard"));
    auto *formLayout = new QVBoxLayout(this);
    formLayout->setContentsMargins(0, 0, 0, 0);
    formLayout->addWidget(WZ_Wizard);
    auto *wizardLayout = new QVBoxLayout(WZ_Wizard);
    wizardLayout->addWidget(PC_Wizard);

    LB_DataSource->setWordWrap(true);
    auto *dataSourceLayout = new QVBoxLayout(TS_DataSource);
    dataSourceLayout->addWidget(LB_DataSource);
    dataSourceLayout->addStretch();
    auto *progressLayout = new QVBoxLayout(TS_Progress);
    progressLayout->addWidget(PB_Progress);
    progressLayout->addWidget(BT_Pause, 0, Qt::AlignRight);
    progressLayout->addStretch();
    BT_Pause->setEnabled(false);

    connect(WZ_Wizard, &TWizard::nextClicked, this, [this] { Orv::guarded([this] { NextPressed(); }); });
    connect(WZ_Wizard, &TWizard::prevClicked, this, [this] { Orv::guarded([this] { PrevPressed(); }); });
    connect(WZ_Wizard, &TWizard::cancelClicked, this, &TFM_OrvPluginWizard::reject);
    connect(WZ_Wizard, &TWizard::helpClicked, this, &TFM_OrvPluginWizard::showHelp);
    connect(BT_Pause, &QPushButton::clicked, this, [this] { PO_PluginOperator.Pause(); });

    PO_PluginOperator.OnPause = [this](bool &continueRun) { askToCancel(continueRun); };
    PO_PluginOperator.AfterRun = [this](bool cancelled) { EndPlugin(cancelled); };
}

TFM_OrvPluginWizard::~TFM_OrvPluginWizard() = default;

bool TFM_OrvPluginWizard::Execute()
{
    GetDataSource();
    DoLoadFromRegIni();
    return Initialize();
}

QString TFM_OrvPluginWizard::GetHelpFile()
{
    return {};
}

void TFM_OrvPluginWizard::DoLoadFromRegIni()
{
    loadFormPosition(this);
}

void TFM_OrvPluginWizard::DoSaveToRegIni()
{
    saveFormPosition(this);
}

void TFM_OrvPluginWizard::GetDataSource()
{
    const int kind = m_module ? m_module->DataSourceKind() : int(dsSelection);
    PS_PluginSelector.setDataSourceKind(kind);
    DataSourceChanged(kind);
}

bool TFM_OrvPluginWizard::Initialize()
{
    PS_PluginSelector.attach(PM().currentProfile());
    showPage(TS_About);
    return PM().currentProfile() != nullptr;
}

void TFM_OrvPluginWizard::Done()
{
    DoSaveToRegIni();
    PS_PluginSelector.attach(nullptr);
}

void TFM_OrvPluginWizard::DataSourceChanged(int kind)
{
    LB_DataSource->setText(TPluginSelector::dataSourceName(kind) + u'\n' + TPluginSelector::dataSourcePrompt(kind));
}

void TFM_OrvPluginWizard::SubjectChanged() {}

void TFM_OrvPluginWizard::FinishPressed()
{
    accept();
}

void TFM_OrvPluginWizard::NextPressed()
{
    if (!ValidateNaviKey(true))
        return;
    const int next = PC_Wizard->activePageIndex() + 1;
    if (next >= PC_Wizard->GetPageCount()) {
        FinishPressed();
        return;
    }
    showPage(PC_Wizard->GetPage(next));
    if (PC_Wizard->activePage() == TS_Progress)
        RunPlugin();
}

void TFM_OrvPluginWizard::PrevPressed()
{
    if (ValidateNaviKey(false) && PC_Wizard->activePageIndex() > 0)
        showPage(PC_Wizard->GetPage(PC_Wizard->activePageIndex() - 1));
}

bool TFM_OrvPluginWizard::ValidateNaviKey(bool forward)
{
    Q_UNUSED(forward)
    return !PO_PluginOperator.isRunning();
}

void TFM_OrvPluginWizard::EndPluginMsg(bool cancelled)
{
    if (cancelled)
        Orv::showMessage(_cMsgAtention, tr("Operace byla přerušena. Zpracováno záznamů: %1 z %2.")
                                            .arg(PO_PluginOperator.Counter())
                                            .arg(PO_PluginOperator.RecordCount()),
                         Orv::MsgIcon::Warning);
}

void TFM_OrvPluginWizard::EndPlugin(bool cancelled)
{
    BT_Pause->setEnabled(false);
    WZ_Wizard->prevButton()->setEnabled(false);
    EndPluginMsg(cancelled);
    showPage(TS_Work);
}

void TFM_OrvPluginWizard::RunPlugin()
{
    PO_PluginOperator.SetActive(true);
    PB_Progress->setRange(0, PO_PluginOperator.RecordCount());
    PB_Progress->setValue(0);
    PO_PluginOperator.ClearCounter();
    BT_Pause->setEnabled(true);
    struct Deactivate
    {
        TPlugOperator &op;
        ~Deactivate() { op.SetActive(false); }
    } deactivate{PO_PluginOperator};
    PO_PluginOperator.Run();
}

void TFM_OrvPluginWizard::reject()
{
    if (PO_PluginOperator.isRunning()) {
        PO_PluginOperator.Pause();
        return;
    }
    QDialog::reject();
}

void TFM_OrvPluginWizard::closeEvent(QCloseEvent *event)
{
    // The running operation's loop is on the stack of this form: the form must outlive it.
    if (PO_PluginOperator.isRunning()) {
        PO_PluginOperator.Pause();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TFM_OrvPluginWizard::showPage(TTabSheet98 *page)
{
    PC_Wizard->SetActivePage(page);
    WZ_Wizard->prevButton()->setEnabled(PC_Wizard->activePageIndex() > 0 && page != TS_Work);
}

void TFM_OrvPluginWizard::askToCancel(bool &continueRun)
{
    continueRun = Orv::showMessage(_cMsgAtention, _cPluginOperationCancel, Orv::MsgIcon::Question,
                                   Orv::MsgButtons::YesNo)
                  != Orv::MsgButton::Yes;
}

void TFM_OrvPluginWizard::showHelp()
{
    const QString helpFile = GetHelpFile();
    if (!helpFile.isEmpty())
        CallHelpExternal(this, objectName(), PC_Wizard->activePage()->objectName(), helpFile);
}

} // namespace Host
