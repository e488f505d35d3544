#include "mailimport/ui/TFM_MailImportMain.h"

#include "mailimport/ui/ListMarkup.h"
#include "mailimport/ui/MailIcons.h"
#include "mailimport/ui/MailLists.h"
#include "mailimport/ui/TFM_OrvMailSettings.h"
#include "mailimport/ui/TFR_MailBody.h"
#include "mailimport/ui/TOrvListBox.h"
#include "mailimport/ui/TOrvMailLog.h"
#include "mailimport/ui/TorvProgress.h"

#include "mailimport/TOrvMailGlobalSettings.h"
#include "mailimport/TOrvMailSettingsPosition.h"
#include "mailimport/manager/MailHostMessages.h"
#include "mailimport/manager/TOrvMailListOrder.h"
#include "mailimport/manager/TOrvMailManager.h"

#include "platform/ipc/WindowMessages.h"

#include "base/Guarded.h"
#include "base/MessageService.h"
#include "base/Version.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLoggingCategory>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScopeGuard>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace MailUi {

namespace {

Q_LOGGING_CATEGORY(lcMain, "orvanta.mail.ui")

// The name of the host's current subject, large and right-aligned, cut with an ellipsis.
// The name is the panel's tool tip, which also tells the timer whether it changed.
class SubjectPanel : public QWidget
{
public:
    explicit SubjectPanel(QWidget *parent)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("PL_Subject"));
        QFont big(QStringList{QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
        big.setPixelSize(44);
        big.setBold(true);
        setFont(big);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Button));
        painter.setPen(QColor(192, 192, 192));
        const QString text = fontMetrics().elidedText(toolTip(), Qt::ElideRight, width());
        painter.drawText(rect(), Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, text);
    }
};

// The tool bar: its two buttons at fixed places, the subject panel stretched between the
// buttons and the right edge. A click on the bar's background asks the host to refresh.
class ToolBarPanel : public QWidget
{
public:
    explicit ToolBarPanel(QWidget *parent)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("PL_ToolBar"));
        setFixedHeight(70);
    }
    QWidget *subject = nullptr;

protected:
    void resizeEvent(QResizeEvent *) override
    {
        if (subject)
            subject->setGeometry(150, 6, qMax(0, width() - 150 - 31), 57);
    }
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton)
            Mail::MailHostMessages::sendRefresh();
    }
};

QToolButton *speedButton(QWidget *parent, const QString &name, int x)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setGeometry(x, 1, 68, 68);
    button->setAutoRaise(true);
    button->setIconSize(QSize(64, 64));
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    return button;
}

} // namespace

QString TFM_MailImportMain::caption()
{
    return tr("Import e-mailů do Velmora") + u' ' + Orv::fileVersion();
}

