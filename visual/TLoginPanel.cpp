#include "visual/TLoginPanel.h"

#include "visual/Look.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

TLoginPanel::TLoginPanel(QWidget *parent)
    : QWidget(parent)
    , m_stack(new QStackedWidget(this))
{
    setFont(Visual::defaultFont());
    auto *layout = new QVBoxLayout(this);
    auto *row = new QHBoxLayout;
    layout->addLayout(row);
    layout->addWidget(m_stack, 1);
    const QStringList captions{tr("První spuštění"), tr("Tipy"), tr("Almanach")};
    for (int i = 0; i < 3; ++i) {
        auto *button = new QToolButton(this);
        button->setText(captions[i]);
        button->setCheckable(true);
        button->setAutoRaise(true);
        connect(button, &QToolButton::clicked, this, [this, i] { setActivePage(i + 1); });
        row->addWidget(button);
        m_buttons.append(button);

        auto *page = new QWidget(m_stack);
        auto *pageLayout = new QHBoxLayout(page);
        auto *picture = new QLabel(page);
        auto *text = new QLabel(page);
        text->setWordWrap(true);
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        pageLayout->addWidget(picture);
        pageLayout->addWidget(text, 1);
        m_pictures.append(picture);
        m_texts.append(text);
        m_stack->addWidget(page);
    }
    row->addStretch();
    setActivePage(1);
}

void TLoginPanel::setActivePage(int page)
{
    if (page < 1 || page > 3)
        return;
    const bool changed = page != m_activePage;
    m_activePage = page;
    m_stack->setCurrentIndex(page - 1);
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setChecked(i == page - 1);
    if (changed)
        emit pageChange(page);
}

void TLoginPanel::setPage(Page page, const QString &buttonCaption, const QPixmap &picture, const QString &text)
{
    const int i = int(page) - 1;
    if (!buttonCaption.isEmpty())
        m_buttons[i]->setText(buttonCaption);
    m_pictures[i]->setPixmap(picture);
    m_texts[i]->setText(text);
}
