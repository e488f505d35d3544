// orv-gallery: every control of the library in both looks.
//   orv-gallery                    a window listing the samples, with a look switch
//   orv-gallery --screenshot DIR   writes DIR/<look>-<control>.png for each sample and look

#include "Showcase.h"

#include "visual/Look.h"
#include "visual/TBackgroundPicture.h"

#include <QApplication>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QDir>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPointer>
#include <QStyleFactory>

#include <cstdio>

namespace {

void applyLook(bool themed)
{
    QApplication::setStyle(QStyleFactory::create(themed ? QStringLiteral("Fusion") : QStringLiteral("Windows")));
    Visual::setThemesInUse(themed);
}

int screenshots(const QString &directory)
{
    if (!QDir().mkpath(directory)) {
        std::fprintf(stderr, "orv-gallery: cannot create %s\n", qPrintable(directory));
        return 1;
    }
    for (bool themed : {true, false}) {
        applyLook(themed);
        for (const Showcase &sample : showcases()) {
            Visual::Background().clear();
            QWidget *widget = sample.create();
            widget->setAttribute(Qt::WA_DontShowOnScreen);
            widget->show();
            QApplication::processEvents();
            const QString file = QStringLiteral("%1/%2-%3.png")
                                     .arg(directory, themed ? QStringLiteral("themed") : QStringLiteral("classic"),
                                          sample.name);
            if (!widget->grab().save(file)) {
                std::fprintf(stderr, "orv-gallery: cannot write %s\n", qPrintable(file));
                return 1;
            }
            delete widget;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shows every control of the Orvanta control library."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("screenshot"), QStringLiteral("Write a PNG per control and look into DIR."),
                      QStringLiteral("DIR")});
    parser.process(app);
    if (parser.isSet(QStringLiteral("screenshot")))
        return screenshots(parser.value(QStringLiteral("screenshot")));

    QWidget window;
    window.setWindowTitle(QStringLiteral("Galerie ovládacích prvků"));
    auto *layout = new QHBoxLayout(&window);
    auto *side = new QVBoxLayout;
    auto *names = new QListWidget;
    auto *themed = new QCheckBox(QStringLiteral("Motivy"));
    themed->setChecked(true);
    side->addWidget(names);
    side->addWidget(themed);
    layout->addLayout(side);
    const QList<Showcase> samples = showcases();
    for (const Showcase &sample : samples)
        names->addItem(sample.name);
    QPointer<QWidget> shown;
    auto showSample = [&] {
        delete shown;
        Visual::Background().clear();
        const int row = names->currentRow();
        if (row < 0)
            return;
        shown = samples[row].create();
        layout->addWidget(shown, 1);
        shown->show();
    };
    QObject::connect(names, &QListWidget::currentRowChanged, &window, showSample);
    QObject::connect(themed, &QCheckBox::toggled, &window, [&](bool on) {
        applyLook(on);
        showSample();
    });
    names->setCurrentRow(0);
    window.resize(700, 320);
    window.show();
    return app.exec();
}
