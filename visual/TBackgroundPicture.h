#pragma once

#include "visual/VisualGlobal.h"

#include <QObject>
#include <QPixmap>

// The one background picture that panels, sheets and check boxes tile behind themselves.
// It counts as set once a picture has been loaded or assigned, and no longer once it is
// cleared (or given an empty picture). One instance per process; GUI thread only.
class ORV_VISUAL_EXPORT TBackgroundPicture : public QObject
{
    Q_OBJECT
public:
    static TBackgroundPicture &instance();

    bool isSet() const { return m_set; }
    QPixmap picture() const { return m_picture; }

    void assign(const QPixmap &picture);
    // Returns false (and leaves the picture as it was) when the file is not a readable image.
    bool loadFromFile(const QString &fileName);
    void clear();

signals:
    void changed();

private:
    TBackgroundPicture() = default;

    QPixmap m_picture;
    bool m_set = false;
};

namespace Visual {
// Shorthand for the shared picture, as forms name it.
inline TBackgroundPicture &Background() { return TBackgroundPicture::instance(); }
}
