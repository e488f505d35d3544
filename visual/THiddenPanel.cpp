#include "visual/THiddenPanel.h"

THiddenPanel::THiddenPanel(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
}