TFM_MailImportMain::TFM_MailImportMain(std::unique_ptr<Mail::TOrvMailManager> manager, QWidget *parent)
    : QMainWindow(parent)
    , m_manager(std::move(manager))
{
    Mail::TOrvMailGlobalSettings &settings = Mail::TOrvMailGlobalSettings::instance();
    setObjectName(QStringLiteral("FM_MailImportMain"));
    setWindowTitle(caption());
    resize(776, 529);
    setMinimumSize(600, 450);
    TOrvMailLog::setEnabled(true);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *toolBar = new ToolBarPanel(central);
    m_reload = speedButton(toolBar, QStringLiteral("SB_ReloadMailList"), 4);
    m_save = speedButton(toolBar, QStringLiteral("SB_SaveToContact"), 75);
    m_save->setIcon(MailIcons::saveGlyph());
    m_save->setEnabled(false);
    m_subject = new SubjectPanel(toolBar);
    toolBar->subject = m_subject;
    layout->addWidget(toolBar);

    const ListMarkup::Style markup = ListMarkup::mainWindowStyle(font(), MailIcons::listIcons());
    m_pages = new QTabWidget(central);
    m_pages->setObjectName(QStringLiteral("PC_Main"));
    const auto makePage = [&](const QString &pageName, const QString &title, const QString &listName,
                              const QString &labelName, const QString &labelText, const QString &comboName,
                              TOrvListBox *&list, QComboBox *&combo) {
        auto *page = new QWidget;
        page->setObjectName(pageName);
        auto *pageLayout = new QVBoxLayout(page);
        pageLayout->setContentsMargins(2, 2, 2, 2);
        pageLayout->setSpacing(2);
        auto *sortRow = new QHBoxLayout;
        auto *label = new QLabel(labelText, page);
        label->setObjectName(labelName);
        combo = new QComboBox(page);
        combo->setObjectName(comboName);
        combo->addItems(Mail::TOrvMailListOrder::modeTexts());
        label->setBuddy(combo);
        sortRow->addWidget(label);
        sortRow->addWidget(combo);
        sortRow->addStretch(1);
        pageLayout->addLayout(sortRow);
        list = new TOrvListBox(page);
        list->setObjectName(listName);
        list->setMarkupStyle(markup);
        list->setSelectedColors(QColor(174, 210, 247), Qt::black);
        pageLayout->addWidget(list, 1);
        m_pages->addTab(page, title);
    };
    makePage(QStringLiteral("TS_Inbox"), tr("&Doručená pošta "), QStringLiteral("LX_Inbox"),
             QStringLiteral("LB_InboxSortMode"), tr("Třídit doručené e-mailové zprávy"),
             QStringLiteral("CB_InboxSortMode"), m_inbox, m_inboxSort);
    makePage(QStringLiteral("TS_OutBox"), tr("&Odeslaná pošta "), QStringLiteral("LX_Outbox"),
             QStringLiteral("LB_OutboxSortMode"), tr("Třídit odeslané e-mailové zprávy"),
             QStringLiteral("CB_OutboxSortMode"), m_outbox, m_outboxSort);

    m_body = new TFR_MailBody(central);
    auto *splitter = new QSplitter(Qt::Vertical, central);
    splitter->setObjectName(QStringLiteral("ST_Main"));
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(m_pages);
    splitter->addWidget(m_body);
    m_pages->setMinimumHeight(150);
    m_body->setMinimumHeight(150);
    splitter->setSizes({201, 236});
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    layout->addWidget(splitter, 1);

    auto *statusBar = new QWidget(central);
    statusBar->setObjectName(QStringLiteral("PL_StatusBar"));
    statusBar->setFixedHeight(22);
    auto *statusLayout = new QHBoxLayout(statusBar);
    statusLayout->setContentsMargins(4, 0, 0, 0);
    m_status = new QLabel(statusBar);
    m_status->setObjectName(QStringLiteral("LB_StatusBarInfo"));
    m_progress = new TorvProgress(statusBar);
    m_progress->setObjectName(QStringLiteral("PB_ProgressBar"));
    m_progress->setFixedSize(122, 20);
    statusLayout->addWidget(m_status, 1);
    statusLayout->addWidget(m_progress);
    layout->addWidget(statusBar);
    setCentralWidget(central);

    QMenu *actions = menuBar()->addMenu(tr("Akce"));
    m_reloadAction = actions->addAction(tr("&Načíst seznam e-mailů"));
    m_reloadAction->setObjectName(QStringLiteral("MI_Reload"));
    m_reloadAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    m_saveAction = actions->addAction(tr("&Uložit e-mail do Velmora"));
    m_saveAction->setObjectName(QStringLiteral("MI_Save"));
    m_saveAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_saveAction->setEnabled(false);
    actions->addSeparator();
    QAction *quit = actions->addAction(tr("U&končit program"));
    quit->setObjectName(QStringLiteral("MI_Exit"));
    quit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));
    QMenu *settingsMenu = menuBar()->addMenu(tr("Nastavení"));
    m_settingsAction = settingsMenu->addAction(tr("&Nastavení"));
    m_settingsAction->setObjectName(QStringLiteral("MI_Settings"));
    m_settingsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    QMenu *help = menuBar()->addMenu(tr("Nápověda"));
    QAction *about = help->addAction(tr("&O programu"));
    about->setObjectName(QStringLiteral("MI_About"));

    // Sort modes outside the six known ones sort by date, newest first, and are stored so.
    const auto initSort = [](QComboBox *combo, int &mode) {
        if (mode < 0 || mode >= combo->count())
            mode = Mail::TOrvMailListOrder::DefaultMode;
        combo->setCurrentIndex(mode);
    };
    initSort(m_inboxSort, settings.InboxSortMode);
    initSort(m_outboxSort, settings.OutboxSortMode);
    if (settings.AlwaysOnTop)
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
    m_pendingDownload = settings.DownloadAfterStart;

    if (!m_manager)
        m_manager = std::make_unique<Mail::TOrvMailManager>();
    m_manager->setSettingsDialog([this](const QList<Mail::TOrvMailClient *> &clients) {
        TFM_OrvMailSettings dialog(clients, Mail::TOrvMailGlobalSettings::instance(), this);
        return dialog.Run();
    });
    connect(m_manager.get(), &Mail::TOrvMailManager::started, this, [this] { Orv::guarded([this] { OnStart(); }); });
    connect(m_manager.get(), &Mail::TOrvMailManager::finished, this, [this] { Orv::guarded([this] { OnFinish(); }); });
    connect(m_manager.get(), &Mail::TOrvMailManager::statusChanged, this, &TFM_MailImportMain::OnStatus);

    connect(m_reload, &QToolButton::clicked, this, [this] { Orv::guarded([this] { ReloadMailList(); }); });
    connect(m_reloadAction, &QAction::triggered, this, [this] { Orv::guarded([this] { ReloadMailList(); }); });
    connect(m_save, &QToolButton::clicked, this, [this] { Orv::guarded([this] { SaveToContact(); }); });
    connect(m_saveAction, &QAction::triggered, this, [this] { Orv::guarded([this] { SaveToContact(); }); });
    connect(m_settingsAction, &QAction::triggered, this, [this] { Orv::guarded([this] { ShowSettings(); }); });
    connect(quit, &QAction::triggered, qApp, &QApplication::quit);
    connect(about, &QAction::triggered, this, [] {
        Orv::showMessage(tr("O programu"), caption(), Orv::MsgIcon::Information);
    });
    for (TOrvListBox *list : {m_inbox, m_outbox}) {
        connect(list, &QListWidget::itemSelectionChanged, this, [this, list] {
            if (list == activeList())
                Orv::guarded([this] { ListClick(); });
        });
        connect(list, &QListWidget::itemDoubleClicked, this, [this] { Orv::guarded([this] { ListDoubleClick(); }); });
    }
    connect(m_pages, &QTabWidget::currentChanged, this, [this] { Orv::guarded([this] { ListClick(); }); });
    connect(m_inboxSort, &QComboBox::currentIndexChanged, this, [this] { Orv::guarded([this] { SortChanged(true); }); });
    connect(m_outboxSort, &QComboBox::currentIndexChanged, this, [this] { Orv::guarded([this] { SortChanged(false); }); });
    connect(m_body, &TFR_MailBody::subjectActivated, this, [](int kind, int cpc, int c) {
        Mail::MailHostMessages::sendOpenSubject(kind, cpc, c);
    });

    m_messageWindow = new Ipc::MessageWindow(this);
    if (!m_messageWindow->listen(Mail::MailHostMessages::mainWindowClass()))
        qCWarning(lcMain) << "not listening for window messages:" << m_messageWindow->errorString();
    connect(m_messageWindow, &Ipc::MessageWindow::messageReceived, this, [this](const Ipc::WindowMessage &message) {
        if (message.msg == Mail::MailHostMessages::BringToFront)
            bringToFront();
    });

    m_body->showEmpty();
    setReloadLook(false);
    m_timer.setInterval(500);
    connect(&m_timer, &QTimer::timeout, this, [this] { Orv::guarded([this] { TimerTick(); }); });
    m_timer.start();
}

