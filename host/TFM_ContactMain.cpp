#include "TFM_ContactMain.h"

#include "ContactInfoWriter.h"

#include "hostapi/HostTexts.h"
#include "hostapi/PluginLoader.h"
#include "hostapi/PluginRunner.h"
#include "hostapi/TApplicationInfo.h"
#include "hostapi/TContactRegistry.h"
#include "hostapi/TDataProfil.h"
#include "hostapi/TExternalContactModul.h"
#include "hostapi/TPluginSelector.h"
#include "hostapi/TProfil.h"
#include "hostapi/TProfileManager.h"
#include "hostapi/TRecordListServer.h"
#include "hostapi/TTreeServer.h"

#include "platform/ipc/WindowMessages.h"

#include "contactdb/Connection.h"
#include "contactdb/RowSet.h"

#include "base/Errors.h"
#include "base/Guarded.h"
#include "base/MessageService.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMenuBar>
#include <QProcess>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Host {

namespace {

Q_LOGGING_CATEGORY(lcShell, "orvanta.host.shell")

constexpr char FormName[] = "FM_ContactMain";
constexpr char ProfilesKey[] = "Profiles";
constexpr int MaxKnownProfiles = 8;

enum Column { ColName, ColKind, ColAddress };
enum Role { KindRole = Qt::UserRole, CpcRole, CRole };

QString profilesKey()
{
    return QLatin1String(RegistryContact) + u"\\"_s + QLatin1String(ProfilesKey);
}

QString cleanAddress(const QString &address)
{
    // "ULICE, PSC MISTO" with parts missing leaves stray separators.
    QString text = address.simplified();
    while (text.startsWith(u',') || text.startsWith(u' '))
        text.remove(0, 1);
    if (text.endsWith(u','))
        text.chop(1);
    return text;
}

TContactObject subjectOf(const QTreeWidgetItem *item)
{
    if (!item)
        return {};
    return {item->data(ColName, KindRole).toInt(),
            {item->data(ColName, CpcRole).toInt(), item->data(ColName, CRole).toInt()}};
}

// Appends the rows of `sql` (key pair, display name, address) as subjects of `kind`.
void addSubjects(QTreeWidget *list, Db::Connection &db, int kind, const QString &kindText, const QString &sql)
{
    const Db::RowSet rows = db.query(sql);
    QList<QTreeWidgetItem *> items;
    for (const QVariantList &row : rows.rows()) {
        auto *item = new QTreeWidgetItem({row.at(2).toString().simplified(), kindText, cleanAddress(row.at(3).toString())});
        item->setData(ColName, KindRole, kind);
        item->setData(ColName, CpcRole, row.at(0).toInt());
        item->setData(ColName, CRole, row.at(1).toInt());
        items.append(item);
    }
    list->addTopLevelItems(items);
}

} // namespace

