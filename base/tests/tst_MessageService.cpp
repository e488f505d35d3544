#include "base/Errors.h"
#include "base/Guarded.h"
#include "base/MessageService.h"

#include <QRegularExpression>
#include <QTest>
#include <QThread>

#include <functional>

using namespace Qt::StringLiterals;
using Orv::MsgButton;
using Orv::MsgButtons;

using Thrower = std::function<void()>;
Q_DECLARE_METATYPE(Thrower)

class tst_MessageService : public QObject
{
    Q_OBJECT

private slots:
    // Runs first: nothing installed yet.
    void answersDefaultButtonBeforeInstall();
    void scriptedAnswers_data();
    void scriptedAnswers();
    void queueComesBeforeFallbackAndIsRecorded();
    void shortcutsGoThroughInstalledService();
    void askedFromManyThreads();
    void guardedShowsErrors_data();
    void guardedShowsErrors();
    void guardedReportsToCallback();
};

void tst_MessageService::answersDefaultButtonBeforeInstall()
{
    QCOMPARE(Orv::showMessage(u"Otázka"_s, u"Pokračovat?"_s, Orv::MsgIcon::Question, MsgButtons::YesNo), MsgButton::Yes);
    QCOMPARE(Orv::showMessage(u"Otázka"_s, u"Pokračovat?"_s, Orv::MsgIcon::Question, MsgButtons::YesNo, MsgButton::No),
             MsgButton::No);
}

void tst_MessageService::scriptedAnswers_data()
{
    QTest::addColumn<MsgButtons>("buttons");
    QTest::addColumn<MsgButton>("defaultButton");
    QTest::addColumn<MsgButton>("fallback");
    QTest::addColumn<MsgButton>("expected");
    QTest::newRow("ok box") << MsgButtons::Ok << MsgButton::None << MsgButton::None << MsgButton::Ok;
    QTest::newRow("first button by default") << MsgButtons::RetryCancel << MsgButton::None << MsgButton::None
                                             << MsgButton::Retry;
    QTest::newRow("chosen default") << MsgButtons::YesNoCancel << MsgButton::Cancel << MsgButton::None
                                    << MsgButton::Cancel;
    QTest::newRow("default not in the box") << MsgButtons::YesNo << MsgButton::Ok << MsgButton::None << MsgButton::Yes;
    QTest::newRow("fallback yes") << MsgButtons::YesNo << MsgButton::No << MsgButton::Yes << MsgButton::Yes;
    QTest::newRow("fallback no") << MsgButtons::YesNoCancel << MsgButton::Yes << MsgButton::No << MsgButton::No;
    QTest::newRow("yes means ok") << MsgButtons::OkCancel << MsgButton::Cancel << MsgButton::Yes << MsgButton::Ok;
    QTest::newRow("no means cancel") << MsgButtons::OkCancel << MsgButton::None << MsgButton::No << MsgButton::Cancel;
    QTest::newRow("no means abort") << MsgButtons::AbortRetryIgnore << MsgButton::Retry << MsgButton::No
                                    << MsgButton::Abort;
    QTest::newRow("yes without ok is default") << MsgButtons::AbortRetryIgnore << MsgButton::Ignore << MsgButton::Yes
                                               << MsgButton::Ignore;
    QTest::newRow("no on an ok box") << MsgButtons::Ok << MsgButton::None << MsgButton::No << MsgButton::Ok;
}

void tst_MessageService::scriptedAnswers()
{
    QFETCH(MsgButtons, buttons);
    QFETCH(MsgButton, defaultButton);
    QFETCH(MsgButton, fallback);
    QFETCH(MsgButton, expected);
    Orv::ScriptedMessageService service(fallback);
    QCOMPARE(service.ask({u"Titulek"_s, u"Text"_s, Orv::MsgIcon::Question, buttons, defaultButton}), expected);
}

void tst_MessageService::queueComesBeforeFallbackAndIsRecorded()
{
    Orv::ScriptedMessageService service(MsgButton::Yes);
    QList<MsgButton> echoed;
    service.setEcho([&](const Orv::MessageRequest &, MsgButton answer) { echoed.append(answer); });
    service.enqueue(MsgButton::No);
    service.enqueue(MsgButton::Cancel);
    const Orv::MessageRequest request{u"Titulek"_s, u"Smazat?"_s, Orv::MsgIcon::Warning, MsgButtons::YesNoCancel};
    QCOMPARE(service.ask(request), MsgButton::No);
    QCOMPARE(service.ask(request), MsgButton::Cancel);
    QCOMPARE(service.ask(request), MsgButton::Yes);
    QCOMPARE(echoed, (QList<MsgButton>{MsgButton::No, MsgButton::Cancel, MsgButton::Yes}));
    QCOMPARE(service.requests().size(), 3);
    QCOMPARE(service.requests().first().text, u"Smazat?"_s);
    QCOMPARE(service.requests().first().icon, Orv::MsgIcon::Warning);
}

