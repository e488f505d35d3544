#pragma once

#include "hostapi/HostApiGlobal.h"

#include <QDialog>

class TGradientTitleBar;

namespace Host {

// The base of the host's OK/Cancel dialogs: the title bar GB_Main (OK, Cancel, Help) fills
// the form; descendants put their controls into GB_Main's contents. The window position is
// restored when the dialog is first shown and saved when it closes (registry stand-in).
// F1 opens the help file of GetHelpFile() at the form's name; Escape closes only when
// EnabledEscape(). Descendants that override showEvent, done or keyPressEvent call this
// class's version first. Created per use and shown modally; GUI thread only.
class ORV_HOSTAPI_EXPORT TFM_OrvDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TFM_OrvDialog(QWidget *parent = nullptr);

    TGradientTitleBar *GB_Main;

    void done(int result) override;

protected:
    virtual void DoLoadFromRegIni();
    virtual void DoSaveToRegIni();
    virtual bool EnabledEscape();
    virtual QString GetHelpFile();

    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showHelp();

    bool m_positionLoaded = false;
};

} // namespace Host