TFM_ContactMain::TFM_ContactMain(const TModuleClassRegistry &registry, const PluginLoader &plugins, Mode mode,
                                 QWidget *parent)
    : QMainWindow(parent)
    , m_registry(registry)
    , m_plugins(plugins)
    , m_mode(mode)
    , m_mailImportProgram(QCoreApplication::applicationDirPath() + u"/OrvantaMailImport"_s)
{
    setObjectName(QLatin1String(FormName));
    setWindowTitle(tr("Velmora – kontakty"));

    PL_ProfilBar = addToolBar(tr("Profily"));
    PL_ProfilBar->setObjectName(u"PL_ProfilBar"_s);
    PL_ProfilBar->setMovable(false);
    PL_ProfilBar->setToolButtonStyle(Qt::ToolButtonTextOnly);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    auto *filterRow = new QHBoxLayout;
    auto *folderLabel = new QLabel(tr("&Složka:"), central);
    CB_Folder = new QComboBox(central);
    CB_Folder->setObjectName(u"CB_Folder"_s);
    CB_Folder->setMinimumContentsLength(20);
    folderLabel->setBuddy(CB_Folder);
    auto *searchLabel = new QLabel(tr("&Hledat:"), central);
    ED_Search = new QLineEdit(central);
    ED_Search->setObjectName(u"ED_Search"_s);
    ED_Search->setClearButtonEnabled(true);
    ED_Search->setPlaceholderText(tr("název, jméno nebo místo"));
    searchLabel->setBuddy(ED_Search);
    filterRow->addWidget(folderLabel);
    filterRow->addWidget(CB_Folder, 1);
    filterRow->addSpacing(12);
    filterRow->addWidget(searchLabel);
    filterRow->addWidget(ED_Search, 2);
    layout->addLayout(filterRow);

    LX_Subjects = new QTreeWidget(central);
    LX_Subjects->setObjectName(u"LX_Subjects"_s);
    LX_Subjects->setRootIsDecorated(false);
    LX_Subjects->setUniformRowHeights(true);
    LX_Subjects->setAlternatingRowColors(true);
    LX_Subjects->setSelectionMode(QAbstractItemView::ExtendedSelection);
    LX_Subjects->setHeaderLabels({tr("Název"), tr("Druh"), tr("Adresa")});
    LX_Subjects->header()->setSectionResizeMode(ColName, QHeaderView::Stretch);
    LX_Subjects->header()->setSectionResizeMode(ColKind, QHeaderView::ResizeToContents);
    LX_Subjects->header()->setSectionResizeMode(ColAddress, QHeaderView::Stretch);
    layout->addWidget(LX_Subjects, 1);
    setCentralWidget(central);
    LX_Subjects->setFocus();

    LB_Profil = new QLabel(statusBar());
    LB_Selection = new QLabel(statusBar());
    statusBar()->addPermanentWidget(LB_Selection);
    statusBar()->addPermanentWidget(LB_Profil);

    createMenus();

    connect(LX_Subjects, &QTreeWidget::currentItemChanged, this, &TFM_ContactMain::currentRowChanged);
    connect(LX_Subjects, &QTreeWidget::itemSelectionChanged, this, &TFM_ContactMain::selectionChanged);
    connect(ED_Search, &QLineEdit::textChanged, this, &TFM_ContactMain::applySearch);
    connect(CB_Folder, &QComboBox::activated, this, &TFM_ContactMain::folderChosen);
    connect(&PM(), &TProfileManager::AfterChangeProfil, this, &TFM_ContactMain::profileChanged);
    connect(&ApplicationInfo(), &TApplicationInfo::refreshed, this, [this](int code) {
        if (code == TApplicationInfo::RefreshAllData && PM().currentProfile()) {
            PM().profil().treeServer().ReloadTable();
            rebuildFolders();
        }
        reloadSubjects();
    });

    resize(900, 600);
    if (m_mode == Mode::Interactive) {
        loadKnownProfiles();
        Orv::guarded([this] {
            TContactRegistry registry;
            if (registry.OpenKeyPosition(QLatin1String(FormName)))
                registry.ReadPositionCorrect(this);
        });
    }
    profileChanged();
}

TFM_ContactMain::~TFM_ContactMain() = default;

void TFM_ContactMain::createMenus()
{
    QMenu *profileMenu = menuBar()->addMenu(tr("&Profil"));
    MI_OpenProfile = profileMenu->addAction(QString(_cProfilOpen) + u"…"_s, this, &TFM_ContactMain::openProfileDialog);
    MI_OpenProfile->setObjectName(u"MI_OpenProfile"_s);
    MI_CloseProfile = profileMenu->addAction(_cProfilClose, this, [] { PM().requestCloseProfile(); });
    MI_CloseProfile->setObjectName(u"MI_CloseProfile"_s);
    profileMenu->addSeparator();
    profileMenu->addAction(tr("&Konec"), this, &QWidget::close);

    QMenu *recordMenu = menuBar()->addMenu(tr("&Záznamy"));
    recordMenu->addAction(tr("&Obnovit"), QKeySequence::Refresh, this, &TFM_ContactMain::reloadSubjects);
    MI_MailImport = recordMenu->addAction(tr("&Import e-mailů"), this, &TFM_ContactMain::startMailImport);
    MI_MailImport->setObjectName(u"MI_MailImport"_s);

    MI_Plugins = menuBar()->addMenu(tr("&Moduly"));
    MI_Plugins->setObjectName(u"MI_Plugins"_s);
    buildPluginMenu();
}