void tst_MessageService::shortcutsGoThroughInstalledService()
{
    auto installed = std::make_unique<Orv::ScriptedMessageService>();
    const Orv::ScriptedMessageService probe = *installed; // shares the script and the record
    installed->enqueue(MsgButton::No);
    Orv::MessageService::install(std::move(installed));

    QCOMPARE(Orv::showMessage(u"Dotaz"_s, u"Uložit?"_s, Orv::MsgIcon::Question, MsgButtons::YesNo), MsgButton::No);
    Orv::showError(u"Soubor chybí."_s);

    const QList<Orv::MessageRequest> requests = probe.requests();
    QCOMPARE(requests.size(), 2);
    QCOMPARE(requests.at(0).caption, u"Dotaz"_s);
    QCOMPARE(requests.at(1).caption, u"Chyba"_s);
    QCOMPARE(requests.at(1).icon, Orv::MsgIcon::Error);
    QCOMPARE(requests.at(1).buttons, MsgButtons::Ok);
}

void tst_MessageService::askedFromManyThreads()
{
    Orv::ScriptedMessageService service(MsgButton::No);
    constexpr int Threads = 4;
    constexpr int Asks = 500;
    for (int i = 0; i < Threads * Asks / 2; ++i)
        service.enqueue(MsgButton::Yes);
    QAtomicInt yes;
    QList<QThread *> threads;
    for (int t = 0; t < Threads; ++t) {
        threads.append(QThread::create([&] {
            for (int i = 0; i < Asks; ++i) {
                if (service.ask({u"T"_s, u"Q"_s, Orv::MsgIcon::Question, MsgButtons::YesNo}) == MsgButton::Yes)
                    yes.fetchAndAddRelaxed(1);
            }
        }));
        threads.last()->start();
    }
    for (QThread *thread : std::as_const(threads)) {
        QVERIFY(thread->wait(60'000));
        delete thread;
    }
    QCOMPARE(yes.loadRelaxed(), Threads * Asks / 2);
    QCOMPARE(service.requests().size(), Threads * Asks);
}

void tst_MessageService::guardedShowsErrors_data()
{
    QTest::addColumn<Thrower>("body");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("logged");
    QTest::newRow("user error") << Thrower([] { throw EOrvUserError(u"Firma nebyla nalezena."_s, u"CF=12"_s); })
                                << u"Firma nebyla nalezena."_s << u"CF=12"_s;
    QTest::newRow("database error") << Thrower([] { throw EOrvDatabaseError(u"Uložení selhalo."_s, u"disk I/O"_s); })
                                    << u"Uložení selhalo."_s << u"disk I/O"_s;
    QTest::newRow("std exception") << Thrower([] { throw std::runtime_error("boom"); })
                                   << u"Nastala neočekávaná chyba."_s << u"boom"_s;
    QTest::newRow("anything else") << Thrower([] { throw 42; }) << u"Nastala neočekávaná chyba."_s
                                   << u"unknown type"_s;
}

void tst_MessageService::guardedShowsErrors()
{
    QFETCH(Thrower, body);
    QFETCH(QString, shown);
    QFETCH(QString, logged);
    auto installed = std::make_unique<Orv::ScriptedMessageService>();
    const Orv::ScriptedMessageService probe = *installed;
    Orv::MessageService::install(std::move(installed));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(logged)));
    QVERIFY(!Orv::guarded(body));
    QCOMPARE(probe.requests().size(), 1);
    QCOMPARE(probe.requests().first().text, shown);
    QCOMPARE(probe.requests().first().caption, u"Chyba"_s);
    QCOMPARE(probe.requests().first().icon, Orv::MsgIcon::Error);

    QVERIFY(Orv::guarded([] {}));
    QCOMPARE(probe.requests().size(), 1);
}

void tst_MessageService::guardedReportsToCallback()
{
    QStringList reported;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"Chybí adresa"_s));
    QVERIFY(!Orv::guarded([] { throw EOrvUserError(u"Chybí adresa."_s); },
                          [&](const QString &text) { reported.append(text); }));
    QCOMPARE(reported, QStringList{u"Chybí adresa."_s});

    // A report that fails itself must not let the exception out of the boundary.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"first"_s));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"Reporting the error failed"_s));
    QVERIFY(!Orv::guarded([] { throw std::runtime_error("first"); },
                          [](const QString &) { throw std::runtime_error("second"); }));
}

QTEST_GUILESS_MAIN(tst_MessageService)
#include "tst_MessageService.moc"
