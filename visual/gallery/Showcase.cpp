#include "Showcase.h"

#include "visual/Look.h"
#include "visual/TBackgroundPicture.h"
#include "visual/TButton95.h"
#include "visual/TButtonPanel.h"
#include "visual/TCheckBox95.h"
#include "visual/TCheckListBox95.h"
#include "visual/TColorButton.h"
#include "visual/TCoolLabel.h"
#include "visual/TDayPanel.h"
#include "visual/TDropPanel.h"
#include "visual/TEdit95.h"
#include "visual/TFloatEdit.h"
#include "visual/TFloatPanel.h"
#include "visual/TGradPanel.h"
#include "visual/TGradientTitleBar.h"
#include "visual/TGroupBox95.h"
#include "visual/THeaderControl95.h"
#include "visual/THiddenPanel.h"
#include "visual/THour.h"
#include "visual/TInfoPanel.h"
#include "visual/TLabel95.h"
#include "visual/TListView95.h"
#include "visual/TLoginPanel.h"
#include "visual/TMemo95.h"
#include "visual/TMessageLine.h"
#include "visual/TPageControl98.h"
#include "visual/TPaintControl.h"
#include "visual/TProgressPanel.h"
#include "visual/TRadioButton95.h"
#include "visual/TRadioGroup95.h"
#include "visual/TScrollBox95.h"
#include "visual/TSlider.h"
#include "visual/TSplitter95.h"
#include "visual/TStatusBar95.h"
#include "visual/TStringGrid95.h"
#include "visual/TTabControl98.h"
#include "visual/TTabSheet98.h"
#include "visual/TTrayIcon.h"
#include "visual/TTreeView95.h"
#include "visual/TUnitsLabel.h"
#include "visual/TWizard.h"

#include <QDate>
#include <QListWidget>
#include <QPainter>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

QWidget *frame(int width, int height)
{
    auto *host = new TInfoPanel;
    host->resize(width, height);
    return host;
}

template<typename T>
T *placed(QWidget *host, T *control, int x, int y, int width = -1, int height = -1)
{
    control->setParent(host);
    control->move(x, y);
    if (width > 0)
        control->resize(width, height > 0 ? height : control->sizeHint().height());
    return control;
}

QWidget *labels()
{
    QWidget *host = frame(320, 150);
    placed(host, new TLabel95(QStringLiteral("&Jméno:")), 8, 8);
    auto *ellipsis = placed(host, new TLabel95(QStringLiteral("Dlouhý popis, který se do štítku nevejde celý")), 8, 30);
    ellipsis->setShowEllipses(TEllipsesStyle::esEnd);
    ellipsis->resize(150, 16);
    auto *path = placed(host, new TLabel95(QStringLiteral("C:\\Dokumenty\\Smlouvy\\2024\\Leden\\dopis.txt")), 8, 50);
    path->setShowEllipses(TEllipsesStyle::esPath);
    path->resize(170, 16);
    auto *wrapped = placed(host, new TLabel95(QStringLiteral("Zalomený text na více řádcích uvnitř štítku")), 180, 8);
    wrapped->setWordWrap(true);
    wrapped->setAutoSize(false);
    wrapped->resize(130, 50);
    auto *centred = placed(host, new TLabel95(QStringLiteral("Na střed")), 180, 64);
    centred->setAutoSize(false);
    centred->resize(130, 30);
    centred->setAlignment(THorizontalAlignment::haCenter);
    centred->setVerticalAlignment(TVerticalAlignment::vaCenter);
    centred->setColor(clWhite);
    auto *disabled = placed(host, new TLabel95(QStringLiteral("Nedostupný štítek")), 8, 72);
    disabled->setEnabled(false);
    auto *cool = placed(host, new TCoolLabel, 8, 96);
    cool->setFont(Visual::vclFont(QStringLiteral("Arial"), 14, true));
    cool->setTransparent(true);
    cool->setFontColor(clPurple);
    cool->setCaption(QStringLiteral("TCoolLabel"));
    placed(host, new TUnitsLabel, 180, 110);
    return host;
}

