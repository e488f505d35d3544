#include "PageDirectory.h"

#include "infobrowser/DataInfoSettings.h"
#include "infobrowser/DataInfoTree.h"
#include "infobrowser/HtmlPage.h"
#include "infobrowser/UpdateRules.h"

#include "base/Errors.h"
#include "base/Paths.h"

#include <QFile>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;

using Files = QMap<QString, QByteArray>;

class tst_DataInfoTree : public QObject
{
    Q_OBJECT

private slots:
    void buildsTree_data();
    void buildsTree();
    void itemsDialogListsEveryFolder();
    void hidingAFolderRoundTrips();
    void hidingInAReadOnlyFolderFails();
    void decodesPages_data();
    void decodesPages();
    void settingsRoundTrip();
    void settingsDefaults();
    void fileNameFromUrl_data();
    void fileNameFromUrl();
    void itemDirectory_data();
    void itemDirectory();
    void timeStamps_data();
    void timeStamps();
};

void tst_DataInfoTree::buildsTree_data()
{
    QTest::addColumn<Files>("files");
    QTest::addColumn<QStringList>("outline");

    const QByteArray page = "<html><head><title>T</title></head></html>";
    QTest::newRow("folders by name ignoring case, then stably by Order")
        << Files{{u"beta/p.htm"_s, page}, {u"Alfa/p.htm"_s, page}, {u"gama/p.htm"_s, page},
                 {u"delta/p.htm"_s, page}, {u"gama/orvantaplus.ini"_s, "[OrvantaPlus]\nOrder=-5\n"},
                 {u"beta/orvantaplus.ini"_s, "[OrvantaPlus]\nOrder=2\n"}}
        << QStringList{u"gama\tgama/"_s,   u"  T\tgama/p.htm"_s,  u"Alfa\tAlfa/"_s, u"  T\tAlfa/p.htm"_s,
                       u"delta\tdelta/"_s, u"  T\tdelta/p.htm"_s, u"beta\tbeta/"_s, u"  T\tbeta/p.htm"_s};
    QTest::newRow("DirName is the caption, folders before pages of equal order")
        << Files{{u"a/orvantaplus.ini"_s, "[OrvantaPlus]\nDirName=Návody\n"}, {u"a/z.htm"_s, page},
                 {u"a/sub/x.htm"_s, page}, {u"a/sub2/orvantaplus.ini"_s, "[OrvantaPlus]\nOrder=1\n"},
                 {u"a/sub2/y.htm"_s, page}}
        << QStringList{u"Návody\ta/"_s, u"  sub\ta/sub/"_s, u"    T\ta/sub/x.htm"_s, u"  T\ta/z.htm"_s,
                       u"  sub2\ta/sub2/"_s, u"    T\ta/sub2/y.htm"_s};
    QTest::newRow("hidden folder, hidden page, upper-case ini name")
        << Files{{u"a/p.htm"_s, page}, {u"a/q.htm"_s, page}, {u"a/ORVANTAPLUS.INI"_s, "[HideFile]\nQ.HTM=1\n"},
                 {u"b/p.htm"_s, page}, {u"b/orvantaplus.ini"_s, "[OrvantaPlus]\nHide=1\n"}}
        << QStringList{u"a\ta/"_s, u"  T\ta/p.htm"_s};
    QTest::newRow("empty folders and root pages are not shown, other files ignored")
        << Files{{u"root.htm"_s, page}, {u"empty/sub/readme.txt"_s, "x"}, {u"a/p.HTML"_s, page},
                 {u"a/pic.gif"_s, "GIF"}}
        << QStringList{u"a\ta/"_s, u"  T\ta/p.HTML"_s};
    QTest::newRow("titles: upper case, two lines, none, empty, entities")
        << Files{{u"a/1.htm"_s, "<HTML><HEAD><TITLE>Velká</TITLE></HEAD>"},
                 {u"a/2.htm"_s, "<html>\r\n<title>První řádek\r\ndruhý</title>\r\n"},
                 {u"a/3.htm"_s, "<p>bez titulku</p>"},
                 {u"a/4.htm"_s, "<title></title>"},
                 {u"a/5.htm"_s, "<head><title>A &amp; B</title>"}}
        << QStringList{u"a\ta/"_s, u"  Velká\ta/1.htm"_s, u"  První řádek\ta/2.htm"_s, u"  3.htm\ta/3.htm"_s,
                       u"  4.htm\ta/4.htm"_s, u"  A & B\ta/5.htm"_s};
}

void tst_DataInfoTree::buildsTree()
{
    QFETCH(Files, files);
    QFETCH(QStringList, outline);
    PageDirectory pages;
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        pages.file(it.key(), it.value());
    InfoBrowser::DataInfoTree tree;
    tree.build(pages.path());
    QCOMPARE(tree.outline(), outline);
}

