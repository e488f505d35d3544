#pragma once

#include "hostapi/HostApiGlobal.h"
#include "hostapi/TPlugOperator.h"
#include "hostapi/TPluginSelector.h"
#include "hostapi/TPluginWalker.h"

// Plug-ins fill and move between the wizard's pages.
#include "visual/TPageControl98.h"
#include "visual/TTabSheet98.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class TWizard;

namespace Host {

class TExternalContactModul;

// The base of the plug-in wizards: WZ_Wizard with the pages TS_About, TS_DataSource,
// TS_Filter, TS_Progress and TS_Work in PC_Wizard, the data source (PS_PluginSelector),
// its walker (PW_PluginWalker) and the operator (PO_PluginOperator).
//
// A plug-in's Execute calls Execute() here; on true it shows the form modally and then
// calls Done(). Next walks the pages in order; reaching TS_Progress runs RunPlugin(), whose
// end (AfterRun) calls EndPlugin(cancelled); Next on the last page is FinishPressed().
// The operator's pause asks _cPluginOperationCancel (Yes cancels, No continues); Cancel or
// closing the window during a run asks for that pause instead of destroying the running form.
//
// Override rule: overrides of Initialize, NextPressed, ValidateNaviKey and RunPlugin call
// the inherited operation first; those of Done, PrevPressed and EndPlugin last.
// Created per run, owned by the plug-in's module; GUI thread only.
class ORV_HOSTAPI_EXPORT TFM_OrvPluginWizard : public QDialog
{
    Q_OBJECT

public:
    explicit TFM_OrvPluginWizard(TExternalContactModul *module, QWidget *parent = nullptr);
    ~TFM_OrvPluginWizard() override;

    bool Execute();
    TExternalContactModul *module() const { return m_module; }

    TWizard *WZ_Wizard;
    TPageControl98 *PC_Wizard;
    TTabSheet98 *TS_About;
    TTabSheet98 *TS_DataSource;
    TTabSheet98 *TS_Filter;
    TTabSheet98 *TS_Progress;
    TTabSheet98 *TS_Work;
    QLabel *LB_DataSource;
    QProgressBar *PB_Progress;
    QPushButton *BT_Pause;

    TPluginSelector PS_PluginSelector;
    TPluginWalker PW_PluginWalker;
    TPlugOperator PO_PluginOperator;

    // Virtual operations in the host's slot order.
    virtual QString GetHelpFile();
    virtual void DoLoadFromRegIni();
    virtual void DoSaveToRegIni();
    virtual void GetDataSource();
    virtual bool Initialize();
    virtual void Done();
    virtual void DataSourceChanged(int kind);
    virtual void SubjectChanged();
    virtual void FinishPressed();
    virtual void NextPressed();
    virtual void PrevPressed();
    virtual bool ValidateNaviKey(bool forward);
    virtual void EndPluginMsg(bool cancelled);
    virtual void EndPlugin(bool cancelled);
    virtual void RunPlugin();

    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showPage(TTabSheet98 *page);

private:
    void askToCancel(bool &continueRun);
    void showHelp();

    TExternalContactModul *m_module;
};

} // namespace Host
