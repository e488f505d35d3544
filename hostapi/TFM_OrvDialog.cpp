#include "hostapi/TFM_OrvDialog.h"

#include "hostapi/FormPosition.h"
#include "hostapi/HelpService.h"

#include "visual/TGradientTitleBar.h"

#include <QKeyEvent>
#include <QVBoxLayout>

namespace Host {

TFM_OrvDialog::TFM_OrvDialog(QWidget *parent)
    : QDialog(parent)
    , GB_Main(new TGradientTitleBar(this))
{
    GB_Main->setObjectName(QStringLiteral("GB_Main"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(GB_Main);
    connect(GB_Main, &TGradientTitleBar::okClicked, this, &QDialog::accept);
    connect(GB_Main, &TGradientTitleBar::cancelClicked, this, &QDialog::reject);
    connect(GB_Main, &TGradientTitleBar::helpClicked, this, &TFM_OrvDialog::showHelp);
}

void TFM_OrvDialog::done(int result)
{
    DoSaveToRegIni();
    QDialog::done(result);
}

void TFM_OrvDialog::DoLoadFromRegIni()
{
    loadFormPosition(this);
}

void TFM_OrvDialog::DoSaveToRegIni()
{
    saveFormPosition(this);
}

bool TFM_OrvDialog::EnabledEscape()
{
    return true;
}

QString TFM_OrvDialog::GetHelpFile()
{
    return {};
}

void TFM_OrvDialog::showEvent(QShowEvent *event)
{
    // Loaded here and not in the constructor, where a descendant's override would not run.
    if (!m_positionLoaded) {
        m_positionLoaded = true;
        DoLoadFromRegIni();
    }
    QDialog::showEvent(event);
}

void TFM_OrvDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        showHelp();
        return;
    }
    if (event->key() == Qt::Key_Escape && !EnabledEscape())
        return;
    QDialog::keyPressEvent(event);
}

void TFM_OrvDialog::showHelp()
{
    const QString helpFile = GetHelpFile();
    if (!helpFile.isEmpty())
        CallHelpExternal(this, objectName(), objectName(), helpFile);
}

} // namespace Host
