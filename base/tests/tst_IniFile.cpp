#include "base/Errors.h"
#include "base/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#include <unistd.h>

using namespace Qt::StringLiterals;

using IniEdit = std::function<void(Orv::IniFile &)>;
Q_DECLARE_METATYPE(IniEdit)

class tst_IniFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void readsStrings_data();
    void readsStrings();
    void readsIntegers_data();
    void readsIntegers();
    void readsBools_data();
    void readsBools();
    void readsFloats_data();
    void readsFloats();
    void listsSectionsAndKeys();
    void edits_data();
    void edits();
    void writtenValuesReadBack_data();
    void writtenValuesReadBack();
    void missingFileReadsEmptyAndStaysAbsent();
    void destructorSavesChanges();
    void unchangedWriteIsNoChange();
    void failedSaveThrowsAndKeepsFile();
    void unreadableFileIsNeverOverwritten();

private:
    QString writeFile(const QByteArray &content);
    QByteArray fileContent() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

void tst_IniFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(u"test.ini"_s);
}

QString tst_IniFile::writeFile(const QByteArray &content)
{
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(m_path));
    return m_path;
}

QByteArray tst_IniFile::fileContent() const
{
    QFile file(m_path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void tst_IniFile::readsStrings_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    const QString none = u"<default>"_s;
    QTest::newRow("plain") << "[A]\nk=value\n"_ba << u"A"_s << u"k"_s << u"value"_s;
    QTest::newRow("names ignore case") << "[Sekce]\nKlíč=x\n"_ba << u"SEKCE"_s << u"klíč"_s << u"x"_s;
    QTest::newRow("first key wins") << "[A]\nk=1\nK=2\n"_ba << u"A"_s << u"k"_s << u"1"_s;
    QTest::newRow("first section wins") << "[A]\nk=1\n[a]\nk=2\n"_ba << u"a"_s << u"k"_s << u"1"_s;
    QTest::newRow("later duplicate section unseen") << "[A]\nk=1\n[a]\nj=2\n"_ba << u"A"_s << u"j"_s << none;
    QTest::newRow("text after first equals") << "[A]\nk=a=b\n"_ba << u"A"_s << u"k"_s << u"a=b"_s;
    QTest::newRow("trimmed") << "[A]\n  k \t=  v w \t\n"_ba << u"A"_s << u"k"_s << u"v w"_s;
    QTest::newRow("double quotes removed") << "[A]\nk=\"  x  \"\n"_ba << u"A"_s << u"k"_s << u"  x  "_s;
    QTest::newRow("single quotes removed") << "[A]\nk='x'\n"_ba << u"A"_s << u"k"_s << u"x"_s;
    QTest::newRow("only one pair removed") << "[A]\nk=\"\"x\"\"\n"_ba << u"A"_s << u"k"_s << u"\"x\""_s;
    QTest::newRow("mixed quotes kept") << "[A]\nk=\"x'\n"_ba << u"A"_s << u"k"_s << u"\"x'"_s;
    QTest::newRow("lone quote kept") << "[A]\nk=\"\n"_ba << u"A"_s << u"k"_s << u"\""_s;
    QTest::newRow("no list splitting") << "[A]\nk=Novák, s.r.o.\n"_ba << u"A"_s << u"k"_s << u"Novák, s.r.o."_s;
    QTest::newRow("no escapes") << "[A]\nk=C:\\new\\t\\\n"_ba << u"A"_s << u"k"_s << u"C:\\new\\t\\"_s;
    QTest::newRow("empty value is not missing") << "[A]\nk=\n"_ba << u"A"_s << u"k"_s << QString();
    QTest::newRow("key before any section") << "k=1\n[A]\n"_ba << u"A"_s << u"k"_s << none;
    QTest::newRow("comment line") << "[A]\n;k=1\nk=2\n"_ba << u"A"_s << u"k"_s << u"2"_s;
    QTest::newRow("line without equals") << "[A]\nk\nk=2\n"_ba << u"A"_s << u"k"_s << u"2"_s;
    QTest::newRow("blanks in section name") << "[ A b ]\nk=1\n"_ba << u"a B"_s << u"k"_s << u"1"_s;
    QTest::newRow("crlf") << "[A]\r\nk=v\r\n"_ba << u"A"_s << u"k"_s << u"v"_s;
    QTest::newRow("no final line break") << "[A]\nk=v"_ba << u"A"_s << u"k"_s << u"v"_s;
    QTest::newRow("utf-8 bom") << "\xEF\xBB\xBF[A]\nk=\xC5\xBE\n"_ba << u"A"_s << u"k"_s << u"ž"_s;
    QTest::newRow("cp1250 fallback") << "[A]\nk=P\xF8\xEDli\x9A \x9Elu\x9Dou\xE8k\xFD\n"_ba << u"A"_s << u"k"_s
                                     << u"Příliš žluťoučký"_s;
    QTest::newRow("cp1250 section name") << "[Firma \x8Akoda]\nk=1\n"_ba << u"firma škoda"_s << u"k"_s << u"1"_s;
    QTest::newRow("missing section") << "[A]\nk=1\n"_ba << u"B"_s << u"k"_s << none;
}

void tst_IniFile::readsStrings()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    const Orv::IniFile ini(writeFile(content));
    QCOMPARE(ini.readString(section, key, u"<default>"_s), expected);
}

