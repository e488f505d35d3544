#include "platform/ipc/SingleInstance.h"
#include "platform/ipc/WindowMessages.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <future>

using namespace Ipc;

class tst_WindowMessages : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void parsesLines_data();
    void parsesLines();
    void sendWaitsForTheHandler();
    void postDelivers();
    void nothingIsSentWithoutAListener();
    void secondListenerIsRefused();
    void secondInstanceIsRefused();

private:
    std::unique_ptr<QTemporaryDir> m_config;
};

void tst_WindowMessages::init()
{
    m_config = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", m_config->path().toLocal8Bit());
}

void tst_WindowMessages::parsesLines_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<WindowMessage>("expected");
    QTest::newRow("refresh") << QByteArray("2124 0 0\n") << true << WindowMessage{2124, 0, 0};
    QTest::newRow("open firm") << QByteArray("2046 7 123456") << true << WindowMessage{2046, 7, 123456};
    QTest::newRow("negative key") << QByteArray("2047 -1 -2\n") << true << WindowMessage{2047, -1, -2};
    QTest::newRow("two fields") << QByteArray("2124 0\n") << false << WindowMessage{};
    QTest::newRow("text") << QByteArray("refresh 0 0\n") << false << WindowMessage{};
    QTest::newRow("empty") << QByteArray() << false << WindowMessage{};
}

void tst_WindowMessages::parsesLines()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, valid);
    QFETCH(WindowMessage, expected);
    WindowMessage parsed;
    QCOMPARE(WindowMessage::fromLine(line, &parsed), valid);
    if (valid) {
        QCOMPARE(parsed, expected);
        QCOMPARE(WindowMessage::fromLine(parsed.toLine(), &parsed), true);
        QCOMPARE(parsed, expected);
    }
}

void tst_WindowMessages::sendWaitsForTheHandler()
{
    MessageWindow window;
    QVERIFY2(window.listen(u"TFM_ContactMain"_qs), qPrintable(window.errorString()));
    QSignalSpy received(&window, &MessageWindow::messageReceived);

    // The sender blocks until the reply, so it runs on another thread while this one serves.
    auto sent = std::async(std::launch::async, [] {
        return sendMessage(u"TFM_ContactMain"_qs, WindowMessage{2046, 7, 42});
    });
    QTRY_COMPARE(received.count(), 1);
    QCOMPARE(received.at(0).at(0).value<WindowMessage>(), (WindowMessage{2046, 7, 42}));
    while (sent.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
        QCoreApplication::processEvents();
    QVERIFY(sent.get());
}

void tst_WindowMessages::postDelivers()
{
    MessageWindow window;
    QVERIFY(window.listen(u"TFM_MailImportMain"_qs));
    QSignalSpy received(&window, &MessageWindow::messageReceived);
    QVERIFY(postMessage(u"TFM_MailImportMain"_qs, WindowMessage{1367, 0, 0}));
    QTRY_COMPARE(received.count(), 1);
    QCOMPARE(received.at(0).at(0).value<WindowMessage>().msg, 1367u);
}

void tst_WindowMessages::nothingIsSentWithoutAListener()
{
    QVERIFY(!findWindow(u"TFM_ContactMain"_qs));
    QVERIFY(!sendMessage(u"TFM_ContactMain"_qs, WindowMessage{2124, 0, 0}, 300));
    QVERIFY(!postMessage(u"TFM_ContactMain"_qs, WindowMessage{2124, 0, 0}));
}

void tst_WindowMessages::secondListenerIsRefused()
{
    MessageWindow first;
    QVERIFY(first.listen(u"TFM_ContactMain"_qs));
    MessageWindow second;
    QVERIFY(!second.listen(u"TFM_ContactMain"_qs));
    QVERIFY(!second.errorString().isEmpty());
    QVERIFY(findWindow(u"TFM_ContactMain"_qs)); // the first one still answers
}

void tst_WindowMessages::secondInstanceIsRefused()
{
    SingleInstance first(u"OrvantaMailImport"_qs);
    QVERIFY(first.tryAcquire());
    {
        SingleInstance second(u"OrvantaMailImport"_qs);
        QVERIFY(!second.tryAcquire());
    }
    QVERIFY(first.tryAcquire()); // still owned
}

QTEST_GUILESS_MAIN(tst_WindowMessages)
#include "tst_WindowMessages.moc"