QWidget *checks()
{
    QWidget *host = frame(320, 130);
    auto *plain = placed(host, new TCheckBox95(QStringLiteral("&Nezaškrtnuto")), 8, 8, 150);
    Q_UNUSED(plain);
    auto *checked = placed(host, new TCheckBox95(QStringLiteral("&Zaškrtnuto")), 8, 32, 150);
    checked->SetChecked(true);
    auto *grayed = placed(host, new TCheckBox95(QStringLiteral("Neurčito")), 8, 56, 150);
    grayed->setState(TCustomCheckBox95::TCheckBoxState::cbGrayed);
    auto *disabled = placed(host, new TCheckBox95(QStringLiteral("Nedostupné")), 8, 80, 150);
    disabled->SetChecked(true);
    disabled->setEnabled(false);
    auto *a = placed(host, new TRadioButton95(QStringLiteral("&První volba")), 170, 8, 140);
    placed(host, new TRadioButton95(QStringLiteral("&Druhá volba")), 170, 32, 140);
    a->SetChecked(true);
    auto *c = placed(host, new TRadioButton95(QStringLiteral("Jiná skupina")), 170, 56, 140);
    c->setGroupIndex(1);
    c->SetChecked(true);
    return host;
}

QWidget *buttons()
{
    QWidget *host = frame(320, 80);
    placed(host, new TButton95(QStringLiteral("&OK")), 8, 8);
    auto *left = placed(host, new TButton95(QStringLiteral("Vlevo")), 90, 8, 90);
    left->setHorAlignment(THorizontalAlignment::haLeft);
    auto *wrapped = placed(host, new TButton95(QStringLiteral("Dlouhý text tlačítka")), 190, 8, 110, 40);
    wrapped->setWordWrap(true);
    auto *disabled = placed(host, new TButton95(QStringLiteral("Nedostupné")), 8, 44);
    disabled->setEnabled(false);
    auto *colour = placed(host, new TColorButton, 100, 48);
    colour->setColor(clTeal);
    return host;
}

QWidget *titleBar()
{
    auto *bar = new TGradientTitleBar;
    bar->resize(380, 200);
    bar->setWindowString(QStringLiteral("Vlastnosti kontaktu"));
    auto *layout = new QVBoxLayout(bar);
    layout->addWidget(new TLabel95(QStringLiteral("Obsah dialogu")));
    layout->addStretch();
    return bar;
}

QWidget *wizard()
{
    auto *wizard = new TWizard;
    wizard->resize(420, 220);
    wizard->setHeaderHeight(30);
    wizard->setCaption(QStringLiteral("Import kontaktů – krok 1 ze 3"));
    auto *layout = new QVBoxLayout(wizard);
    layout->addWidget(new TLabel95(QStringLiteral("Vyberte zdroj dat.")));
    layout->addStretch();
    return wizard;
}

QWidget *pageControl()
{
    QWidget *host = frame(340, 190);
    auto *pages = placed(host, new TPageControl98, 6, 6, 328, 178);
    const QStringList captions{QStringLiteral("Obecné"), QStringLiteral("Adresa"), QStringLiteral("Skrytá"),
                               QStringLiteral("Poznámky k záznamu")};
    for (const QString &caption : captions) {
        auto *page = new TTabSheet98(pages, caption);
        placed(page, new TCheckBox95(QStringLiteral("Volba na stránce ") + caption), 10, 10, 250);
    }
    pages->GetPage(2)->SetTabVisible(false);
    pages->GetPage(1)->setHighlighted(true);
    pages->setActivePageIndex(0);
    return host;
}

QWidget *tabControl()
{
    QWidget *host = frame(340, 150);
    auto *tabs = placed(host, new TTabControl98, 6, 6, 328, 60);
    tabs->SetStyle(TCustomTabControl98::TTabStyle::tsButtons);
    tabs->setTabs({QStringLiteral("Den"), QStringLiteral("Týden"), QStringLiteral("Měsíc")});
    tabs->setTabIndex(1);
    auto *bottom = placed(host, new TTabControl98, 6, 72, 328, 72);
    bottom->setTabPosition(TCustomTabControl98::TTabPosition::tpBottom);
    bottom->setTabWidth(70);
    bottom->setTabs({QStringLiteral("Krátká"), QStringLiteral("Velmi dlouhý název záložky")});
    bottom->setTabIndex(0);
    return host;
}

