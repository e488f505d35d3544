#include "mailimport/ui/TFR_MailBody.h"

#include "mailimport/ui/MailIcons.h"
#include "mailimport/ui/TOrvCheckListBox.h"

#include "base/CommaText.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace MailUi {

namespace {

// A body comes from anyone: it may name remote images (read receipts, tracking) or local
// files. Nothing it names is loaded; only the text itself is shown.
class MailBodyBrowser : public QTextBrowser
{
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl &) override
    {
        // An empty picture instead of the "missing image" sign.
        if (type == QTextDocument::ImageResource) {
            QImage blank(1, 1, QImage::Format_ARGB32);
            blank.fill(Qt::transparent);
            return blank;
        }
        return {};
    }
};

const QColor SelectedBrush(174, 210, 247);

// A bar of 20 pixels with an icon and a navy caption above a part of the view.
QWidget *makeBar(const QString &name, const QString &iconName, const QPixmap &icon,
                 const QString &labelName, const QString &caption, QLabel **iconLabel = nullptr)
{
    auto *bar = new QWidget;
    bar->setObjectName(name);
    bar->setFixedHeight(20);
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(4);
    auto *image = new QLabel(bar);
    image->setObjectName(iconName);
    image->setPixmap(icon);
    image->setFixedSize(16, 16);
    auto *label = new QLabel(caption, bar);
    label->setObjectName(labelName);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    label->setPalette(palette);
    layout->addWidget(image);
    layout->addWidget(label, 1);
    if (iconLabel)
        *iconLabel = image;
    return bar;
}

} // namespace

TFR_MailBody::TFR_MailBody(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("FR_MailBody"));
    auto *vertical = new QSplitter(Qt::Horizontal, this);
    vertical->setObjectName(QStringLiteral("ST_Vertical"));
    vertical->setChildrenCollapsible(false);

    auto *text = new QWidget(vertical);
    text->setObjectName(QStringLiteral("PL_Text"));
    text->setMinimumWidth(200);
    auto *textLayout = new QVBoxLayout(text);
    textLayout->setContentsMargins(0, 0, 0, 0);
    textLayout->setSpacing(0);
    textLayout->addWidget(makeBar(QStringLiteral("PL_TextBar"), QStringLiteral("IG_IconBody"),
                                  MailIcons::plainBodyIcon(), QStringLiteral("LB_Text"), tr("Tělo zprávy"),
                                  &m_bodyIcon));
    m_body = new MailBodyBrowser(text);
    m_body->setObjectName(QStringLiteral("WB_Body"));
    m_body->setOpenLinks(false);
    connect(m_body, &QTextBrowser::anchorClicked, this, [](const QUrl &url) {
        // Links open in the desktop's programs, never inside the view.
        if (url.scheme() == u"http" || url.scheme() == u"https" || url.scheme() == u"mailto")
            QDesktopServices::openUrl(url);
    });
    textLayout->addWidget(m_body, 1);

    auto *doc = new QSplitter(Qt::Vertical, vertical);
    doc->setObjectName(QStringLiteral("PL_Doc"));
    doc->setChildrenCollapsible(false);

    auto *attach = new QWidget(doc);
    attach->setObjectName(QStringLiteral("PL_Attach"));
    auto *attachLayout = new QVBoxLayout(attach);
    attachLayout->setContentsMargins(0, 0, 0, 0);
    attachLayout->setSpacing(0);
    attachLayout->addWidget(makeBar(QStringLiteral("PL_AttachToolBar"), QStringLiteral("IG_IconAttach"),
                                    MailIcons::attachIcon(), QStringLiteral("LB_Attach"), tr("Seznam příloh")));
    m_attachments = new TOrvCheckListBox(attach);
    m_attachments->setObjectName(QStringLiteral("LX_Attach"));
    m_attachments->setSelectedColors(SelectedBrush, Qt::black);
    m_attachments->setFramedItems(true);
    attachLayout->addWidget(m_attachments, 1);

    auto *link = new QWidget(doc);
    link->setObjectName(QStringLiteral("PL_Link"));
    link->setMinimumHeight(74);
    auto *linkLayout = new QVBoxLayout(link);
    linkLayout->setContentsMargins(0, 0, 0, 0);
    linkLayout->setSpacing(0);
    linkLayout->addWidget(makeBar(QStringLiteral("PL_LinkToolBar"), QStringLiteral("IG_IconLink"),
                                  MailIcons::linkIcon(), QStringLiteral("LB_Link"), tr("Vazbené subjekty")));
    m_links = new TOrvListBox(link);
    m_links->setObjectName(QStringLiteral("LX_Link"));
    m_links->setSelectedColors(SelectedBrush, Qt::black);
    m_links->setFramedItems(true);
    ListMarkup::Style linkStyle = m_links->markupStyle();
    linkStyle.icons = MailIcons::listIcons();
    m_links->setMarkupStyle(linkStyle);
    linkLayout->addWidget(m_links, 1);
    connect(m_links, &QListWidget::itemDoubleClicked, this, &TFR_MailBody::activateLink);

    doc->setSizes({200, 99});
    doc->setStretchFactor(0, 1);
    doc->setStretchFactor(1, 0);
    vertical->setSizes({400, 200});
    vertical->setStretchFactor(0, 1);
    vertical->setStretchFactor(1, 0);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(vertical);
}

void TFR_MailBody::Show(const QString &body, bool isPlain, const QString &links, const QString &attachments)
{
    m_isPlain = isPlain;
    m_bodyIcon->setPixmap(isPlain ? MailIcons::plainBodyIcon() : MailIcons::richBodyIcon());
    if (isPlain) {
        m_body->setPlainText(body);
        m_body->setLineWrapMode(QTextEdit::WidgetWidth);
    } else {
        m_body->setHtml(body);
    }
    m_attachments->setNames(Orv::fromCommaText(attachments));
    m_links->clear();
    for (const QString &entry : Orv::fromCommaText(links))
        m_links->addMarkupItem(entry);
}

void TFR_MailBody::showEmpty()
{
    Show(QString(), true, QString(), QString());
}

QString TFR_MailBody::TickedAttachments() const
{
    QStringList quoted;
    for (const QString &name : tickedAttachmentNames())
        quoted.append(u'"' + name + u'"');
    return quoted.join(u',');
}

QStringList TFR_MailBody::tickedAttachmentNames() const
{
    return m_attachments->checkedNames();
}

std::optional<Mail::SubjectKey> TFR_MailBody::subjectOfEntry(const QString &entry)
{
    const QStringList parts = ListMarkup::hiddenPart(entry).split(u',');
    if (parts.size() != 3)
        return std::nullopt;
    Mail::SubjectKey key;
    bool ok[3] = {};
    key.kind = parts.at(0).trimmed().toInt(&ok[0]);
    key.cpcx = parts.at(1).trimmed().toInt(&ok[1]);
    key.cx = parts.at(2).trimmed().toInt(&ok[2]);
    if (!ok[0] || !ok[1] || !ok[2])
        return std::nullopt;
    return key;
}

void TFR_MailBody::activateLink()
{
    const QListWidgetItem *item = m_links->currentItem();
    if (!item)
        return;
    if (const std::optional<Mail::SubjectKey> key = subjectOfEntry(item->text()))
        emit subjectActivated(key->kind, key->cpcx, key->cx);
}

} // namespace MailUi