void TFM_ContactMain::buildPluginMenu()
{
    MI_Plugins->clear();
    const QList<PluginInfo> plugins = m_plugins.plugins();
    for (const PluginInfo &plugin : plugins) {
        if (plugin.state != PluginInfo::State::Registered) {
            QAction *failed = MI_Plugins->addAction(tr("%1 (nenačten)").arg(plugin.caption.isEmpty() ? QFileInfo(plugin.fileName).fileName() : plugin.caption));
            failed->setEnabled(false);
            failed->setToolTip(plugin.errorText);
            failed->setStatusTip(plugin.errorText);
            continue;
        }
        QMenu *sources = MI_Plugins->addMenu(plugin.caption);
        for (const int kind : {int(dsTreeLink), int(dsSelection), int(dsFilter)}) {
            QAction *action = sources->addAction(TPluginSelector::dataSourceName(kind));
            action->setObjectName(u"MI_Plugin_%1_%2"_s.arg(plugin.moduleClass).arg(kind));
            const QString className = plugin.moduleClass;
            connect(action, &QAction::triggered, this, [this, className, kind] { runPlugin(className, kind); });
        }
    }
    if (plugins.isEmpty()) {
        QAction *none = MI_Plugins->addAction(tr("Žádné moduly nejsou nainstalovány"));
        none->setEnabled(false);
    }
}

bool TFM_ContactMain::listenAsHost()
{
    if (m_messageWindow)
        return true;
    auto *window = new Ipc::MessageWindow(this);
    if (!window->listen(u"TFM_ContactMain"_s)) {
        m_listenError = window->errorString();
        delete window;
        qCWarning(lcShell).noquote() << "Not listening as TFM_ContactMain:" << m_listenError;
        statusBar()->showMessage(tr("Jiný hostitel už přijímá zprávy importu e-mailů; toto okno je nedostane."));
        return false;
    }
    m_messageWindow = window;
    connect(window, &Ipc::MessageWindow::messageReceived, this, &TFM_ContactMain::handleMessage);
    return true;
}

void TFM_ContactMain::handleMessage(const Ipc::WindowMessage &message)
{
    Orv::guarded([&] {
        switch (message.msg) {
        case MsgRefresh:
            reloadSubjects();
            break;
        case MsgOpenFirm:
        case MsgOpenPerson: {
            const TContactObject subject{message.msg == MsgOpenFirm ? int(skFirm) : int(skPerson),
                                         {qint32(message.wParam), qint32(message.lParam)}};
            if (!selectSubject(subject)) {
                statusBar()->showMessage(subject.kind == skFirm ? QString(_rNoFirmExists) : QString(_rNoPersonExists));
                return;
            }
            if (isMinimized())
                showNormal();
            raise();
            activateWindow();
            break;
        }
        default:
            qCDebug(lcShell) << "Ignoring window message" << message.msg << message.wParam << message.lParam;
        }
    });
}

void TFM_ContactMain::reloadSubjects()
{
    const TContactObject current = currentSubject();
    TContactObjectList selected;
    for (const QTreeWidgetItem *item : LX_Subjects->selectedItems())
        selected.append(subjectOf(item));
    m_loading = true;
    LX_Subjects->clear();
    if (TProfil *profile = PM().currentProfile()) {
        Orv::guarded([&] {
            Db::Connection &db = profile->Data().connection();
            addSubjects(LX_Subjects, db, skFirm, tr("Firma"),
                        u"SELECT \"CPCF\", \"CF\", \"SUBJECT\", \"ADDR\" FROM \"FIRMVIEW\" ORDER BY \"UNIQUE\""_s);
            addSubjects(LX_Subjects, db, skPerson, tr("Osoba"),
                        u"SELECT \"CPCO\", \"CO\", \"SUBJECT\", \"ADDR\" FROM \"PERSONVIEW\" ORDER BY \"UNIQUE\""_s);
        });
    }
    // A reload asked for by another program must not take the user's rows away.
    for (const TContactObject &subject : selected) {
        if (QTreeWidgetItem *item = itemOf(subject))
            item->setSelected(true);
    }
    QTreeWidgetItem *item = itemOf(current);
    if (!item)
        item = LX_Subjects->topLevelItem(0);
    // With nothing chosen the current row alone is selected, so the user sees which it is.
    LX_Subjects->setCurrentItem(item, 0, selected.isEmpty() ? QItemSelectionModel::ClearAndSelect
                                                             : QItemSelectionModel::NoUpdate);
    m_loading = false;
    applySearch();
    selectionChanged();
    currentRowChanged();
}

