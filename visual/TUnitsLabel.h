#pragma once

#include "visual/TLabel95.h"

// Shows the process-wide unit text ("mm" until changed) and sizes itself to it + 2 pixels.
class ORV_VISUAL_EXPORT TUnitsLabel : public TLabel95
{
    Q_OBJECT
public:
    explicit TUnitsLabel(QWidget *parent = nullptr);

    static QString unitsLabel();
    // Changes the text of every units label created afterwards.
    static void setUnitsLabel(const QString &units);
};
