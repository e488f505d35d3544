#pragma once

#include "hostapi/HostApiGlobal.h"

#include <QIcon>

namespace Host {

// The host's image list shared by components and plug-ins, addressed by index. Icons come
// from the widget style, so the application object must exist. GUI thread only.
class ORV_HOSTAPI_EXPORT TSharedImageList
{
public:
    enum Index { imFirm, imPerson, imEvent, imNote, imFolder, imDocument, imEmail, imSelection, imFilter, Count };

    static QIcon icon(int index);                // a null icon for an index out of range
};

} // namespace Host
