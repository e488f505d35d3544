#pragma once

#include "visual/VisualGlobal.h"

#include <QFont>

class QStyle;

// The two looks every control paints in, and the fonts and colours they share.
// The look is process-wide, like the desktop's theme setting it stands for; GUI thread only.
namespace Visual {

// True: the "themed" look (Fusion elements); false: the classic flat look.
ORV_VISUAL_EXPORT bool themesInUse();
// Switches the look and repaints every widget of the application.
ORV_VISUAL_EXPORT void setThemesInUse(bool themed);
// The style whose elements the themed look draws (Fusion), owned by the application.
ORV_VISUAL_EXPORT QStyle *themedStyle();

// True when the screen shows at most 256 colours; gradients are not drawn then.
ORV_VISUAL_EXPORT bool vLowColorMode();
// 2 to the power of the screen's bits per pixel.
ORV_VISUAL_EXPORT qint64 GetColorMode();

// Font sizes in points as the forms give them, at 96 DPI, so layouts match pixel for pixel.
ORV_VISUAL_EXPORT int pointsToPixels(int points);
// A font by its form name; Arial and the old sans-serif screen fonts map to Liberation Sans.
ORV_VISUAL_EXPORT QFont vclFont(const QString &family, int points, bool bold = false);
// The forms' default control font (8-point sans serif).
ORV_VISUAL_EXPORT QFont defaultFont();

} // namespace Visual
