#include "infobrowser/TextBrowserView.h"

#include "infobrowser/HtmlPage.h"

#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>

namespace InfoBrowser {

namespace {

// Reads local pages with the page decoding rules (old pages are cp1250 without a
// declaration) and refuses every resource that is not a local file.
class PageBrowser : public QTextBrowser
{
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl &name) override
    {
        const QUrl url = name.isRelative() ? source().resolved(name) : name;
        if (!url.isLocalFile())
            return {};
        QFile file(url.toLocalFile());
        if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly))
            return {};
        const QByteArray data = file.readAll();
        if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource)
            return decodeHtml(data);
        return data;
    }
};

} // namespace

TextBrowserView::TextBrowserView(QWidget *parent)
    : InfoBrowserView(parent)
    , m_browser(new PageBrowser(parent))
{
    m_browser->setObjectName(QStringLiteral("WB_Browser"));
    m_browser->setOpenExternalLinks(true);
    connect(m_browser, qOverload<const QUrl &>(&QTextBrowser::highlighted), this,
            [this](const QUrl &link) { emit statusTextChanged(link.toString()); });
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this](const QUrl &source) {
        m_url = source;
        emit statusTextChanged(source.isLocalFile() ? source.toLocalFile() : source.toString());
    });
}

QWidget *TextBrowserView::widget() const
{
    return m_browser;
}

void TextBrowserView::navigate(const QUrl &url)
{
    m_html.clear();
    if (url.isLocalFile() || url.isRelative()) {
        m_browser->setSource(url.isRelative() ? QUrl::fromLocalFile(url.toString()) : url);
        return;
    }
    m_url = url;
    if (url.scheme() == u"about") {
        m_browser->clear();
        return;
    }
    const QString link = url.toString().toHtmlEscaped();
    m_browser->setHtml(tr("<p>Tento prohlížeč zobrazuje jen stránky uložené v počítači.</p>"
                          "<p>Stránku <a href=\"%1\">%1</a> otevřete ve webovém prohlížeči.</p>")
                           .arg(link));
    emit statusTextChanged(url.toString());
}

void TextBrowserView::showHtml(const QString &html)
{
    m_html = html;
    m_url = QUrl(QStringLiteral("about:"));
    m_browser->setHtml(html);
}

void TextBrowserView::reload()
{
    if (!m_html.isEmpty())
        m_browser->setHtml(m_html);
    else if (m_url.isLocalFile())
        m_browser->reload();
    else
        navigate(m_url);
}

QUrl TextBrowserView::url() const
{
    return m_url;
}

} // namespace InfoBrowser
