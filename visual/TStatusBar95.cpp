#include "visual/TStatusBar95.h"

#include "visual/Look.h"

TStatusBar95::TStatusBar95(QWidget *parent)
    : QStatusBar(parent)
{
    setFont(Visual::defaultFont());
    setSizeGripEnabled(false);
}
