#include "mailimport/ui/TFM_OrvMailSettings.h"

#include "mailimport/ui/TFR_OrvMailSettingsClient.h"

#include "mailimport/TOrvMailClient.h"
#include "mailimport/TOrvMailGlobalSettings.h"

#include "base/Guarded.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace MailUi {

namespace {

QString chooseDirectory(QWidget *parent, const QString &title, const QString &start)
{
    return QFileDialog::getExistingDirectory(parent, title, start,
                                             QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
}

QLabel *label(QWidget *parent, const QString &name, const QString &caption)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

TFM_OrvMailSettings::TFM_OrvMailSettings(const QList<Mail::TOrvMailClient *> &clients,
                                         Mail::TOrvMailGlobalSettings &settings, QWidget *parent)
    : QDialog(parent)
    , m_clients(clients)
    , m_settings(settings)
    , m_browser(chooseDirectory)
{
    setObjectName(QStringLiteral("FM_OrvMailSettings"));
    setWindowTitle(tr("Nastavení programu"));

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PC_Settings"));

    // Základní nastavení
    auto *basic = new QWidget;
    basic->setObjectName(QStringLiteral("TS_Basic"));
    auto *grid = new QGridLayout(basic);
    m_client = new QComboBox(basic);
    m_client->setObjectName(QStringLiteral("CB_MailClient"));
    QLabel *clientLabel = label(basic, QStringLiteral("LB_MailClient"), tr("Poštovní klient"));
    clientLabel->setBuddy(m_client);
    grid->addWidget(clientLabel, 0, 0, 1, 2);
    grid->addWidget(m_client, 1, 0, 1, 2);

    m_dataPath = new QLineEdit(basic);
    m_dataPath->setObjectName(QStringLiteral("ED_DataPath"));
    QLabel *pathLabel = label(basic, QStringLiteral("LB_DataPath"), tr("Adresář pro ukládané přílohy"));
    pathLabel->setBuddy(m_dataPath);
    auto *browse = new QToolButton(basic);
    browse->setObjectName(QStringLiteral("SB_Browse"));
    browse->setText(QStringLiteral("..."));
    grid->addWidget(pathLabel, 2, 0, 1, 2);
    grid->addWidget(m_dataPath, 3, 0);
    grid->addWidget(browse, 3, 1);

    m_filter = addCheck(basic, QStringLiteral("CX_Filter"), tr("Filtrovat e-maily"));
    grid->addWidget(m_filter, 4, 0, 1, 2);
    auto *filterRow = new QHBoxLayout;
    m_filterValue = new QSpinBox(basic);
    m_filterValue->setObjectName(QStringLiteral("SE_FilterValue"));
    m_filterValue->setRange(0, Mail::TOrvMailGlobalSettings::MaxFilterValue);
    filterRow->addSpacing(18);
    filterRow->addWidget(label(basic, QStringLiteral("LB_FilterPrefix"), tr("Importovat e-maily přijaté do")));
    filterRow->addWidget(m_filterValue);
    filterRow->addWidget(label(basic, QStringLiteral("LB_FilterPostfix"), tr("dnů")));
    filterRow->addStretch(1);
    grid->addLayout(filterRow, 5, 0, 1, 2);
    m_downloadAfterStart = addCheck(basic, QStringLiteral("CX_DownloadAfterStart"),
                                    tr("Po spuštění načíst seznam e-mailových zpráv"));
    grid->addWidget(m_downloadAfterStart, 6, 0, 1, 2);
    // Kept, but not offered: both switches keep their stored values.
    m_hideMailAfterImport = addCheck(basic, QStringLiteral("CX_HideMailAfterImport"), tr("Skrýt e-mail po importu"));
    m_hideMailAfterImport->hide();
    m_alwaysOnTop = addCheck(basic, QStringLiteral("CX_AlwaysOnTop"), tr("Okno aplikace stále v popředí"));
    m_alwaysOnTop->hide();
    grid->setRowStretch(7, 1);
    m_pages->addTab(basic, tr("&Základní nastavení"));

    m_clientPage = new QWidget;
    m_clientPage->setObjectName(QStringLiteral("TS_MailClient"));
    auto *clientLayout = new QVBoxLayout(m_clientPage);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    m_pages->addTab(m_clientPage, tr("&Nastavení poštovního klienta"));

    auto *automat = new QWidget;
    automat->setObjectName(QStringLiteral("TS_Automat"));
    auto *automatLayout = new QVBoxLayout(automat);
    m_inboxAutomat = addCheck(automat, QStringLiteral("CX_InboxAutomat"),
                              tr("Povolit automatický import pro složku doručené pošty"));
    m_outboxAutomat = addCheck(automat, QStringLiteral("CX_OutboxAutomat"),
                               tr("Povolit automatický import pro složku odeslané pošty"));
    m_promptForImport = addCheck(automat, QStringLiteral("CX_PromptForImport"),
                                 tr("Dotázat se před importem každého e-mailu"));
    automatLayout->addWidget(m_inboxAutomat);
    automatLayout->addWidget(m_outboxAutomat);
    automatLayout->addWidget(m_promptForImport);
    automatLayout->addStretch(1);
    m_pages->addTab(automat, tr("&Automatický import"));

    auto *ok = new QPushButton(tr("&Ok"), this);
    ok->setObjectName(QStringLiteral("BT_OK"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(tr("&Storno"), this);
    cancel->setObjectName(QStringLiteral("BT_Cancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_pages, 1);
    layout->addLayout(buttons);
    // The page titles must stay readable with the desktop's fonts, which run wider than
    // those the dialog's size was chosen for.
    setFixedSize(qMax(427, m_pages->tabBar()->sizeHint().width() + 24), 280);

    connect(ok, &QPushButton::clicked, this, &TFM_OrvMailSettings::tryAccept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(browse, &QToolButton::clicked, this, &TFM_OrvMailSettings::browse);
    connect(m_filter, &QCheckBox::toggled, m_filterValue, &QWidget::setEnabled);
    connect(m_client, &QComboBox::currentIndexChanged, this, [this] { Orv::guarded([this] { clientChanged(); }); });

    SetForm();
}

QCheckBox *TFM_OrvMailSettings::addCheck(QWidget *page, const QString &name, const QString &caption)
{
    auto *check = new QCheckBox(caption, page);
    check->setObjectName(name);
    return check;
}

void TFM_OrvMailSettings::SetForm()
{
    {
        const QSignalBlocker blocker(m_client);
        m_client->clear();
        int selected = -1;
        for (Mail::TOrvMailClient *client : m_clients) {
            m_client->addItem(client->GetClientName(), QVariant::fromValue(static_cast<void *>(client)));
            if (selected < 0 && client->settings() && client->settings()->GetSection() == m_settings.MailClientID)
                selected = m_client->count() - 1;
        }
        m_client->setCurrentIndex(selected);
    }
    clientChanged();

    m_dataPath->setText(m_settings.DataPath);
    m_filter->setChecked(m_settings.Filter);
    m_filterValue->setValue(m_settings.FilterValue);
    m_filterValue->setEnabled(m_settings.Filter);
    m_downloadAfterStart->setChecked(m_settings.DownloadAfterStart);
    m_hideMailAfterImport->setChecked(m_settings.HideMailAfterImport);
    m_alwaysOnTop->setChecked(m_settings.AlwaysOnTop);
    m_inboxAutomat->setChecked(m_settings.InboxAutomat);
    m_outboxAutomat->setChecked(m_settings.OutboxAutomat);
    m_promptForImport->setChecked(m_settings.PromptForImport);
}

void TFM_OrvMailSettings::clientChanged()
{
    delete m_frame;
    m_frame = nullptr;
    const int index = m_client->currentIndex();
    if (index < 0 || index >= m_clients.size())
        return;
    QWidget *frame = m_clients.at(index)->CreateSettingsFrame(m_clientPage);
    m_frame = qobject_cast<TFR_OrvMailSettingsClient *>(frame);
    if (!m_frame) {
        delete frame;
        return;
    }
    m_clientPage->layout()->addWidget(m_frame);
    m_frame->LoadSettings();
}

void TFM_OrvMailSettings::browse()
{
    const QString chosen = m_browser(this, tr("Zvolte prosím složku, do které se bodou ukládat přílohy e-mailů"),
                                     m_dataPath->text().isEmpty() ? QDir::homePath() : m_dataPath->text());
    if (chosen.isEmpty())
        return;
    QString path = QDir::fromNativeSeparators(chosen);
    if (!path.endsWith(u'/'))
        path += u'/';
    m_dataPath->setText(path);
}

void TFM_OrvMailSettings::tryAccept()
{
    Orv::guarded([this] {
        if (m_frame && m_frame->Validate())
            accept();
    });
}

bool TFM_OrvMailSettings::Run()
{
    if (exec() != QDialog::Accepted)
        return false;
    Apply();
    return true;
}

void TFM_OrvMailSettings::Apply()
{
    if (m_frame) {
        m_settings.MailClientID = m_frame->settings()->GetSection();
        m_frame->SaveSettings();
        Mail::TOrvMailCustomSettings::Save(*m_frame->settings());
    } else {
        m_settings.MailClientID.clear();
    }
    m_settings.DataPath = m_dataPath->text();
    m_settings.Filter = m_filter->isChecked();
    m_settings.FilterValue = m_filterValue->value();
    m_settings.DownloadAfterStart = m_downloadAfterStart->isChecked();
    m_settings.HideMailAfterImport = m_hideMailAfterImport->isChecked();
    m_settings.AlwaysOnTop = m_alwaysOnTop->isChecked();
    m_settings.InboxAutomat = m_inboxAutomat->isChecked();
    m_settings.OutboxAutomat = m_outboxAutomat->isChecked();
    m_settings.PromptForImport = m_promptForImport->isChecked();
    Mail::TOrvMailCustomSettings::Save(m_settings);
}

} // namespace MailUi
