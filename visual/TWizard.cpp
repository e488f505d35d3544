#include "visual/TWizard.h"

#include "visual/TButton95.h"
#include "visual/TDialogButtonStrip.h"
#include "visual/TLabel95.h"

#include <QApplication>

namespace {

// Restores the buttons' enabled states and the cursor when the busy step ends, also by an
// exception.
class BusyScope
{
public:
    BusyScope(TButton95 *prev, TButton95 *next)
        : m_prev(prev)
        , m_next(next)
        , m_prevEnabled(prev->isEnabled())
        , m_nextEnabled(next->isEnabled())
    {
        prev->setEnabled(false);
        next->setEnabled(false);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyScope()
    {
        QApplication::restoreOverrideCursor();
        m_prev->setEnabled(m_prevEnabled);
        m_next->setEnabled(m_nextEnabled);
    }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

private:
    TButton95 *m_prev;
    TButton95 *m_next;
    bool m_prevEnabled;
    bool m_nextEnabled;
};

} // namespace

TWizard::TWizard(QWidget *parent)
    : TInfoPanel(parent)
    , m_header(new TLabel95(this))
    , m_strip(new TDialogButtonStrip(this))
{
    setOffSetX(1);
    setOffSetY(1);
    QFont bold = m_header->font();
    bold.setBold(true);
    m_header->setFont(bold);
    m_header->setTransparent(true);
    m_header->setFontColor(clBlack);
    m_header->setShowEllipses(TEllipsesStyle::esEnd);
    m_header->setVerticalAlignment(TVerticalAlignment::vaCenter);
    m_header->setCaption(QStringLiteral("  "));

    m_help = m_strip->addButton(Visual::_cButHelp());
    m_cancel = m_strip->addButton(Visual::_cButCancel());
    m_next = m_strip->addButton(Visual::_cButNext());
    m_prev = m_strip->addButton(Visual::_cButPrev());
    m_prev->setEnabled(false);
    m_next->setDefault(true);
    m_cancel->setCancel(true);
    connect(m_next, &QPushButton::clicked, this, &TWizard::nextClicked);
    connect(m_prev, &QPushButton::clicked, this, &TWizard::prevClicked);
    connect(m_cancel, &QPushButton::clicked, this, &TWizard::cancelClicked);
    connect(m_help, &QPushButton::clicked, this, &TWizard::helpClicked);
    layoutStrips();
}

void TWizard::setCaption(const QString &caption)
{
    m_caption = caption;
    m_header->setCaption(QStringLiteral("  ") + caption);
}

void TWizard::setHeaderHeight(int height)
{
    m_headerHeight = qMax(0, height);
    layoutStrips();
}

QString TWizard::helpCaption() const
{
    return m_help->text();
}

QString TWizard::cancelCaption() const
{
    return m_cancel->text();
}

QString TWizard::nextCaption() const
{
    return m_next->text();
}

QString TWizard::prevCaption() const
{
    return m_prev->text();
}

void TWizard::setHelpCaption(const QString &caption)
{
    m_help->setText(caption);
}

void TWizard::setCancelCaption(const QString &caption)
{
    m_cancel->setText(caption);
}

void TWizard::setNextCaption(const QString &caption)
{
    m_next->setText(caption);
}

void TWizard::setPrevCaption(const QString &caption)
{
    m_prev->setText(caption);
}

void TWizard::SetString(int index, const QString &text)
{
    if (index == 0)
        setCaption(text);
}

void TWizard::SetButCaption(int index, const QString &caption)
{
    switch (index) {
    case 0: setHelpCaption(caption); break;
    case 1: setCancelCaption(caption); break;
    case 2: setNextCaption(caption); break;
    case 3: setPrevCaption(caption); break;
    default: break;
    }
}

void TWizard::runBusy(const std::function<void()> &operation)
{
    const BusyScope busy(m_prev, m_next);
    operation();
}

void TWizard::resizeEvent(QResizeEvent *event)
{
    TInfoPanel::resizeEvent(event);
    layoutStrips();
}

void TWizard::mouseDoubleClickEvent(QMouseEvent *event)
{
    TInfoPanel::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

void TWizard::layoutStrips()
{
    m_header->setGeometry(0, 0, width(), m_headerHeight);
    m_header->setVisible(m_headerHeight > 0);
    const int strip = m_strip->stripHeight();
    m_strip->setGeometry(0, height() - strip, width(), strip);
    setContentsMargins(0, m_headerHeight, 0, strip);
}
