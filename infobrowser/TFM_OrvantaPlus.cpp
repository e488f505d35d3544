#include "infobrowser/TFM_OrvantaPlus.h"

#include "infobrowser/DataInfoSettings.h"
#include "infobrowser/TDataInfo.h"

#include "base/Errors.h"
#include "base/MessageService.h"
#include "base/Version.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>

namespace InfoBrowser {

namespace {

// "O aplikaci": icon, product name and the program's file version.
class AboutBox : public QDialog
{
public:
    explicit AboutBox(QWidget *parent)
        : QDialog(parent)
    {
        setObjectName(QStringLiteral("TFM_About"));
        setWindowTitle(TFM_OrvantaPlus::tr("O aplikaci"));
        setFixedSize(280, 130);
        auto *icon = new QLabel(this);
        const QIcon appIcon = qApp->windowIcon().isNull() ? style()->standardIcon(QStyle::SP_MessageBoxInformation)
                                                          : qApp->windowIcon();
        icon->setPixmap(appIcon.pixmap(32, 32));
        auto *name = new QLabel(QLatin1String(ApplicationTitle), this);
        QFont bold = name->font();
        bold.setBold(true);
        bold.setPointSizeF(bold.pointSizeF() + 2);
        name->setFont(bold);
        auto *version = new QLabel(TFM_OrvantaPlus::tr("verze ") + Orv::fileVersion(), this);
        auto *buttons = new QDialogButtonBox(this);
        buttons->addButton(TFM_OrvantaPlus::tr("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        auto *layout = new QGridLayout(this);
        layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
        layout->addWidget(name, 0, 1);
        layout->addWidget(version, 1, 1);
        layout->addWidget(buttons, 2, 0, 1, 2, Qt::AlignCenter);
        if (parent)
            move(parent->geometry().center() - rect().center());
    }
};

} // namespace

TFM_OrvantaPlus::TFM_OrvantaPlus(const QString &settingsFile, QWidget *parent)
    : QMainWindow(parent)
    , m_settingsFile(settingsFile)
    , m_dataInfo(new TDataInfo(this))
    , SB_Status(new QLabel(this))
{
    setObjectName(QStringLiteral("TFM_OrvantaPlus"));
    setWindowTitle(tr("Orvanta Plus"));
    setCentralWidget(m_dataInfo);
    SB_Status->setObjectName(QStringLiteral("SB_Status"));
    statusBar()->addWidget(SB_Status, 1);
    connect(m_dataInfo, &TDataInfo::statusTextChanged, SB_Status, &QLabel::setText);
    connect(m_dataInfo, &TDataInfo::onlineChanged, this, &TFM_OrvantaPlus::updateActions);
    createMenus();

    const DataInfoSettings settings = DataInfoSettings::load(m_settingsFile);
    resize(settings.width > 0 ? settings.width : 640, settings.height > 0 ? settings.height : 480);
    restorePlacement();
    m_dataInfo->applySettings(settings);
    updateActions();
}

void TFM_OrvantaPlus::createMenus()
{
    QMenu *tools = menuBar()->addMenu(tr("&Nástroje"));
    tools->setObjectName(QStringLiteral("MI_Tools"));
    MI_Online = tools->addAction(tr("&Online režim"));
    MI_Online->setObjectName(QStringLiteral("MI_Online"));
    MI_Online->setCheckable(true);
    connect(MI_Online, &QAction::triggered, m_dataInfo, &TDataInfo::setOnline);
    QAction *refreshBrowser = tools->addAction(tr("Obnovit &prohlížeč"), QKeySequence(Qt::Key_F5));
    refreshBrowser->setObjectName(QStringLiteral("MI_RefreshBrowser"));
    connect(refreshBrowser, &QAction::triggered, m_dataInfo, &TDataInfo::refreshBrowser);
    MI_RefreshTree = tools->addAction(tr("Obnovit &strom"), QKeySequence(Qt::SHIFT | Qt::Key_F5));
    MI_RefreshTree->setObjectName(QStringLiteral("MI_RefreshTree"));
    connect(MI_RefreshTree, &QAction::triggered, m_dataInfo, &TDataInfo::buildTree);
    tools->addSeparator();
    QAction *update = tools->addAction(tr("&Aktualizace"));
    update->setObjectName(QStringLiteral("MI_Update"));
    connect(update, &QAction::triggered, m_dataInfo, &TDataInfo::executeUpdate);
    QAction *settings = tools->addAction(tr("&Nastavení"));
    settings->setObjectName(QStringLiteral("MI_Settings"));
    connect(settings, &QAction::triggered, m_dataInfo, &TDataInfo::executeSettings);
    QAction *items = tools->addAction(tr("&Zobrazení"));
    items->setObjectName(QStringLiteral("MI_Items"));
    connect(items, &QAction::triggered, m_dataInfo, &TDataInfo::executeItems);
    tools->addSeparator();
    QAction *close = tools->addAction(tr("&Konec"), QKeySequence(Qt::ALT | Qt::Key_X));
    close->setObjectName(QStringLiteral("MI_Close"));
    connect(close, &QAction::triggered, this, &QWidget::close);

    QMenu *help = menuBar()->addMenu(tr("&Nápověda"));
    help->setObjectName(QStringLiteral("MI_Help"));
    MI_FirstPage = help->addAction(tr("Úvodní &stránka"));
    MI_FirstPage->setObjectName(QStringLiteral("MI_FirstPage"));
    connect(MI_FirstPage, &QAction::triggered, m_dataInfo, &TDataInfo::showFirstPage);
    QAction *about = help->addAction(tr("&O aplikaci"));
    about->setObjectName(QStringLiteral("MI_About"));
    connect(about, &QAction::triggered, this, &TFM_OrvantaPlus::showAbout);
}

void TFM_OrvantaPlus::restorePlacement()
{
    const DataInfoSettings settings = DataInfoSettings::load(m_settingsFile);
    // Holding Ctrl and Shift while starting brings a window lost off-screen back.
    const bool centre = settings.left < 0 || settings.top < 0
                        || QGuiApplication::queryKeyboardModifiers() == (Qt::ControlModifier | Qt::ShiftModifier);
    if (centre) {
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    } else {
        move(settings.left, settings.top);
    }
    if (settings.maximize)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TFM_OrvantaPlus::updateActions()
{
    const bool online = m_dataInfo->isOnline();
    MI_Online->setChecked(online);
    MI_RefreshTree->setEnabled(!online);
    MI_FirstPage->setEnabled(!online);
}

void TFM_OrvantaPlus::showAbout()
{
    AboutBox about(this);
    about.exec();
}

bool TFM_OrvantaPlus::saveSettings()
{
    DataInfoSettings settings = m_dataInfo->settings();
    const DataInfoSettings stored = DataInfoSettings::load(m_settingsFile);
    settings.maximize = isMaximized();
    if (settings.maximize) {
        settings.left = stored.left;
        settings.top = stored.top;
        settings.width = stored.width;
        settings.height = stored.height;
    } else {
        settings.left = x();
        settings.top = y();
        settings.width = width();
        settings.height = height();
    }
    try {
        settings.save(m_settingsFile);
        return true;
    } catch (const EOrvError &error) {
        Orv::showMessage(QLatin1String(ApplicationTitle), error.userText(), Orv::MsgIcon::Error);
        return false;
    }
}

void TFM_OrvantaPlus::closeEvent(QCloseEvent *event)
{
    saveSettings();
    event->accept();
}

void TFM_OrvantaPlus::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace InfoBrowser