void tst_DataInfoTree::itemsDialogListsEveryFolder()
{
    PageDirectory pages;
    pages.file(u"shown/p.htm"_s, "<title>P</title>")
        .dir(u"empty"_s)
        .file(u"hidden/p.htm"_s, "x")
        .file(u"hidden/orvantaplus.ini"_s, "[OrvantaPlus]\nHide=1\nDirName=Skrytá\n");
    InfoBrowser::DataInfoTree tree;
    tree.build(pages.path());
    QStringList captions;
    for (const InfoBrowser::TDataInfoNode *folder : tree.folders())
        captions << folder->caption + (folder->hidden ? u" (hidden)"_s : QString());
    captions.sort();
    QCOMPARE(captions, (QStringList{u"Skrytá (hidden)"_s, u"empty"_s, u"shown"_s}));
    QCOMPARE(tree.topLevel().size(), 1);
}

void tst_DataInfoTree::hidingAFolderRoundTrips()
{
    PageDirectory pages;
    pages.file(u"a/p.htm"_s, "x").file(u"a/orvantaplus.ini"_s, "[OrvantaPlus]\nDirName=Alfa\n").file(u"b/p.htm"_s, "x");
    InfoBrowser::DataInfoTree tree;

    InfoBrowser::writeFolderHidden(pages.filePath(u"a/"_s), true);
    InfoBrowser::writeFolderHidden(pages.filePath(u"b/"_s), true);
    tree.build(pages.path());
    QVERIFY(tree.topLevel().isEmpty());
    QVERIFY(pages.read(u"b/orvantaplus.ini"_s).contains("Hide=1"));

    InfoBrowser::writeFolderHidden(pages.filePath(u"a/"_s), false);
    tree.build(pages.path());
    QCOMPARE(tree.outline(), (QStringList{u"Alfa\ta/"_s, u"  p.htm\ta/p.htm"_s}));
    const QByteArray ini = pages.read(u"a/orvantaplus.ini"_s);
    QVERIFY2(!ini.contains("Hide") && ini.contains("DirName=Alfa"), ini.constData());
}

void tst_DataInfoTree::hidingInAReadOnlyFolderFails()
{
    if (::geteuid() == 0)
        QSKIP("root writes into read-only folders");
    PageDirectory pages;
    pages.file(u"a/p.htm"_s, "x");
    QFile::setPermissions(pages.filePath(u"a"_s), QFile::ReadOwner | QFile::ExeOwner);
    QVERIFY_THROWS_EXCEPTION(EOrvError, InfoBrowser::writeFolderHidden(pages.filePath(u"a/"_s), true));
    QFile::setPermissions(pages.filePath(u"a"_s), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void tst_DataInfoTree::decodesPages_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("title");
    QTest::newRow("utf-8 without declaration") << "<title>Žluťoučký kůň</title>"_ba << u"Žluťoučký kůň"_s;
    QTest::newRow("cp1250 without declaration")
        << "<title>\x8E\x6Cu\x9Dou\xE8k\xFD k\xF9\xF2</title>"_ba << u"Žluťoučký kůň"_s;
    QTest::newRow("declared windows-1250")
        << "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1250\"><title>\xE8</title>"_ba
        << u"č"_s;
    QTest::newRow("declared utf-8") << "<meta charset=\"utf-8\"><title>č</title>"_ba << u"č"_s;
}

void tst_DataInfoTree::decodesPages()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, title);
    QCOMPARE(InfoBrowser::titleFromText(InfoBrowser::decodeHtml(data)), title);
}

void tst_DataInfoTree::settingsRoundTrip()
{
    const QString file = Orv::programFile(u"roundtrip.ini"_s);
    InfoBrowser::DataInfoSettings settings;
    settings.treeWidth = 222;
    settings.online = true;
    settings.directory = u"/srv/plus/"_s;
    settings.urlOnline = u"http://127.0.0.1/online.htm"_s;
    settings.urlUpdate = u"http://127.0.0.1/list.ini"_s;
    settings.dblClickOpen = true;
    settings.treeColor = clSkyBlue;
    settings.left = 10;
    settings.top = 20;
    settings.width = 700;
    settings.height = 500;
    settings.save(file);
    QCOMPARE(InfoBrowser::DataInfoSettings::load(file), settings);

    // A maximised window keeps the placement it had before.
    settings.maximize = true;
    InfoBrowser::DataInfoSettings changed = settings;
    changed.left = 0;
    changed.save(file);
    const InfoBrowser::DataInfoSettings loaded = InfoBrowser::DataInfoSettings::load(file);
    QVERIFY(loaded.maximize);
    QCOMPARE(loaded.left, 10);
}

