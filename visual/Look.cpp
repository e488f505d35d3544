#include "visual/Look.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

namespace Visual {

namespace {
bool s_themed = true;
}

bool themesInUse()
{
    return s_themed;
}

void setThemesInUse(bool themed)
{
    s_themed = themed;
    for (QWidget *widget : QApplication::allWidgets())
        widget->update();
}

QStyle *themedStyle()
{
    static QStyle *style = [] {
        QStyle *created = QStyleFactory::create(QStringLiteral("Fusion"));
        created->setParent(qApp);
        return created;
    }();
    return style;
}

qint64 GetColorMode()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int depth = screen ? screen->depth() : 32;
    return depth >= 62 ? std::numeric_limits<qint64>::max() : (qint64(1) << depth);
}

bool vLowColorMode()
{
    static const bool low = GetColorMode() <= 256;
    return low;
}

int pointsToPixels(int points)
{
    return (points * 96 + 36) / 72;
}

QFont vclFont(const QString &family, int points, bool bold)
{
    static const QStringList sansFamilies = {QStringLiteral("arial"), QStringLiteral("ms sans serif"),
                                             QStringLiteral("tahoma"), QStringLiteral("verdana")};
    QFont font(sansFamilies.contains(family.toLower()) ? QStringLiteral("Liberation Sans") : family);
    font.setPixelSize(pointsToPixels(points));
    font.setBold(bold);
    return font;
}

QFont defaultFont()
{
    return vclFont(QStringLiteral("MS Sans Serif"), 8);
}

} // namespace Visual
