#pragma once

#include "infobrowser/InfoBrowserView.h"

class QTextBrowser;

namespace InfoBrowser {

// A browser view on QTextBrowser: local pages only. It never loads anything from the
// network; web addresses are offered as links that open in the desktop's web browser.
class TextBrowserView : public InfoBrowserView
{
    Q_OBJECT

public:
    explicit TextBrowserView(QWidget *parent);

    QWidget *widget() const override;
    void navigate(const QUrl &url) override;
    void showHtml(const QString &html) override;
    void reload() override;
    QUrl url() const override;

private:
    QTextBrowser *m_browser;
    QUrl m_url;
    QString m_html;
};

} // namespace InfoBrowser