void tst_DataInfoTree::settingsDefaults()
{
    const QString file = Orv::programFile(u"defaults.ini"_s);
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write("[OrvantaPlus]\nDirectory=\nUrlOnline=\nOnline=-1\nDblClickOpen=abc\n");
    out.close();
    const InfoBrowser::DataInfoSettings settings = InfoBrowser::DataInfoSettings::load(file);
    QCOMPARE(settings.directory, Orv::programDirectory() + u"/Plus/"_s);
    QCOMPARE(settings.urlOnline, InfoBrowser::DataInfoSettings::defaultUrlOnline());
    QCOMPARE(settings.urlUpdate, InfoBrowser::DataInfoSettings::defaultUrlUpdate());
    QVERIFY(!settings.online);
    QVERIFY(!settings.dblClickOpen);
    QCOMPARE(settings.treeWidth, 150);
    QCOMPARE(settings.treeColor, clWindow);
    QCOMPARE(settings.left, -1);
    QCOMPARE(settings.width, 640);
}

void tst_DataInfoTree::fileNameFromUrl_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << u"http://h/plus/a/page.htm"_s << u"page.htm"_s;
    QTest::newRow("query") << u"http://h/get.php?file=x.htm"_s << u"get.php"_s;
    QTest::newRow("fragment") << u"http://h/a/b.htm#top"_s << u"b.htm"_s;
    QTest::newRow("query then fragment") << u"http://h/b.htm?x=1#y"_s << u"b.htm"_s;
    QTest::newRow("backslash") << u"http://h/a\\c.htm"_s << u"c.htm"_s;
    QTest::newRow("slash in the query wins") << u"http://h/b.htm?p=a/c.htm"_s << u"c.htm"_s;
    QTest::newRow("directory only") << u"http://h/plus/"_s << QString();
}

void tst_DataInfoTree::fileNameFromUrl()
{
    QFETCH(QString, url);
    QFETCH(QString, name);
    QCOMPARE(InfoBrowser::fileNameFromUrl(url), name);
}

void tst_DataInfoTree::itemDirectory_data()
{
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QString>("relative"); // "!" = rejected
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("nested") << u"Novinky/2004"_s << u"Novinky/2004"_s;
    QTest::newRow("windows separators") << u"Novinky\\2004\\"_s << u"Novinky/2004"_s;
    QTest::newRow("dot parts") << u"./a//b"_s << u"a/b"_s;
    QTest::newRow("parent") << u"../outside"_s << u"!"_s;
    QTest::newRow("parent inside") << u"a/../../x"_s << u"!"_s;
    QTest::newRow("windows parent") << u"a\\..\\..\\x"_s << u"!"_s;
    QTest::newRow("absolute") << u"/etc"_s << u"!"_s;
    QTest::newRow("windows absolute") << u"\\Windows"_s << u"!"_s;
    QTest::newRow("drive") << u"C:\\Temp"_s << u"!"_s;
    QTest::newRow("control character") << u"a\nb"_s << u"!"_s;
}

void tst_DataInfoTree::itemDirectory()
{
    QFETCH(QString, dir);
    QFETCH(QString, relative);
    const std::optional<QString> result = InfoBrowser::relativeItemDirectory(dir);
    QCOMPARE(result.value_or(u"!"_s), relative);
}

void tst_DataInfoTree::timeStamps_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qlonglong>("stamp"); // -1 = unknown
    QTest::newRow("missing") << QString() << -1LL;
    QTest::newRow("unknown") << u"-1"_s << -1LL;
    QTest::newRow("garbage") << u"abc"_s << -1LL;
    QTest::newRow("2004") << u"817889280"_s << 817889280LL;
    QTest::newRow("2044 unsigned") << u"2149646336"_s << 2149646336LL;
    QTest::newRow("2044 written signed") << u"-2145320960"_s << 2149646336LL;
    QTest::newRow("hex") << u"$30C00000"_s << 0x30C00000LL;
}

void tst_DataInfoTree::timeStamps()
{
    QFETCH(QString, text);
    QFETCH(qlonglong, stamp);
    const std::optional<std::uint32_t> parsed = InfoBrowser::parseTimeStamp(text);
    QCOMPARE(parsed ? qlonglong(*parsed) : -1LL, stamp);
    if (stamp == 2149646336LL) {
        // A file from 2045 is newer than a 2044 stamp, one from 2043 older.
        const auto at = [](int year) { return InfoBrowser::dosDateTime(QDateTime(QDate(year, 1, 1), QTime(0, 0))); };
        QVERIFY(at(2045) >= *parsed);
        QVERIFY(at(2043) < *parsed);
        QCOMPARE(at(2044), *parsed);
    }
}

QTEST_GUILESS_MAIN(tst_DataInfoTree)
#include "tst_DataInfoTree.moc"