TFM_MailImportMain::~TFM_MailImportMain()
{
    m_timer.stop();
    TOrvMailLog::setEnabled(false);
    savePosition();
    m_manager->Stop();
    setBusyCursor(false);
    TOrvMailLog::write();
}

TOrvListBox *TFM_MailImportMain::activeList() const
{
    return m_pages->currentIndex() == 1 ? m_outbox : m_inbox;
}

void TFM_MailImportMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Only the first showing: a dialog closing later must not move the window back.
    if (!m_positionRestored) {
        m_positionRestored = true;
        restorePosition();
    }
}

void TFM_MailImportMain::restorePosition()
{
    Mail::TOrvMailSettingsPosition position;
    if (!Mail::TOrvMailCustomSettings::Load(position))
        return;
    QList<QRect> monitors;
    for (const QScreen *screen : QGuiApplication::screens())
        monitors << screen->geometry();
    if (!position.isValid(monitors))
        return;
    move(position.Left, position.Top);
    resize(position.Width, position.Height);
}

void TFM_MailImportMain::savePosition() const
{
    Mail::TOrvMailSettingsPosition position;
    position.Left = x();
    position.Top = y();
    position.Width = width();
    position.Height = height();
    Mail::TOrvMailCustomSettings::Save(position);
}

void TFM_MailImportMain::TimerTick()
{
    if (m_inTick || m_manager->IsRunning())
        return;
    // Start() may ask a question; its event loop must not run this tick again meanwhile.
    m_inTick = true;
    const auto done = qScopeGuard([this] { m_inTick = false; });

    const Mail::TOrvMailManagerStatus status = m_manager->Status();
    const QString oldPath = m_context.ProfilPath;
    m_context = Mail::TOrvContactInfo::read();
    if (m_context.ProfilPath != oldPath) {
        m_manager->OpenDatabase(m_context.ProfilPath);
        if (m_pendingDownload) {
            m_pendingDownload = false;
            m_manager->Start(Mail::TOrvMailManager::Everything);
        } else {
            m_manager->Start(Mail::TOrvMailManager::Reload);
        }
        if (m_manager->IsRunning())
            return;
    }
    if (m_context.SubjectName != m_subject->toolTip()) {
        m_save->setToolTip(tr("Uložit vybranný e-mail k subjektu: ") + m_context.SubjectName);
        m_subject->setToolTip(m_context.SubjectName);
        m_subject->update();
    }
    updateSaveEnabled();
    m_status->setText(status.text);
}