void tst_IniFile::readsIntegers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("decimal") << u"123"_s << 123;
    QTest::newRow("negative") << u"-5"_s << -5;
    QTest::newRow("plus sign") << u"+7"_s << 7;
    QTest::newRow("blanks trimmed") << u"  12 "_s << 12;
    QTest::newRow("dollar hex") << u"$FF"_s << 255;
    QTest::newRow("0x hex") << u"0x1f"_s << 31;
    QTest::newRow("0X hex") << u"0X10"_s << 16;
    QTest::newRow("hex is 32 bits") << u"$FFFFFFFF"_s << -1;
    QTest::newRow("hex too long") << u"$100000000"_s << 42;
    QTest::newRow("int max") << u"2147483647"_s << 2147483647;
    QTest::newRow("int min") << u"-2147483648"_s << int(-2147483648LL);
    QTest::newRow("overflow") << u"2147483648"_s << 42;
    QTest::newRow("trailing text") << u"12abc"_s << 42;
    QTest::newRow("fraction") << u"1.5"_s << 42;
    QTest::newRow("empty") << QString() << 42;
    QTest::newRow("bare 0x") << u"0x"_s << 42;
    QTest::newRow("bare dollar") << u"$"_s << 42;
    QTest::newRow("non-ascii digit") << u"\u0663"_s << 42;
}

void tst_IniFile::readsIntegers()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    const Orv::IniFile ini(writeFile("[A]\nk=" + text.toUtf8() + "\n"));
    QCOMPARE(ini.readInteger(u"A"_s, u"k"_s, 42), expected);
}

void tst_IniFile::readsBools_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("defaultValue");
    QTest::addColumn<bool>("expected");
    QTest::newRow("1") << u"1"_s << false << true;
    QTest::newRow("0") << u"0"_s << true << false;
    QTest::newRow("any non-zero") << u"-1"_s << false << true;
    QTest::newRow("hex non-zero") << u"$10"_s << false << true;
    QTest::newRow("words are not numbers") << u"true"_s << false << false;
    QTest::newRow("empty gives default") << QString() << true << true;
}

void tst_IniFile::readsBools()
{
    QFETCH(QString, text);
    QFETCH(bool, defaultValue);
    QFETCH(bool, expected);
    const Orv::IniFile ini(writeFile("[A]\nk=" + text.toUtf8() + "\n"));
    QCOMPARE(ini.readBool(u"A"_s, u"k"_s, defaultValue), expected);
}

void tst_IniFile::readsFloats_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("dot") << u"1.5"_s << 1.5;
    QTest::newRow("comma") << u"-1,25"_s << -1.25;
    QTest::newRow("integer") << u"3"_s << 3.0;
    QTest::newRow("group separators") << u"1,234.5"_s << 9.0;
    QTest::newRow("text") << u"abc"_s << 9.0;
    QTest::newRow("empty") << QString() << 9.0;
    QTest::newRow("nan") << u"nan"_s << 9.0;
}

void tst_IniFile::readsFloats()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    const Orv::IniFile ini(writeFile("[A]\nk=" + text.toUtf8() + "\n"));
    QCOMPARE(ini.readFloat(u"A"_s, u"k"_s, 9.0), expected);
}

