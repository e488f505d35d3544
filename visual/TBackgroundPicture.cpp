#include "visual/TBackgroundPicture.h"

#include <QApplication>
#include <QWidget>

TBackgroundPicture &TBackgroundPicture::instance()
{
    static TBackgroundPicture picture;
    return picture;
}

void TBackgroundPicture::assign(const QPixmap &picture)
{
    m_picture = picture;
    m_set = !picture.isNull();
    emit changed();
    for (QWidget *widget : QApplication::allWidgets())
        widget->update();
}

bool TBackgroundPicture::loadFromFile(const QString &fileName)
{
    QPixmap loaded;
    if (!loaded.load(fileName))
        return false;
    assign(loaded);
    return true;
}

void TBackgroundPicture::clear()
{
    assign(QPixmap());
}