void TFM_MailImportMain::updateSaveEnabled()
{
    // Saving needs a firm or person open in the host and a message selected on the
    // visible page: anything else would store nothing (and hiding would lose the entry).
    const TOrvListBox *list = activeList();
    const bool enabled = m_context.hasSubject() && !m_manager->IsRunning() && list->count() > 0
        && MailLists::selectedMail(*list);
    m_save->setEnabled(enabled);
    m_saveAction->setEnabled(enabled);
}

void TFM_MailImportMain::FillLists()
{
    const Mail::TOrvMailGlobalSettings &settings = Mail::TOrvMailGlobalSettings::instance();
    const Mail::TOrvMailManager::Lists lists = m_manager->FillLists(settings.InboxSortMode, settings.OutboxSortMode);
    MailLists::fill(*m_inbox, lists.inbox);
    MailLists::fill(*m_outbox, lists.outbox);
}

void TFM_MailImportMain::ListClick()
{
    const Mail::TOrvMailPtr mail = MailLists::selectedMail(*activeList());
    if (!mail) {
        m_body->showEmpty();
        updateSaveEnabled();
        return;
    }
    if (mail->Loaded() != Mail::TOrvMail::LoadedAll) {
        setBusyCursor(true);
        const auto restore = qScopeGuard([this] { setBusyCursor(false); });
        m_manager->LoadDetail(*mail, false);
        // The stored mark may have changed with the database state.
        if (QListWidgetItem *item = activeList()->currentItem())
            item->setText(MailLists::listLine(*mail));
    }
    m_body->Show(mail->Body(), mail->IsPlain(), mail->LinkedFirms() + QStringLiteral("\r\n") + mail->LinkedPersons(),
                 mail->Attachments());
    updateSaveEnabled();
}

