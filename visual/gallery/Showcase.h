#pragma once

#include <QList>
#include <QString>

#include <functional>

class QWidget;

// One sample of a control for the gallery: a name and a factory building it, filled with
// sample data, inside a frame of a fixed size.
struct Showcase
{
    QString name;
    std::function<QWidget *()> create;
};

QList<Showcase> showcases();
