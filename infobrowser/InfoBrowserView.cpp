#include "infobrowser/InfoBrowserView.h"

#include "infobrowser/TextBrowserView.h"

namespace InfoBrowser {

std::unique_ptr<InfoBrowserView> createBrowserView(QWidget *parent)
{
    return std::make_unique<TextBrowserView>(parent);
}

} // namespace InfoBrowser
