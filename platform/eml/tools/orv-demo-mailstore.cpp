// orv-demo-mailstore DIR [ADDRESS ...]: writes a small Windows Mail store (Inbox and Sent
// Items) of recent messages to and from the given addresses, for demonstrations and for
// trying the e-mail import by hand. Without addresses it uses those of the demo profile.

#include "platform/eml/StoreBuilder.h"

#include "base/Clock.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty() || arguments.first().startsWith(u'-')) {
        std::fprintf(stderr, "usage: orv-demo-mailstore DIR [ADDRESS ...]\n");
        return arguments.contains(QStringLiteral("--help")) ? 0 : 2;
    }
    const QString root = arguments.takeFirst();
    if (QDir(root).exists() && !QDir(root).isEmpty()) {
        std::fprintf(stderr, "orv-demo-mailstore: %s is not empty\n", qPrintable(root));
        return 1;
    }

    Eml::StoreBuilder::Sample sample;
    sample.inboxCount = 12;
    sample.sentCount = 8;
    sample.addresses = arguments.isEmpty()
        ? QStringList{QStringLiteral("jan.novak@alfastavby.cz"), QStringLiteral("kancelar@gama-ucto.cz"),
                      QStringLiteral("petr.svoboda@seznam.cz"), QStringLiteral("neznamy@example.org")}
        : arguments;
    // Recent messages, so that the import's day filter lists them.
    sample.start = Orv::Clock::now().addSecs(-3600 * 24);
    sample.minutesApart = 45;
    Eml::StoreBuilder(root, Eml::StoreBuilder::Layout::WindowsMail).writeSample(sample);
    std::printf("%s\n", qPrintable(QDir(root).absolutePath()));
    return 0;
}
