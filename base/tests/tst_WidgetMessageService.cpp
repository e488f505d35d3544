#include "base/WidgetMessageService.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QThread>
#include <QTimer>

using namespace Qt::StringLiterals;
using Orv::MsgButton;
using Orv::MsgButtons;

class tst_WidgetMessageService : public QObject
{
    Q_OBJECT

private slots:
    void showsCzechButtonsAndReturnsTheClicked_data();
    void showsCzechButtonsAndReturnsTheClicked();
};

void tst_WidgetMessageService::showsCzechButtonsAndReturnsTheClicked_data()
{
    QTest::addColumn<bool>("fromWorker");
    QTest::addColumn<MsgButtons>("buttons");
    QTest::addColumn<QString>("click"); // empty: close the box without a button
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<MsgButton>("expected");
    QTest::newRow("yes/no, GUI thread") << false << MsgButtons::YesNo << u"Ne"_s << QStringList{u"Ano"_s, u"Ne"_s}
                                        << MsgButton::No;
    QTest::newRow("yes/no, worker") << true << MsgButtons::YesNo << u"Ano"_s << QStringList{u"Ano"_s, u"Ne"_s}
                                    << MsgButton::Yes;
    QTest::newRow("ok/cancel, worker") << true << MsgButtons::OkCancel << u"Storno"_s
                                       << QStringList{u"OK"_s, u"Storno"_s} << MsgButton::Cancel;
    QTest::newRow("abort/retry/ignore") << false << MsgButtons::AbortRetryIgnore << u"Opakovat"_s
                                        << QStringList{u"Ignorovat"_s, u"Opakovat"_s, u"Přerušit"_s}
                                        << MsgButton::Retry;
    QTest::newRow("closed is cancel") << true << MsgButtons::YesNoCancel << QString()
                                      << QStringList{u"Ano"_s, u"Ne"_s, u"Storno"_s} << MsgButton::Cancel;
}

void tst_WidgetMessageService::showsCzechButtonsAndReturnsTheClicked()
{
    QFETCH(bool, fromWorker);
    QFETCH(MsgButtons, buttons);
    QFETCH(QString, click);
    QFETCH(QStringList, texts);
    QFETCH(MsgButton, expected);

    QStringList shownTexts;
    QString shownText;
    QTimer clicker;
    clicker.setInterval(10);
    connect(&clicker, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        clicker.stop();
        shownText = box->text();
        for (QAbstractButton *button : box->buttons()) {
            shownTexts.append(button->text());
            if (button->text() == click)
                button->click();
        }
        if (click.isEmpty())
            box->reject();
    });
    clicker.start();

    Orv::WidgetMessageService service;
    const Orv::MessageRequest request{u"Titulek"_s, u"Pokračovat?"_s, Orv::MsgIcon::Question, buttons};
    MsgButton answer = MsgButton::None;
    if (fromWorker) {
        std::unique_ptr<QThread> worker(QThread::create([&] { answer = service.ask(request); }));
        worker->start();
        QTRY_VERIFY_WITH_TIMEOUT(worker->isFinished(), 20'000);
    } else {
        answer = service.ask(request);
    }
    QCOMPARE(answer, expected);
    QCOMPARE(shownText, u"Pokračovat?"_s);
    shownTexts.sort();
    QCOMPARE(shownTexts, texts);
}

QTEST_MAIN(tst_WidgetMessageService)
#include "tst_WidgetMessageService.moc"
