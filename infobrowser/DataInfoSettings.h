#pragma once

#include "base/VclColor.h"

#include <QString>

namespace InfoBrowser {

constexpr char ApplicationTitle[] = "ORVANTA Plus";

// The settings of the information browser, kept in "OrvantaPlus.ini" in the program
// directory: section "OrvantaPlus" for the browser, section "TFM_OrvantaPlus" for the window.
struct DataInfoSettings
{
    int treeWidth = 150;
    bool online = false;
    QString directory;      // with a trailing "/"
    QString urlOnline;
    QString urlUpdate;
    bool dblClickOpen = false;
    TColor treeColor = clWindow;

    bool maximize = false;
    int left = -1;          // -1: centred on the screen
    int top = -1;
    int width = 640;
    int height = 480;

    static QString defaultFileName();   // programDirectory() + "/OrvantaPlus.ini"
    static QString defaultDirectory();  // programDirectory() + "/Plus/"
    static QString defaultUrlOnline();
    static QString defaultUrlUpdate();

    // Missing or empty directory and URLs keep their defaults.
    static DataInfoSettings load(const QString &fileName);
    // Throws EOrvIoError when the file cannot be written.
    void save(const QString &fileName) const;

    bool operator==(const DataInfoSettings &other) const = default;
};

} // namespace InfoBrowser
