#include "visual/TGradientTitleBar.h"

#include "visual/Look.h"
#include "visual/TButton95.h"
#include "visual/TCoolLabel.h"
#include "visual/TDialogButtonStrip.h"

TGradientTitleBar::TGradientTitleBar(QWidget *parent)
    : TInfoPanel(parent)
    , m_title(new TCoolLabel(this))
    , m_strip(new TDialogButtonStrip(this))
{
    m_title->setFont(Visual::vclFont(QStringLiteral("ARIAL"), 18, true));
    m_title->setTransparent(true);
    m_title->setShowAccelChar(false);
    m_title->setShowEllipses(TEllipsesStyle::esEnd);
    m_title->setVerticalAlignment(TVerticalAlignment::vaCenter);
    m_title->setFontColor(m_labelColor);
    m_title->setCaption(QLatin1Char(' ') + m_windowString);

    m_help = m_strip->addButton(Visual::_cButHelp());
    m_cancel = m_strip->addButton(Visual::_cButCancel());
    m_ok = m_strip->addButton(Visual::_cButOK());
    m_ok->setDefault(true);
    m_cancel->setCancel(true);
    connect(m_ok, &QPushButton::clicked, this, &TGradientTitleBar::okClicked);
    connect(m_cancel, &QPushButton::clicked, this, &TGradientTitleBar::cancelClicked);
    connect(m_help, &QPushButton::clicked, this, &TGradientTitleBar::helpClicked);
    layoutStrips();
}

void TGradientTitleBar::setCaption(const QString &caption)
{
    m_caption = caption;
    if (parentWidget() && parentWidget()->isWindow())
        parentWidget()->setWindowTitle(caption);
}

void TGradientTitleBar::setWindowString(const QString &text)
{
    m_windowString = text;
    m_title->setCaption(QLatin1Char(' ') + text);
}

void TGradientTitleBar::setLabelColor(TColor color)
{
    m_labelColor = color;
    m_title->setFontColor(color);
}

bool TGradientTitleBar::noBevel() const
{
    return m_strip->noBevel();
}

void TGradientTitleBar::setNoBevel(bool noBevel)
{
    m_strip->setNoBevel(noBevel);
    layoutStrips();
}

QString TGradientTitleBar::helpCaption() const
{
    return m_help->text();
}

QString TGradientTitleBar::cancelCaption() const
{
    return m_cancel->text();
}

QString TGradientTitleBar::okCaption() const
{
    return m_ok->text();
}

void TGradientTitleBar::setHelpCaption(const QString &caption)
{
    m_help->setText(caption);
}

void TGradientTitleBar::setCancelCaption(const QString &caption)
{
    m_cancel->setText(caption);
}

void TGradientTitleBar::setOKCaption(const QString &caption)
{
    m_ok->setText(caption);
}

void TGradientTitleBar::SetString(int index, const QString &text)
{
    if (index == 0)
        setCaption(text);
}

void TGradientTitleBar::SetButCaption(int index, const QString &caption)
{
    switch (index) {
    case 0: setHelpCaption(caption); break;
    case 1: setCancelCaption(caption); break;
    case 2: setOKCaption(caption); break;
    default: break;
    }
}

void TGradientTitleBar::resizeEvent(QResizeEvent *event)
{
    TInfoPanel::resizeEvent(event);
    layoutStrips();
}

void TGradientTitleBar::mouseDoubleClickEvent(QMouseEvent *event)
{
    TInfoPanel::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

void TGradientTitleBar::layoutStrips()
{
    m_title->setGeometry(0, 0, width(), TitleHeight);
    const int strip = m_strip->stripHeight();
    m_strip->setGeometry(0, height() - strip, width(), strip);
    setContentsMargins(0, TitleHeight, 0, strip);
}
