#include "base/Errors.h"
#include "base/Paths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_Paths : public QObject
{
    Q_OBJECT

private slots:
    void programDirectoryFollowsXdgConfigHome();
    void safeFileName_data();
    void safeFileName();
    void safeFileNameFitsTheFileSystem();
    void freeFileName_data();
    void freeFileName();
    void freeFileNameReusesSameContentAndSkipsLinks();
    void writesAtomically();
    void failedWriteThrowsWithCzechText();
};

void tst_Paths::programDirectoryFollowsXdgConfigHome()
{
    QTemporaryDir config;
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QCOMPARE(Orv::programDirectory(), config.filePath(u"orvanta"_s));
    QVERIFY(QFileInfo(config.filePath(u"orvanta"_s)).isDir());
    QCOMPARE(Orv::programFile(u"ContactInfo.ini"_s), config.filePath(u"orvanta/ContactInfo.ini"_s));

    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toUtf8());
    qunsetenv("XDG_CONFIG_HOME");
    const QString expected = home.filePath(u".config/orvanta"_s);
    const QString actual = Orv::programDirectory();
    qputenv("HOME", oldHome);
    QCOMPARE(actual, expected);
    QVERIFY(QFileInfo(expected).isDir());
}

void tst_Paths::safeFileName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << u"faktura.pdf"_s << u"faktura.pdf"_s;
    QTest::newRow("czech") << u"Příloha č. 1.pdf"_s << u"Příloha č. 1.pdf"_s;
    QTest::newRow("unix parents") << u"../../etc/passwd"_s << u"passwd"_s;
    QTest::newRow("windows parents") << u"..\\..\\win.ini"_s << u"win.ini"_s;
    QTest::newRow("windows path") << u"C:\\Users\\x\\dopis.doc"_s << u"dopis.doc"_s;
    QTest::newRow("dot dot") << u".."_s << u"priloha"_s;
    QTest::newRow("dot") << u"."_s << u"priloha"_s;
    QTest::newRow("empty") << QString() << u"priloha"_s;
    QTest::newRow("blanks") << u"   "_s << u"priloha"_s;
    QTest::newRow("directory only") << u"dir/"_s << u"priloha"_s;
    QTest::newRow("forbidden characters") << u"a<b>c:d\"e|f?g*h.txt"_s << u"abcdefgh.txt"_s;
    QTest::newRow("control characters") << u"ta\tb\n\u007F.txt"_s << u"tab.txt"_s;
    QTest::newRow("trailing dots and blanks") << u"  jméno. . "_s << u"jméno"_s;
    QTest::newRow("dots left after stripping") << u"<.>."_s << u"priloha"_s;
    QTest::newRow("leading dots kept") << u"..skryty"_s << u"..skryty"_s;
}

void tst_Paths::safeFileName()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(Orv::safeFileName(name), expected);
    QCOMPARE(Orv::safeFileName(name, u"jiny"_s), expected == u"priloha"_s ? u"jiny"_s : expected);
}

void tst_Paths::safeFileNameFitsTheFileSystem()
{
    const QString name = Orv::safeFileName(QString(200, u'ž') + u".pdf"_s);
    QVERIFY(name.toUtf8().size() <= 255);
    QVERIFY(name.startsWith(u"žžž"_s));
    QVERIFY(name.endsWith(u".pdf"_s));
}

void tst_Paths::freeFileName_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("free") << QStringList() << u"faktura.pdf"_s << u"faktura.pdf"_s;
    QTest::newRow("taken") << QStringList{u"faktura.pdf"_s} << u"faktura.pdf"_s << u"faktura (2).pdf"_s;
    QTest::newRow("two taken") << QStringList{u"faktura.pdf"_s, u"faktura (2).pdf"_s} << u"faktura.pdf"_s
                               << u"faktura (3).pdf"_s;
    QTest::newRow("last dot") << QStringList{u"a.tar.gz"_s} << u"a.tar.gz"_s << u"a.tar (2).gz"_s;
    QTest::newRow("no extension") << QStringList{u"README"_s} << u"README"_s << u"README (2)"_s;
    QTest::newRow("leading dot") << QStringList{u".profile"_s} << u".profile"_s << u".profile (2)"_s;
    QTest::newRow("percent signs") << QStringList{u"%1%2.txt"_s} << u"%1%2.txt"_s << u"%1%2 (2).txt"_s;
}

void tst_Paths::freeFileName()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    for (const QString &file : std::as_const(existing))
        Orv::writeFileAtomically(dir.filePath(file), "x");
    QCOMPARE(Orv::freeFileName(dir.path(), name), expected);
}

void tst_Paths::freeFileNameReusesSameContentAndSkipsLinks()
{
    QTemporaryDir dir;
    Orv::writeFileAtomically(dir.filePath(u"faktura.pdf"_s), "jina");
    Orv::writeFileAtomically(dir.filePath(u"faktura (2).pdf"_s), "stejna");
    QVERIFY(QFile::link(dir.filePath(u"nikam"_s), dir.filePath(u"faktura (3).pdf"_s))); // dangling
    const auto sameContent = [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) && file.readAll() == "stejna";
    };
    QCOMPARE(Orv::freeFileName(dir.path(), u"faktura.pdf"_s, sameContent), u"faktura (2).pdf"_s);
    QCOMPARE(Orv::freeFileName(dir.path(), u"faktura.pdf"_s), u"faktura (4).pdf"_s);
}

void tst_Paths::writesAtomically()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"data.bin"_s);
    Orv::writeFileAtomically(path, "first");
    Orv::writeFileAtomically(path, "second");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), "second"_ba);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"data.bin"_s});
}

void tst_Paths::failedWriteThrowsWithCzechText()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"chybí/data.bin"_s);
    try {
        Orv::writeFileAtomically(path, "x");
        QFAIL("no exception");
    } catch (const EOrvIoError &error) {
        QCOMPARE(error.userText(), u"Soubor \"%1\" nelze zapsat."_s.arg(path));
        QVERIFY(error.detail().startsWith(path + u": "_s));
        QVERIFY(error.detail().size() > path.size() + 2);
    }
    QVERIFY(!QFile::exists(path));
}

QTEST_GUILESS_MAIN(tst_Paths)
#include "tst_Paths.moc"