void tst_IniFile::listsSectionsAndKeys()
{
    const Orv::IniFile ini(writeFile("k=0\n[A]\nk=1\nK=2\n;c=3\nj=4\n[Empty]\n[a]\nz=1\n[C]\nq\n"_ba));
    QCOMPARE(ini.sections(), (QStringList{u"A"_s, u"Empty"_s, u"C"_s}));
    QCOMPARE(ini.keys(u"a"_s), (QStringList{u"k"_s, u"j"_s}));
    QVERIFY(ini.sectionExists(u"A"_s));
    // A section without keys counts as missing, as the profile API reports it.
    QVERIFY(!ini.sectionExists(u"Empty"_s));
    QVERIFY(!ini.sectionExists(u"C"_s));
    QVERIFY(ini.valueExists(u"A"_s, u"J"_s));
    QVERIFY(!ini.valueExists(u"A"_s, u"z"_s));
    QVERIFY(!ini.valueExists(u"B"_s, u"k"_s));
}

void tst_IniFile::edits_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<IniEdit>("edit");
    QTest::addColumn<QByteArray>("expected");
    const auto write = [](const QString &section, const QString &key, const QString &value) {
        return IniEdit([=](Orv::IniFile &ini) { ini.writeString(section, key, value); });
    };
    QTest::newRow("replace keeps the rest")
        << "; hlavička\n[A]\nx=1\nk=old ; no comment\ny=2\n\n[B]\nk=b\n"_ba << write(u"A"_s, u"k"_s, u"new"_s)
        << "; hlavička\n[A]\nx=1\nk=new\ny=2\n\n[B]\nk=b\n"_ba;
    QTest::newRow("keeps spelling of existing key") << "[Aa]\nKey=1\n"_ba << write(u"aA"_s, u"KEY"_s, u"2"_s)
                                                    << "[Aa]\nKey=2\n"_ba;
    QTest::newRow("first duplicate updated") << "[A]\nk=1\nk=2\n"_ba << write(u"A"_s, u"k"_s, u"3"_s)
                                             << "[A]\nk=3\nk=2\n"_ba;
    QTest::newRow("new key before trailing blank lines") << "[A]\nx=1\n\n\n[B]\ny=2\n"_ba
                                                         << write(u"A"_s, u"k"_s, u"v"_s)
                                                         << "[A]\nx=1\nk=v\n\n\n[B]\ny=2\n"_ba;
    QTest::newRow("new key in empty section") << "[A]\n[B]\n"_ba << write(u"A"_s, u"k"_s, u"v"_s)
                                              << "[A]\nk=v\n[B]\n"_ba;
    QTest::newRow("new section at end") << "[A]\nx=1"_ba << write(u"B"_s, u"k"_s, u"v"_s)
                                        << "[A]\nx=1\n[B]\nk=v\n"_ba;
    QTest::newRow("empty file") << QByteArray() << write(u"A"_s, u"k"_s, u"v"_s) << "[A]\nk=v\n"_ba;
    QTest::newRow("crlf kept") << "[A]\r\nx=1\r\n"_ba << write(u"A"_s, u"k"_s, u"v"_s) << "[A]\r\nx=1\r\nk=v\r\n"_ba;
    QTest::newRow("bom kept") << "\xEF\xBB\xBF[A]\n"_ba << write(u"A"_s, u"k"_s, u"v"_s)
                              << "\xEF\xBB\xBF[A]\nk=v\n"_ba;
    QTest::newRow("cp1250 saved as utf-8") << "[A]\nn=P\xF8\xEDli\x9A\n"_ba << write(u"A"_s, u"k"_s, u"ž"_s)
                                           << "[A]\nn=P\xC5\x99\xC3\xADli\xC5\xA1\nk=\xC5\xBE\n"_ba;
    QTest::newRow("blanks at the ends quoted") << QByteArray() << write(u"A"_s, u"k"_s, u" x "_s)
                                               << "[A]\nk=\" x \"\n"_ba;
    QTest::newRow("quoted value quoted again") << QByteArray() << write(u"A"_s, u"k"_s, u"'x'"_s)
                                               << "[A]\nk=\"'x'\"\n"_ba;
    QTest::newRow("line breaks cannot add lines") << QByteArray() << write(u"A"_s, u"k"_s, u"a\r\n[B]\nb=1"_s)
                                                  << "[A]\nk=a  [B] b=1\n"_ba;
    QTest::newRow("integer") << QByteArray() << IniEdit([](Orv::IniFile &ini) { ini.writeInteger(u"A"_s, u"k"_s, -12); })
                             << "[A]\nk=-12\n"_ba;
    QTest::newRow("bools as 1 and 0") << QByteArray() << IniEdit([](Orv::IniFile &ini) {
        ini.writeBool(u"A"_s, u"t"_s, true);
        ini.writeBool(u"A"_s, u"f"_s, false);
    }) << "[A]\nt=1\nf=0\n"_ba;
    QTest::newRow("erase every copy of a section")
        << "[A]\nx=1\n; o A\n[B]\ny=1\n[a]\nz=1\n"_ba
        << IniEdit([](Orv::IniFile &ini) { ini.eraseSection(u"A"_s); }) << "[B]\ny=1\n"_ba;
    QTest::newRow("delete every copy of a key") << "[A]\nk=1\nx=2\nK=3\n[B]\nk=4\n"_ba
                                                << IniEdit([](Orv::IniFile &ini) { ini.deleteKey(u"a"_s, u"k"_s); })
                                                << "[A]\nx=2\n[B]\nk=4\n"_ba;
}

