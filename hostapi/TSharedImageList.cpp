#include "hostapi/TSharedImageList.h"

#include <QApplication>
#include <QStyle>

namespace Host {

QIcon TSharedImageList::icon(int index)
{
    static constexpr QStyle::StandardPixmap Pixmaps[Count] = {
        QStyle::SP_DirHomeIcon,         QStyle::SP_FileDialogContentsView, QStyle::SP_FileDialogDetailedView,
        QStyle::SP_FileDialogInfoView,  QStyle::SP_DirIcon,                QStyle::SP_FileIcon,
        QStyle::SP_DialogYesButton,     QStyle::SP_DialogApplyButton,      QStyle::SP_FileDialogListView,
    };
    if (index < 0 || index >= Count || !QApplication::style())
        return {};
    return QApplication::style()->standardIcon(Pixmaps[index]);
}

} // namespace Host
