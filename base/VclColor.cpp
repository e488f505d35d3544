#include "base/VclColor.h"

#include <QGuiApplication>
#include <QPalette>

#include <utility>

namespace Orv {

namespace {

struct SystemColor
{
    int index;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The nearest palette role for each Windows system colour index.
constexpr SystemColor SystemColors[] = {
    {0, QPalette::Active, QPalette::Button},              // clScrollBar
    {1, QPalette::Active, QPalette::Dark},                // clBackground (desktop)
    {2, QPalette::Active, QPalette::Highlight},           // clActiveCaption
    {3, QPalette::Inactive, QPalette::Highlight},         // clInactiveCaption
    {4, QPalette::Active, QPalette::Window},              // clMenu
    {5, QPalette::Active, QPalette::Base},                // clWindow
    {6, QPalette::Active, QPalette::Shadow},              // clWindowFrame
    {7, QPalette::Active, QPalette::WindowText},          // clMenuText
    {8, QPalette::Active, QPalette::Text},                // clWindowText
    {9, QPalette::Active, QPalette::HighlightedText},     // clCaptionText
    {10, QPalette::Active, QPalette::Window},             // clActiveBorder
    {11, QPalette::Active, QPalette::Window},             // clInactiveBorder
    {12, QPalette::Active, QPalette::Dark},               // clAppWorkSpace
    {13, QPalette::Active, QPalette::Highlight},          // clHighlight
    {14, QPalette::Active, QPalette::HighlightedText},    // clHighlightText
    {15, QPalette::Active, QPalette::Button},             // clBtnFace
    {16, QPalette::Active, QPalette::Dark},               // clBtnShadow
    {17, QPalette::Disabled, QPalette::Text},             // clGrayText
    {18, QPalette::Active, QPalette::ButtonText},         // clBtnText
    {19, QPalette::Inactive, QPalette::HighlightedText},  // clInactiveCaptionText
    {20, QPalette::Active, QPalette::Light},              // clBtnHighlight
    {21, QPalette::Active, QPalette::Shadow},             // cl3DDkShadow
    {22, QPalette::Active, QPalette::Midlight},           // cl3DLight
    {23, QPalette::Active, QPalette::ToolTipText},        // clInfoText
    {24, QPalette::Active, QPalette::ToolTipBase},        // clInfoBk
    {26, QPalette::Active, QPalette::Link},               // clHotLight
    {27, QPalette::Active, QPalette::Highlight},          // clGradientActiveCaption
    {28, QPalette::Inactive, QPalette::Highlight},        // clGradientInactiveCaption
    {29, QPalette::Active, QPalette::Highlight},          // clMenuHighlight
    {30, QPalette::Active, QPalette::Window},             // clMenuBar
};

constexpr std::pair<const char *, TColor> Names[] = {
    {"clBlack", clBlack}, {"clMaroon", clMaroon}, {"clGreen", clGreen}, {"clOlive", clOlive},
    {"clNavy", clNavy}, {"clPurple", clPurple}, {"clTeal", clTeal}, {"clGray", clGray},
    {"clSilver", clSilver}, {"clRed", clRed}, {"clLime", clLime}, {"clYellow", clYellow},
    {"clBlue", clBlue}, {"clFuchsia", clFuchsia}, {"clAqua", clAqua}, {"clWhite", clWhite},
    {"clMoneyGreen", clMoneyGreen}, {"clSkyBlue", clSkyBlue}, {"clCream", clCream},
    {"clMedGray", clMedGray}, {"clNone", clNone}, {"clDefault", clDefault},
    {"clScrollBar", clScrollBar}, {"clBackground", clBackground}, {"clActiveCaption", clActiveCaption},
    {"clInactiveCaption", clInactiveCaption}, {"clMenu", clMenu}, {"clWindow", clWindow},
    {"clWindowFrame", clWindowFrame}, {"clMenuText", clMenuText}, {"clWindowText", clWindowText},
    {"clCaptionText", clCaptionText}, {"clActiveBorder", clActiveBorder},
    {"clInactiveBorder", clInactiveBorder}, {"clAppWorkSpace", clAppWorkSpace},
    {"clHighlight", clHighlight}, {"clHighlightText", clHighlightText}, {"clBtnFace", clBtnFace},
    {"clBtnShadow", clBtnShadow}, {"clGrayText", clGrayText}, {"clBtnText", clBtnText},
    {"clInactiveCaptionText", clInactiveCaptionText}, {"clBtnHighlight", clBtnHighlight},
    {"cl3DDkShadow", cl3DDkShadow}, {"cl3DLight", cl3DLight}, {"clInfoText", clInfoText},
    {"clInfoBk", clInfoBk}, {"clGradientActiveCaption", clGradientActiveCaption},
    {"clGradientInactiveCaption", clGradientInactiveCaption},
};

QPalette applicationPalette()
{
    return qGuiApp ? QGuiApplication::palette() : QPalette();
}

} // namespace

QColor colorFromTColor(TColor color)
{
    if (color == clNone || color == clDefault)
        return QColor();
    const auto value = static_cast<std::uint32_t>(color);
    if (value & 0x80000000u) {
        const int index = static_cast<int>(value & 0xFFu);
        for (const SystemColor &system : SystemColors) {
            if (system.index == index)
                return applicationPalette().color(system.group, system.role);
        }
        return QColor();
    }
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

TColor tColorFromColor(const QColor &color)
{
    if (!color.isValid())
        return clNone;
    return static_cast<TColor>((color.blue() << 16) | (color.green() << 8) | color.red());
}

bool tColorFromName(const QString &name, TColor *color)
{
    for (const auto &[known, value] : Names) {
        if (name.compare(QLatin1StringView(known), Qt::CaseInsensitive) == 0) {
            *color = value;
            return true;
        }
    }
    return false;
}

} // namespace Orv