QTreeWidgetItem *TFM_ContactMain::itemOf(const TContactObject &subject) const
{
    if (subject.kind == 0)
        return nullptr;
    for (int i = 0; i < LX_Subjects->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = LX_Subjects->topLevelItem(i);
        if (subjectOf(item) == subject)
            return item;
    }
    return nullptr;
}

TContactObject TFM_ContactMain::currentSubject() const
{
    return subjectOf(LX_Subjects->currentItem());
}

bool TFM_ContactMain::selectSubject(const TContactObject &subject)
{
    QTreeWidgetItem *item = itemOf(subject);
    if (!item) {
        reloadSubjects();
        item = itemOf(subject);
    }
    if (!item)
        return false;
    if (item->isHidden())
        ED_Search->clear(); // the search result would hide the subject the user is shown
    LX_Subjects->setCurrentItem(item, 0, QItemSelectionModel::ClearAndSelect);
    LX_Subjects->scrollToItem(item);
    return true;
}

void TFM_ContactMain::currentRowChanged()
{
    if (m_loading)
        return;
    if (TProfil *profile = PM().currentProfile()) {
        const TContactObject subject = currentSubject();
        if (subject.kind != 0)
            profile->Data().setCurrentRecord(subject);
    }
    publishContext();
    updateStatus();
}

void TFM_ContactMain::selectionChanged()
{
    if (m_loading)
        return;
    TProfil *profile = PM().currentProfile();
    if (!profile)
        return;
    TContactObjectList records;
    for (int i = 0; i < LX_Subjects->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = LX_Subjects->topLevelItem(i);
        if (item->isSelected() && !item->isHidden())
            records.append(subjectOf(item));
    }
    profile->selectionServer().setRecords(_cExplorerSelection, records);
    updateStatus();
}

void TFM_ContactMain::applySearch()
{
    if (m_loading)
        return;
    const QString text = ED_Search->text().trimmed();
    TContactObjectList found;
    for (int i = 0; i < LX_Subjects->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = LX_Subjects->topLevelItem(i);
        const bool match = text.isEmpty() || item->text(ColName).contains(text, Qt::CaseInsensitive)
                           || item->text(ColAddress).contains(text, Qt::CaseInsensitive);
        item->setHidden(!match);
        if (match && !text.isEmpty())
            found.append(subjectOf(item));
    }
    if (TProfil *profile = PM().currentProfile()) {
        if (text.isEmpty())
            profile->searchResultServer().clear();
        else
            profile->searchResultServer().setRecords(text, found);
    }
    selectionChanged();
}

void TFM_ContactMain::rebuildFolders()
{
    CB_Folder->clear();
    TProfil *profile = PM().currentProfile();
    const QList<TTreeItemInfo> folders = profile ? profile->treeServer().folders() : QList<TTreeItemInfo>();
    for (const TTreeItemInfo &folder : folders)
        CB_Folder->addItem(folder.name, QVariantList{folder.key.cpc, folder.key.c});
    CB_Folder->setEnabled(!folders.isEmpty());
    if (folders.isEmpty()) {
        CB_Folder->addItem(tr("(strom kategorií je prázdný)"));
        return;
    }
    const TTreeItemInfo *current = profile->treeServer().currentFolder();
    int index = 0;
    for (int i = 0; current && i < folders.size(); ++i) {
        if (folders.at(i).key == current->key)
            index = i;
    }
    CB_Folder->setCurrentIndex(index);
    folderChosen();
}

void TFM_ContactMain::folderChosen()
{
    TProfil *profile = PM().currentProfile();
    const QVariantList key = CB_Folder->currentData().toList();
    if (profile && key.size() == 2)
        profile->treeServer().setCurrentFolder({key.at(0).toInt(), key.at(1).toInt()});
}