void tst_IniFile::edits()
{
    QFETCH(QByteArray, content);
    QFETCH(IniEdit, edit);
    QFETCH(QByteArray, expected);
    Orv::IniFile ini(writeFile(content));
    edit(ini);
    QVERIFY(ini.isModified());
    ini.save();
    QVERIFY(!ini.isModified());
    QCOMPARE(fileContent(), expected);
}

void tst_IniFile::writtenValuesReadBack_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("comma and blank") << u"Novák, s.r.o."_s;
    QTest::newRow("leading blank") << u"  odsazeno"_s;
    QTest::newRow("trailing tab") << u"konec\t"_s;
    QTest::newRow("double quoted") << u"\"citát\""_s;
    QTest::newRow("single quoted") << u"'x'"_s;
    QTest::newRow("equals") << u"a=b"_s;
    QTest::newRow("backslash at end") << u"C:\\Data\\"_s;
    QTest::newRow("empty") << QString();
    QTest::newRow("czech") << u"Příliš žluťoučký kůň"_s;
}

void tst_IniFile::writtenValuesReadBack()
{
    QFETCH(QString, value);
    {
        Orv::IniFile ini(m_path);
        ini.writeString(u"Sekce"_s, u"Klíč"_s, value);
    }
    const Orv::IniFile ini(m_path);
    QCOMPARE(ini.readString(u"sekce"_s, u"klíč"_s, u"<default>"_s), value);
}

void tst_IniFile::missingFileReadsEmptyAndStaysAbsent()
{
    {
        const Orv::IniFile ini(m_path);
        QVERIFY(ini.sections().isEmpty());
        QCOMPARE(ini.readInteger(u"A"_s, u"k"_s, 7), 7);
        QVERIFY(!ini.isModified());
    }
    QVERIFY(!QFile::exists(m_path));
}

void tst_IniFile::destructorSavesChanges()
{
    {
        Orv::IniFile ini(writeFile("[A]\nk=1\n"_ba));
        ini.writeInteger(u"A"_s, u"k"_s, 2);
    }
    QCOMPARE(fileContent(), "[A]\nk=2\n"_ba);
}

void tst_IniFile::unchangedWriteIsNoChange()
{
    Orv::IniFile ini(writeFile("[A]\nk=1\n"_ba));
    ini.writeInteger(u"a"_s, u"K"_s, 1);
    ini.eraseSection(u"B"_s);
    ini.deleteKey(u"A"_s, u"x"_s);
    QVERIFY(!ini.isModified());
}

void tst_IniFile::failedSaveThrowsAndKeepsFile()
{
    const QString path = m_dir->filePath(u"missing/dir/test.ini"_s);
    Orv::IniFile ini(path);
    ini.writeString(u"A"_s, u"k"_s, u"v"_s);
    QVERIFY_THROWS_EXCEPTION(EOrvIoError, ini.save());
    QVERIFY(ini.isModified());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"Changes to .* lost"_s));
}

void tst_IniFile::unreadableFileIsNeverOverwritten()
{
    if (::geteuid() == 0)
        QSKIP("root reads files regardless of their permissions");
    writeFile("[A]\nk=1\n"_ba);
    QVERIFY(QFile::setPermissions(m_path, QFileDevice::WriteOwner));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"Cannot read"_s));
    {
        Orv::IniFile ini(m_path);
        ini.writeString(u"B"_s, u"k"_s, u"v"_s);
        QVERIFY_THROWS_EXCEPTION(EOrvIoError, ini.save());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"Changes to .* lost"_s));
    }
    QVERIFY(QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QCOMPARE(fileContent(), "[A]\nk=1\n"_ba);
}

QTEST_GUILESS_MAIN(tst_IniFile)
#include "tst_IniFile.moc"
