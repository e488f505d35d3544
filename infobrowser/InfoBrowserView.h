#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

#include <memory>

class QWidget;

namespace InfoBrowser {

// The browser part of the window behind a small interface, so the program runs with a
// full web engine where one is installed and with a plain text browser elsewhere and in
// tests. The view's widget belongs to the parent given to createBrowserView().
class InfoBrowserView : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual QWidget *widget() const = 0;
    virtual void navigate(const QUrl &url) = 0;
    // Shows an HTML text of the program itself (the first page).
    virtual void showHtml(const QString &html) = 0;
    virtual void reload() = 0;
    virtual QUrl url() const = 0;

signals:
    void statusTextChanged(const QString &text);
};

std::unique_ptr<InfoBrowserView> createBrowserView(QWidget *parent);

} // namespace InfoBrowser