QWidget *gradients()
{
    QWidget *host = frame(320, 110);
    placed(host, new TGradPanel, 8, 8, 300, 20);
    auto *rule = placed(host, new TGradPanel, 8, 36, 300, 2);
    rule->setGrad1Color(clTeal);
    rule->setGrad2Color(clBtnFace);
    rule->setGradColors(8);
    auto *dual = placed(host, new TGradPanel, 8, 46, 300, 20);
    dual->setGrad1Color(clNavy);
    dual->setGrad2Color(clWhite);
    dual->setDualColors(true);
    auto *vertical = placed(host, new TGradPanel, 8, 72, 300, 30);
    vertical->setGrad1Color(clMaroon);
    vertical->setGrad2Color(clYellow);
    vertical->setGradTopDown(true);
    return host;
}

QWidget *buttonPanel()
{
    auto *panel = new TButtonPanel;
    panel->resize(260, 140);
    panel->setSwitchVisible(true);
    panel->setTextCaption(QStringLiteral("Spojení"));
    panel->SetRights(true, true, false);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, TButtonPanel::ToolbarHeight, 0, 0);
    auto *list = new QListWidget;
    list->addItems({QStringLiteral("Telefon 123 456 789"), QStringLiteral("E-mail info@example.cz")});
    layout->addWidget(list);
    return panel;
}

QWidget *dayPanels()
{
    QWidget *host = frame(420, 120);
    const QDate monday(2024, 3, 4);
    auto *week = placed(host, new TDayPanel, 8, 8, 400, 16);
    week->setFirstDate(monday);
    auto *twoLined = placed(host, new TDayPanel, 8, 30, 400, 30);
    twoLined->setFirstDate(monday);
    twoLined->SetTwoLined(true);
    auto *month = placed(host, new TDayPanel, 8, 66, 400, 16);
    month->setFirstDate(monday);
    month->setDays(31);
    auto *letters = placed(host, new TDayPanel, 8, 88, 400, 16);
    letters->setFirstDate(monday);
    letters->setDays(0);
    return host;
}

QWidget *progress()
{
    auto *panel = new TProgressPanel;
    panel->resize(400, 24);
    panel->setEdge(TEdgeType::etSunken);
    panel->SetPosition(1, 0, true, QStringLiteral("Firmy"), 40, 100);
    panel->SetPosition(2, 0, true, QStringLiteral("Osoby"), 700, 1000);
    return panel;
}

QWidget *groups()
{
    QWidget *host = frame(340, 130);
    auto *group = placed(host, new TGroupBox95(QStringLiteral("&Skupina")), 8, 8, 150, 110);
    placed(group, new TCheckBox95(QStringLiteral("Uvnitř")), 10, 24, 120);
    auto *radios = placed(host, new TRadioGroup95, 168, 8, 164, 110);
    radios->setCaption(QStringLiteral("Řazení"));
    radios->setColumns(2);
    radios->setItems({QStringLiteral("Jméno"), QStringLiteral("Firma"), QStringLiteral("Město"), QStringLiteral("PSČ")});
    radios->SetItemIndex(1);
    return host;
}

QWidget *lists()
{
    QWidget *host = frame(420, 150);
    auto *tree = placed(host, new TTreeView95, 8, 8, 130, 134);
    auto *root = new QTreeWidgetItem(tree, {QStringLiteral("Kategorie")});
    new QTreeWidgetItem(root, {QStringLiteral("Dodavatelé")});
    new QTreeWidgetItem(root, {QStringLiteral("Zákazníci")});
    tree->FullExpandEx(1);
    auto *list = placed(host, new TListView95, 144, 8, 130, 64);
    list->setHeaderLabels({QStringLiteral("Název"), QStringLiteral("Město")});
    new QTreeWidgetItem(list, {QStringLiteral("Alfa s.r.o."), QStringLiteral("Brno")});
    auto *checks = placed(host, new TCheckListBox95, 144, 78, 130, 64);
    checks->addCheckItem(QStringLiteral("Telefon"), Qt::Checked);
    checks->addCheckItem(QStringLiteral("Fax"));
    auto *grid = placed(host, new TStringGrid95, 280, 8, 132, 134);
    grid->setRowCount(3);
    grid->setColumnCount(2);
    grid->setItem(0, 0, new QTableWidgetItem(QStringLiteral("A1")));
    return host;
}

QWidget *edits()
{
    QWidget *host = frame(340, 110);
    placed(host, new TEdit95(QStringLiteral("Text v poli")), 8, 8, 150);
    auto *number = placed(host, new TFloatEdit, 8, 36);
    number->setFloatValue(12.5);
    auto *memo = placed(host, new TMemo95, 170, 8, 160, 90);
    memo->setPlainText(QStringLiteral("Víceřádková\npoznámka"));
    return host;
}

