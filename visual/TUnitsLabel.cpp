#include "visual/TUnitsLabel.h"

namespace {
QString s_unitsLabel = QStringLiteral("mm");
}

TUnitsLabel::TUnitsLabel(QWidget *parent)
    : TLabel95(parent)
{
    setTransparent(true);
    setFontColor(clBlack);
    setShowAccelChar(false);
    setCaption(s_unitsLabel);
    setAutoSize(false);
    resize(sizeHint() + QSize(2, 0));
}

QString TUnitsLabel::unitsLabel()
{
    return s_unitsLabel;
}

void TUnitsLabel::setUnitsLabel(const QString &units)
{
    s_unitsLabel = units;
}
