#pragma once

#include "visual/TCustomTabControl98.h"

// The tab control as forms place it: tabs over one display area whose contents the form
// changes on `changed`.
class ORV_VISUAL_EXPORT TTabControl98 : public TCustomTabControl98
{
    Q_OBJECT
public:
    using TCustomTabControl98::TCustomTabControl98;
};
