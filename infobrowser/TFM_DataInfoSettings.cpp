#include "infobrowser/TFM_DataInfoSettings.h"

#include "infobrowser/DataInfoSettings.h"

#include "base/MessageService.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace InfoBrowser {

namespace {

// The current address first when it is not the default, then the default.
void fillChoices(QComboBox *combo, const QString &current, const QString &defaultValue)
{
    combo->clear();
    if (current != defaultValue)
        combo->addItem(current);
    combo->addItem(defaultValue);
    combo->setCurrentIndex(0);
}

} // namespace

TFM_DataInfoSettings::TFM_DataInfoSettings(QWidget *parent)
    : QDialog(parent)
    , ED_HtmlPath(new QLineEdit(this))
    , CB_UrlUpdate(new QComboBox(this))
    , CB_UrlOnline(new QComboBox(this))
    , CX_DblClick(new QCheckBox(tr("Otevírat stránky dvojitým &poklepáním "), this))
{
    setObjectName(QStringLiteral("TFM_DataInfoSettings"));
    setWindowTitle(tr("Nastavení"));
    ED_HtmlPath->setObjectName(QStringLiteral("ED_HtmlPath"));
    CB_UrlUpdate->setObjectName(QStringLiteral("CB_UrlUpdate"));
    CB_UrlOnline->setObjectName(QStringLiteral("CB_UrlOnline"));
    CX_DblClick->setObjectName(QStringLiteral("CX_DblClick"));
    CB_UrlUpdate->setEditable(true);
    CB_UrlOnline->setEditable(true);

    auto *browseButton = new QPushButton(QStringLiteral("..."), this);
    browseButton->setObjectName(QStringLiteral("BT_Browse"));
    browseButton->setFixedWidth(browseButton->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);
    connect(browseButton, &QPushButton::clicked, this, &TFM_DataInfoSettings::browse);

    auto *grid = new QGridLayout;
    auto addLabel = [&](const QString &text, QWidget *buddy, int row) {
        auto *label = new QLabel(text, this);
        label->setBuddy(buddy);
        grid->addWidget(label, row, 0, 1, 2);
    };
    addLabel(tr("Adresář se &zdroji:"), ED_HtmlPath, 0);
    grid->addWidget(ED_HtmlPath, 1, 0);
    grid->addWidget(browseButton, 1, 1);
    addLabel(tr("URL pro &aktualizaci informací:"), CB_UrlUpdate, 2);
    grid->addWidget(CB_UrlUpdate, 3, 0, 1, 2);
    addLabel(tr("&URL pro online verzi:"), CB_UrlOnline, 4);
    grid->addWidget(CB_UrlOnline, 5, 0, 1, 2);
    grid->addWidget(CX_DblClick, 6, 0, 1, 2);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("BT_OK"));
    ok->setDefault(true);
    buttons->addButton(tr("&Storno"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("BT_Storno"));
    QPushButton *help = buttons->addButton(tr("&Nápověda"), QDialogButtonBox::HelpRole);
    help->setObjectName(QStringLiteral("BT_Help"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &TFM_DataInfoSettings::showHelp);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addWidget(buttons);
    resize(420, sizeHint().height());
}

void TFM_DataInfoSettings::setForm(const QString &directory, const QString &urlUpdate, const QString &urlOnline,
                                   bool dblClickOpen)
{
    ED_HtmlPath->setText(QDir::toNativeSeparators(directory));
    fillChoices(CB_UrlUpdate, urlUpdate, DataInfoSettings::defaultUrlUpdate());
    fillChoices(CB_UrlOnline, urlOnline, DataInfoSettings::defaultUrlOnline());
    CX_DblClick->setChecked(dblClickOpen);
}

QString TFM_DataInfoSettings::directory() const
{
    const QString text = QDir::fromNativeSeparators(ED_HtmlPath->text().trimmed());
    return text.isEmpty() ? DataInfoSettings::defaultDirectory() : text;
}

QString TFM_DataInfoSettings::urlUpdate() const
{
    return CB_UrlUpdate->currentText().trimmed();
}

QString TFM_DataInfoSettings::urlOnline() const
{
    return CB_UrlOnline->currentText().trimmed();
}

bool TFM_DataInfoSettings::dblClickOpen() const
{
    return CX_DblClick->isChecked();
}

void TFM_DataInfoSettings::browse()
{
    const QString chosen = QFileDialog::getExistingDirectory(this, tr("Adresář se zdroji"), ED_HtmlPath->text(),
                                                             QFileDialog::ShowDirsOnly);
    if (!chosen.isEmpty())
        ED_HtmlPath->setText(QDir::toNativeSeparators(chosen));
}

void TFM_DataInfoSettings::showHelp()
{
    Orv::showMessage(tr("Nápověda k Nastavení"),
                     tr("Adresář se zdroji: adresář se stránkami, které program zobrazuje ve stromu.\n"
                        "URL pro aktualizaci informací: adresa seznamu položek, které lze stáhnout "
                        "příkazem Aktualizace.\n"
                        "URL pro online verzi: stránka, kterou program zobrazí v online režimu."),
                     Orv::MsgIcon::Information);
}

} // namespace InfoBrowser