void TFM_ContactMain::profileChanged()
{
    if (TProfil *profile = PM().currentProfile())
        addKnownProfile(profile->profilPath());
    else
        rebuildProfileBar();
    ED_Search->blockSignals(true);
    ED_Search->clear();
    ED_Search->blockSignals(false);
    rebuildFolders();
    reloadSubjects();
    const bool open = PM().currentProfile() != nullptr;
    MI_CloseProfile->setEnabled(open);
    MI_Plugins->setEnabled(open);
    ED_Search->setEnabled(open);
}

void TFM_ContactMain::rebuildProfileBar()
{
    // Runs after a profile switch that a button of this bar asked for; the switch is
    // queued by the profile manager, so that button's handler has returned by now.
    QList<QAction *> old = PL_ProfilBar->actions();
    old.removeAll(MI_OpenProfile); // shared with the menu
    PL_ProfilBar->clear();
    qDeleteAll(old);
    const TProfil *profile = PM().currentProfile();
    const QString current = profile ? QDir(profile->profilPath()).absolutePath() : QString();
    for (int i = 0; i < m_knownProfiles.size(); ++i) {
        const QString path = m_knownProfiles.at(i);
        QAction *action = PL_ProfilBar->addAction(QFileInfo(path).fileName());
        action->setObjectName(u"SB_Profil_%1"_s.arg(i));
        action->setToolTip(QDir::toNativeSeparators(path));
        action->setCheckable(true);
        action->setChecked(path == current);
        connect(action, &QAction::triggered, this, [this, action, path] {
            action->setChecked(PM().currentProfile() && QDir(PM().profil().profilPath()).absolutePath() == path);
            PM().requestOpenProfile(path);
        });
    }
    PL_ProfilBar->addSeparator();
    PL_ProfilBar->addAction(MI_OpenProfile);
}

void TFM_ContactMain::openProfileDialog()
{
    const QString path = QFileDialog::getExistingDirectory(this, _cProfilOpenDialog,
                                                           m_knownProfiles.value(0, QDir::homePath()));
    if (path.isEmpty())
        return;
    if (!QFileInfo::exists(Db::Connection::profileDatabasePath(path))) {
        Orv::showMessage(_cMsgAtention, tr("Ve složce %1 není žádný profil.").arg(QDir::toNativeSeparators(path)),
                         Orv::MsgIcon::Warning);
        return;
    }
    PM().requestOpenProfile(path);
}

void TFM_ContactMain::addKnownProfile(const QString &path)
{
    const QString absolute = QDir(path).absolutePath();
    m_knownProfiles.removeAll(absolute);
    m_knownProfiles.prepend(absolute);
    while (m_knownProfiles.size() > MaxKnownProfiles)
        m_knownProfiles.removeLast();
    saveKnownProfiles();
    rebuildProfileBar();
}

void TFM_ContactMain::loadKnownProfiles()
{
    Orv::guarded([this] {
        TContactRegistry registry;
        if (!registry.openKey(profilesKey(), false))
            return;
        const int count = std::min(registry.readInteger(u"Count"_s), MaxKnownProfiles);
        for (int i = 1; i <= count; ++i) {
            const QString path = registry.readString(u"Path%1"_s.arg(i));
            if (!path.isEmpty() && !m_knownProfiles.contains(path)
                && QFileInfo::exists(Db::Connection::profileDatabasePath(path)))
                m_knownProfiles.append(path);
        }
    });
}

void TFM_ContactMain::saveKnownProfiles() const
{
    if (m_mode != Mode::Interactive)
        return;
    Orv::guarded([this] {
        TContactRegistry registry;
        registry.openKey(profilesKey(), true);
        const int stored = registry.readInteger(u"Count"_s);
        for (int i = m_knownProfiles.size() + 1; i <= stored; ++i)
            registry.deleteValue(u"Path%1"_s.arg(i));
        registry.writeInteger(u"Count"_s, int(m_knownProfiles.size()));
        for (int i = 0; i < m_knownProfiles.size(); ++i)
            registry.writeString(u"Path%1"_s.arg(i + 1), m_knownProfiles.at(i));
        registry.CloseKey();
    });
}