QWidget *splitter()
{
    auto *split = new TSplitter95(Qt::Vertical);
    split->resize(300, 140);
    split->setHotTrack(true);
    split->setCaption(QStringLiteral("Podrobnosti"));
    split->addWidget(new QTextEdit(QStringLiteral("Horní část")));
    split->addWidget(new QTextEdit(QStringLiteral("Dolní část")));
    return split;
}

QWidget *panels()
{
    QWidget *host = frame(420, 170);
    auto *edged = placed(host, new TInfoPanel, 8, 8, 120, 50);
    edged->setEdge(TEdgeType::etEtched);
    auto *sunken = placed(host, new TInfoPanel, 136, 8, 120, 50);
    sunken->setEdge(TEdgeType::etSunken);
    auto *line = placed(host, new TMessageLine, 8, 64, 404, 22);
    line->addEntry({1, QStringLiteral("Dnes má narozeniny Jan Novák"), true, {}, {}, {}});
    auto *drop = placed(host, new TDropPanel, 264, 8, 148, 50);
    drop->setCaption(QStringLiteral("Rozbalovací panel"));
    auto *floating = placed(host, new TFloatPanel, 8, 92, 200, 70);
    floating->setPanelCaption(QStringLiteral("Plovoucí panel"));
    auto *hour = placed(host, new THour, 220, 100);
    hour->setDateTime(QDateTime(QDate(2024, 3, 4), QTime(10, 10)));
    placed(host, new TSlider, 280, 92);
    auto *paint = placed(host, new TPaintControl, 300, 92, 50, 30);
    QObject::connect(paint, &TPaintControl::painted, paint, [paint](QPainter *painter) {
        painter->fillRect(paint->rect(), Qt::darkCyan);
    });
    placed(host, new THiddenPanel, 360, 92, 50, 30);
    auto *header = placed(host, new THeaderControl95, 300, 128, 112, 22);
    header->setSections({QStringLiteral("Jméno"), QStringLiteral("Tel.")});
    return host;
}

QWidget *login()
{
    auto *panel = new TLoginPanel;
    panel->resize(320, 130);
    panel->setPage(TLoginPanel::FirstStart, {}, {}, QStringLiteral("Vítejte v programu. Začněte založením profilu."));
    return panel;
}

QWidget *statusAndScroll()
{
    QWidget *host = frame(320, 110);
    auto *scroll = placed(host, new TScrollBox95, 8, 8, 304, 60);
    auto *inner = new TLabel95(QStringLiteral("Obsah posuvného panelu"));
    inner->setTransparent(true);
    scroll->setWidget(inner);
    auto *status = placed(host, new TStatusBar95, 0, 84, 320, 22);
    status->showMessage(QStringLiteral("Připraveno"));
    return host;
}

QWidget *withPicture()
{
    QPixmap tile(16, 16);
    tile.fill(QColor(0xE8, 0xE0, 0xC8));
    QPainter painter(&tile);
    painter.setPen(QColor(0xD0, 0xC4, 0xA0));
    painter.drawLine(0, 15, 15, 0);
    painter.end();
    Visual::Background().assign(tile);
    QWidget *host = checks();
    return host;
}

} // namespace

QList<Showcase> showcases()
{
    return {
        {QStringLiteral("TLabel95"), labels},
        {QStringLiteral("TCheckBox95"), checks},
        {QStringLiteral("TButton95"), buttons},
        {QStringLiteral("TGradientTitleBar"), titleBar},
        {QStringLiteral("TWizard"), wizard},
        {QStringLiteral("TPageControl98"), pageControl},
        {QStringLiteral("TTabControl98"), tabControl},
        {QStringLiteral("TGradPanel"), gradients},
        {QStringLiteral("TButtonPanel"), buttonPanel},
        {QStringLiteral("TDayPanel"), dayPanels},
        {QStringLiteral("TProgressPanel"), progress},
        {QStringLiteral("TGroupBox95"), groups},
        {QStringLiteral("TTreeView95"), lists},
        {QStringLiteral("TEdit95"), edits},
        {QStringLiteral("TSplitter95"), splitter},
        {QStringLiteral("TInfoPanel"), panels},
        {QStringLiteral("TLoginPanel"), login},
        {QStringLiteral("TStatusBar95"), statusAndScroll},
        {QStringLiteral("Background"), withPicture},
    };
}
