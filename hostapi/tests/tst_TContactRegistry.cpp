#include "hostapi/TContactRegistry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Host::TContactRegistry;

class tst_TContactRegistry : public QObject
{
    Q_OBJECT

private slots:
    void lookupTellsKeyFromValue_data();
    void lookupTellsKeyFromValue();
    void openKeyCreatesOnlyWhenAsked();
    void writesSurviveReopening();
    void relativeKeysFollowTheOpenKey();

private:
    QString writeRegistry(const QByteArray &text)
    {
        const QString fileName = m_dir.filePath(u"registry.ini"_s);
        QFile file(fileName);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(text);
        return fileName;
    }

    QTemporaryDir m_dir;
};

void tst_TContactRegistry::lookupTellsKeyFromValue_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<TContactRegistry::Lookup>("expected");
    const QString software = u"HKEY_CURRENT_USER\\Software\\Velmora"_s;
    QTest::newRow("value present") << software + u"\\Contact\\Fax"_s << u"Prefix"_s << TContactRegistry::Lookup::Found;
    QTest::newRow("empty value is present") << software + u"\\Contact\\Fax"_s << u"Empty"_s << TContactRegistry::Lookup::Found;
    QTest::newRow("value missing") << software + u"\\Contact\\Fax"_s << u"Suffix"_s << TContactRegistry::Lookup::ValueMissing;
    QTest::newRow("key differs in case") << software.toLower() + u"\\contact\\FAX"_s << u"prefix"_s << TContactRegistry::Lookup::Found;
    QTest::newRow("parent of a key exists") << software + u"\\Contact"_s << u"Prefix"_s << TContactRegistry::Lookup::ValueMissing;
    QTest::newRow("key missing") << software + u"\\Contact\\Mail"_s << u"Prefix"_s << TContactRegistry::Lookup::KeyMissing;
    QTest::newRow("prefix of a name is no parent") << software + u"\\Contact\\Fa"_s << u"Prefix"_s << TContactRegistry::Lookup::KeyMissing;
    QTest::newRow("empty key kept") << software + u"\\Empty"_s << u"Prefix"_s << TContactRegistry::Lookup::ValueMissing;
}

void tst_TContactRegistry::lookupTellsKeyFromValue()
{
    QFETCH(QString, key);
    QFETCH(QString, name);
    QFETCH(TContactRegistry::Lookup, expected);
    TContactRegistry registry(writeRegistry("[HKEY_CURRENT_USER\\Software\\Velmora\\Contact\\Fax]\r\n"
                                            "Prefix=0\r\nEmpty=\r\n"
                                            "[HKEY_CURRENT_USER\\Software\\Velmora\\Empty]\r\n"));
    QCOMPARE(registry.lookup(key, name), expected);
}

void tst_TContactRegistry::openKeyCreatesOnlyWhenAsked()
{
    const QString fileName = writeRegistry("[HKEY_CURRENT_USER\\Software\\Velmora\\Contact]\r\nA=1\r\n");
    const QString key = u"HKEY_CURRENT_USER\\Software\\Velmora\\Contact\\New"_s;
    {
        TContactRegistry registry(fileName);
        QVERIFY(registry.openKey(u"HKEY_CURRENT_USER\\Software\\Velmora\\Contact"_s, false));
        QVERIFY(!registry.openKey(key, false));
        QCOMPARE(registry.currentKey(), u"HKEY_CURRENT_USER\\Software\\Velmora\\Contact"_s);
        QVERIFY(registry.openKey(key, true));
        QVERIFY(!registry.valueExists(u"A"_s));
        registry.CloseKey();
    }
    // A created key without values is still there for the next reader.
    TContactRegistry reread(fileName);
    QCOMPARE(reread.lookup(key, u"A"_s), TContactRegistry::Lookup::ValueMissing);
}

void tst_TContactRegistry::writesSurviveReopening()
{
    const QString fileName = writeRegistry({});
    {
        TContactRegistry registry(fileName);
        QVERIFY(registry.openKey(QLatin1String(Host::RegistryContact) + u"\\Plugins\\GroupFax"_s, true));
        registry.writeString(u"Folder"_s, u"Doručené/Příští týden"_s);
        registry.writeInteger(u"Count"_s, -12);
        registry.CloseKey();
    }
    TContactRegistry registry(fileName);
    QVERIFY(registry.openKey(QLatin1String(Host::RegistryContact) + u"\\Plugins\\GroupFax"_s, false));
    QCOMPARE(registry.readString(u"Folder"_s), u"Doručené/Příští týden"_s);
    QCOMPARE(registry.readInteger(u"Count"_s), -12);
    QCOMPARE(registry.readInteger(u"Missing"_s, 5), 5);
}

void tst_TContactRegistry::relativeKeysFollowTheOpenKey()
{
    TContactRegistry registry(writeRegistry("[HKEY_CURRENT_USER\\Software\\Velmora\\Contact\\Fax]\r\nPrefix=0\r\n"));
    QVERIFY(registry.openKey(u"HKEY_CURRENT_USER\\Software\\Velmora"_s, false));
    QVERIFY(registry.openKey(u"Contact\\Fax\\"_s, false));
    QCOMPARE(registry.currentKey(), u"HKEY_CURRENT_USER\\Software\\Velmora\\Contact\\Fax"_s);
    QVERIFY(registry.valueExists(u"Prefix"_s));
}

QTEST_GUILESS_MAIN(tst_TContactRegistry)
#include "tst_TContactRegistry.moc"