void TFM_ContactMain::publishContext()
{
    if (m_mode != Mode::Interactive)
        return;
    ContactInfo info;
    if (TProfil *profile = PM().currentProfile()) {
        info.site = profile->site();
        info.profileName = profile->name();
        info.profilePath = profile->profilPath();
        const TUserInfo user = profile->GetUserInProfil();
        info.userName = user.fullName.isEmpty() ? user.domName : user.fullName;
        info.domName = user.domName;
        const TContactObject subject = currentSubject();
        if (subject.kind != 0) {
            info.subjectKind = subject.kind;
            info.cpc = subject.key.cpc;
            info.c = subject.key.c;
            info.subjectName = LX_Subjects->currentItem()->text(ColName);
        }
    }
    // A box on every row change would bury the user; show the first failure, then keep
    // it in the status line until a write succeeds again.
    const bool written = Orv::guarded([&] { ContactInfoWriter::write(info); }, [this](const QString &userText) {
        qCWarning(lcShell).noquote() << "ContactInfo.ini not written:" << userText;
        statusBar()->showMessage(userText);
        if (!m_contextFailureShown)
            Orv::showError(userText);
        m_contextFailureShown = true;
    });
    if (written)
        m_contextFailureShown = false;
}

void TFM_ContactMain::updateStatus()
{
    TProfil *profile = PM().currentProfile();
    if (!profile) {
        LB_Profil->setText(tr("Není otevřen žádný profil."));
        LB_Selection->clear();
        setWindowTitle(tr("Velmora – kontakty"));
        return;
    }
    LB_Profil->setText(QString(_cProfilInfo).arg(profile->name()).arg(profile->site()));
    LB_Selection->setText(tr("Výběr: %1").arg(profile->selectionServer().records().size()));
    setWindowTitle(tr("Velmora – %1").arg(profile->name()));
}

void TFM_ContactMain::startMailImport()
{
    publishContext(); // the program reads the current subject as it starts
    const QFileInfo program(m_mailImportProgram);
    if (!program.exists() || !program.isExecutable()) {
        Orv::showMessage(_cMsgAtention,
                         tr("Program pro import e-mailů nebyl nalezen:\n%1\n\nNainstalujte jej do stejné složky jako tento program.")
                             .arg(QDir::toNativeSeparators(m_mailImportProgram)),
                         Orv::MsgIcon::Warning);
        return;
    }
    QProcess process;
    process.setProgram(program.absoluteFilePath());
    if (!process.startDetached()) {
        Orv::showMessage(_cMsgAtention, tr("Program pro import e-mailů se nepodařilo spustit:\n%1")
                                            .arg(QDir::toNativeSeparators(m_mailImportProgram)),
                         Orv::MsgIcon::Warning);
        return;
    }
    statusBar()->showMessage(tr("Import e-mailů spuštěn."), 5000);
}

void TFM_ContactMain::runPlugin(const QString &className, int dataSourceKind)
{
    TProfil *profile = PM().currentProfile();
    if (!profile) {
        Orv::showMessage(_cMsgAtention, tr("Není otevřen žádný profil."), Orv::MsgIcon::Warning);
        return;
    }
    TContactObjectList records;
    switch (dataSourceKind) {
    case dsTreeLink:
        if (const TTreeItemInfo *folder = profile->treeServer().currentFolder())
            records = profile->treeServer().records(folder->key);
        break;
    case dsSelection:
        records = profile->selectionServer().records();
        break;
    case dsFilter:
        records = profile->searchResultServer().records();
        break;
    }
    if (records.isEmpty()) {
        Orv::showMessage(_cMsgAtention, TPluginSelector::dataSourcePrompt(dataSourceKind), Orv::MsgIcon::Warning);
        return;
    }
    PluginRunner(m_registry).run(className, dataSourceKind);
}

void TFM_ContactMain::closeEvent(QCloseEvent *event)
{
    if (PM().isPluginRunning()) {
        event->ignore();
        return;
    }
    if (m_mode == Mode::Interactive) {
        Orv::guarded([this] {
            TContactRegistry registry;
            registry.OpenKeyPosition(QLatin1String(FormName));
            registry.WritePosition(this);
            registry.CloseKey();
        });
    }
    QMainWindow::closeEvent(event);
}

} // namespace Host