void TFM_MailImportMain::ListDoubleClick()
{
    if (const Mail::TOrvMailPtr mail = MailLists::selectedMail(*activeList()))
        m_manager->SaveAddress(*mail);
}

void TFM_MailImportMain::SaveToContact()
{
    TOrvListBox *list = activeList();
    const Mail::TOrvMailPtr mail = MailLists::selectedMail(*list);
    m_context = Mail::TOrvContactInfo::read();
    if (!mail || !m_context.hasSubject() || m_manager->IsRunning()) {
        updateSaveEnabled();
        return;
    }
    const Mail::TOrvMailSaver::Result result = m_manager->SaveMessage(*mail, m_body->tickedAttachmentNames());
    if (!result.saved)
        return;
    const int row = list->currentRow();
    if (Mail::TOrvMailGlobalSettings::instance().HideMailAfterImport) {
        delete list->takeItem(row);
        if (list->count() > 0)
            list->setCurrentRow(qMin(row, list->count() - 1));
    } else if (QListWidgetItem *item = list->item(row)) {
        item->setText(MailLists::listLine(*mail));
    }
    ListClick();
}

void TFM_MailImportMain::ReloadMailList()
{
    if (m_manager->IsRunning())
        m_manager->StopAll();
    else
        m_manager->Start(Mail::TOrvMailManager::Everything);
}

void TFM_MailImportMain::ShowSettings()
{
    const bool onTop = windowFlags() & Qt::WindowStaysOnTopHint;
    if (onTop) {
        setWindowFlag(Qt::WindowStaysOnTopHint, false);
        show();
    }
    m_manager->RunSettingsDialog();
    if (onTop) {
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
        show();
    }
}

void TFM_MailImportMain::SortChanged(bool inbox)
{
    Mail::TOrvMailGlobalSettings &settings = Mail::TOrvMailGlobalSettings::instance();
    int &mode = inbox ? settings.InboxSortMode : settings.OutboxSortMode;
    const int index = (inbox ? m_inboxSort : m_outboxSort)->currentIndex();
    if (index < 0 || index == mode)
        return;
    mode = index;
    Mail::TOrvMailCustomSettings::Save(settings);
    FillLists();
}

void TFM_MailImportMain::OnStart()
{
    m_timer.stop();
    m_inbox->clear();
    m_outbox->clear();
    m_save->setEnabled(false);
    m_saveAction->setEnabled(false);
    m_reloadAction->setEnabled(false);
    m_settingsAction->setEnabled(false);
    m_body->showEmpty();
    setReloadLook(true);
    m_progress->start(QRect(QPoint(1, 1), QPoint(119, 17)));
    setBusyCursor(true);
}

void TFM_MailImportMain::OnFinish()
{
    FillLists();
    m_progress->stop();
    m_reloadAction->setEnabled(true);
    m_settingsAction->setEnabled(true);
    setReloadLook(false);
    m_timer.start();
    setBusyCursor(false);
    m_status->setText(m_manager->Status().text);
}

void TFM_MailImportMain::OnStatus(const QString &text)
{
    m_status->setText(text);
}

void TFM_MailImportMain::setReloadLook(bool stop)
{
    const QList<QPixmap> glyphs = MailIcons::reloadGlyphs();
    m_reload->setIcon(glyphs.at(stop ? 0 : 1));
    m_reload->setToolTip(stop ? tr("Zastavit načítaní e-mailových zpráv")
                              : tr("Načíst seznam e-mailových zpráv z poštovního klienta"));
}

void TFM_MailImportMain::setBusyCursor(bool busy)
{
    if (busy == m_busyCursor)
        return;
    m_busyCursor = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void TFM_MailImportMain::bringToFront()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

} // namespace MailUi
