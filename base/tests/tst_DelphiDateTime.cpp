#include "base/Clock.h"
#include "base/DelphiDateTime.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

class tst_DelphiDateTime : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void converts_data();
    void converts();
    void roundsToTheMillisecond_data();
    void roundsToTheMillisecond();
    void truncAndEndOfDay_data();
    void truncAndEndOfDay();
    void nowComesFromTheClock();
    void formats_data();
    void formats();
    void formatsDelphiValues_data();
    void formatsDelphiValues();
};

void tst_DelphiDateTime::initTestCase()
{
    // Output must not depend on the process locale.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void tst_DelphiDateTime::converts_data()
{
    QTest::addColumn<QDateTime>("dateTime");
    QTest::addColumn<double>("value");
    QTest::newRow("epoch") << QDateTime(QDate(1899, 12, 30), QTime(0, 0)) << 0.0;
    QTest::newRow("quarter past epoch") << QDateTime(QDate(1899, 12, 30), QTime(6, 0)) << 0.25;
    QTest::newRow("day one") << QDateTime(QDate(1899, 12, 31), QTime(0, 0)) << 1.0;
    QTest::newRow("before epoch, morning") << QDateTime(QDate(1899, 12, 29), QTime(6, 0)) << -1.25;
    QTest::newRow("before epoch, evening") << QDateTime(QDate(1899, 12, 28), QTime(18, 0)) << -2.75;
    QTest::newRow("unix epoch") << QDateTime(QDate(1970, 1, 1), QTime(0, 0)) << 25569.0;
    QTest::newRow("leap day noon") << QDateTime(QDate(2024, 2, 29), QTime(12, 0)) << 45351.5;
    QTest::newRow("one millisecond") << QDateTime(QDate(2000, 1, 1), QTime(0, 0, 0, 1)) << 36526.0 + 1.0 / 86400000;
}

void tst_DelphiDateTime::converts()
{
    QFETCH(QDateTime, dateTime);
    QFETCH(double, value);
    QCOMPARE(Orv::toDelphi(dateTime), value);
    QCOMPARE(Orv::fromDelphi(value), dateTime);
}

void tst_DelphiDateTime::roundsToTheMillisecond_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QDateTime>("dateTime");
    QTest::newRow("below half a millisecond") << 1.0 + 0.4 / 86400000 << QDateTime(QDate(1899, 12, 31), QTime(0, 0));
    QTest::newRow("rounds up to next day") << 0.99999999999 << QDateTime(QDate(1899, 12, 31), QTime(0, 0));
    QTest::newRow("negative rounds up to next day") << -1.99999999999
                                                    << QDateTime(QDate(1899, 12, 30), QTime(0, 0));
    QTest::newRow("time skipped by DST moves forward") << 45382.0 + 2.5 / 24
                                                      << QDateTime(QDate(2024, 3, 31), QTime(3, 30));
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << QDateTime();
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << QDateTime();
    QTest::newRow("after 9999") << 3e6 << QDateTime();
}

void tst_DelphiDateTime::roundsToTheMillisecond()
{
    QFETCH(double, value);
    QFETCH(QDateTime, dateTime);
    QCOMPARE(Orv::fromDelphi(value), dateTime);
}

void tst_DelphiDateTime::truncAndEndOfDay_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("day");
    QTest::addColumn<QDateTime>("endOfDay");
    QTest::newRow("positive") << 45351.5 << 45351.0 << QDateTime(QDate(2024, 2, 29), QTime(23, 59, 59, 999));
    QTest::newRow("negative") << -1.25 << -1.0 << QDateTime(QDate(1899, 12, 29), QTime(23, 59, 59, 999));
    QTest::newRow("epoch day") << 0.75 << 0.0 << QDateTime(QDate(1899, 12, 30), QTime(23, 59, 59, 999));
}

void tst_DelphiDateTime::truncAndEndOfDay()
{
    QFETCH(double, value);
    QFETCH(double, day);
    QFETCH(QDateTime, endOfDay);
    QCOMPARE(Orv::delphiTrunc(value), day);
    QCOMPARE(Orv::fromDelphi(Orv::endOfDay(value)), endOfDay);
}

void tst_DelphiDateTime::nowComesFromTheClock()
{
    const QDateTime pinned(QDate(2024, 3, 5), QTime(14, 7, 9));
    Orv::Clock::setOverride([pinned] { return pinned; });
    QCOMPARE(Orv::fromDelphi(Orv::delphiNow()), pinned);
    Orv::Clock::setOverride({});
    QVERIFY(Orv::fromDelphi(Orv::delphiNow()).date().year() > 2020);
}

void tst_DelphiDateTime::formats_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QDateTime>("dateTime");
    QTest::addColumn<QString>("expected");
    const QDateTime afternoon(QDate(2024, 3, 5), QTime(14, 7, 9, 45)); // a Tuesday
    const QDateTime january(QDate(2023, 1, 1), QTime(0, 30));          // a Sunday
    const QDateTime midnight(QDate(2024, 3, 5), QTime(0, 0));
    QTest::newRow("numbers") << u"d.m.yyyy"_s << afternoon << u"5.3.2024"_s;
    QTest::newRow("padded numbers") << u"dd.mm.yy"_s << afternoon << u"05.03.24"_s;
    QTest::newRow("y and yyy") << u"y yyy"_s << afternoon << u"24 2024"_s;
    QTest::newRow("short day name") << u"ddd"_s << afternoon << u"út"_s;
    QTest::newRow("long day name") << u"dddd"_s << january << u"neděle"_s;
    QTest::newRow("aaa and aaaa") << u"aaa aaaa"_s << afternoon << u"út úterý"_s;
    QTest::newRow("short month name") << u"mmm"_s << afternoon << u"bře"_s;
    QTest::newRow("month alone nominative") << u"mmmm yyyy"_s << january << u"leden 2023"_s;
    QTest::newRow("month after day genitive") << u"d. mmmm"_s << january << u"1. ledna"_s;
    QTest::newRow("quoted d is no day") << u"'d' mmmm"_s << afternoon << u"d březen"_s;
    QTest::newRow("five m is long") << u"mmmmm"_s << afternoon << u"březen"_s;
    QTest::newRow("short date") << u"ddddd"_s << afternoon << u"5.3.2024"_s;
    QTest::newRow("long date") << u"dddddd"_s << afternoon << u"5. března 2024"_s;
    QTest::newRow("time with n") << u"h:nn:ss"_s << afternoon << u"14:07:09"_s;
    QTest::newRow("m after h is minutes") << u"hh:mm"_s << afternoon << u"14:07"_s;
    QTest::newRow("m after quoted text still minutes") << u"h 'hod' m"_s << afternoon << u"14 hod 7"_s;
    QTest::newRow("month after minutes") << u"h:mm mm"_s << afternoon << u"14:07 03"_s;
    QTest::newRow("milliseconds") << u"s.zzz z"_s << afternoon << u"9.045 45"_s;
    QTest::newRow("am/pm") << u"h:nn am/pm"_s << afternoon << u"2:07 pm"_s;
    QTest::newRow("AM/PM keeps case") << u"hh AM/PM"_s << january << u"12 AM"_s;
    QTest::newRow("a/p") << u"h a/p"_s << afternoon << u"2 p"_s;
    QTest::newRow("ampm is Czech") << u"h ampm"_s << afternoon << u"2 odp."_s;
    QTest::newRow("short time") << u"t"_s << afternoon << u"14:07"_s;
    QTest::newRow("long time") << u"tt"_s << afternoon << u"14:07:09"_s;
    QTest::newRow("c") << u"c"_s << afternoon << u"5.3.2024 14:07:09"_s;
    QTest::newRow("c at midnight") << u"c"_s << midnight << u"5.3.2024"_s;
    QTest::newRow("empty means c") << QString() << afternoon << u"5.3.2024 14:07:09"_s;
    QTest::newRow("separators") << u"d/m/yyyy h:n"_s << afternoon << u"5.3.2024 14:7"_s;
    QTest::newRow("double-quoted text") << u"\"den\" d"_s << afternoon << u"den 5"_s;
    QTest::newRow("unterminated quote") << u"d 'zbytek"_s << afternoon << u"5 zbytek"_s;
    QTest::newRow("other characters copied") << u"yyyy-mm-dd#x"_s << afternoon << u"2024-03-05#x"_s;
    QTest::newRow("invalid date") << u"c"_s << QDateTime() << QString();
}

void tst_DelphiDateTime::formats()
{
    QFETCH(QString, format);
    QFETCH(QDateTime, dateTime);
    QFETCH(QString, expected);
    QCOMPARE(Orv::formatDateTime(format, dateTime), expected);
    if (format == u"c"_s)
        QCOMPARE(Orv::dateTimeToStr(dateTime), expected);
}

void tst_DelphiDateTime::formatsDelphiValues_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("epoch") << 0.0 << u"30.12.1899 0:00:00.000"_s;
    QTest::newRow("negative") << -1.25 << u"29.12.1899 6:00:00.000"_s;
    QTest::newRow("rounded millisecond") << 45351.5 + 0.6 / 86400000 << u"29.2.2024 12:00:00.001"_s;
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << QString();
}

void tst_DelphiDateTime::formatsDelphiValues()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(Orv::formatDateTime(u"d.m.yyyy h:nn:ss.zzz"_s, value), expected);
}

QTEST_GUILESS_MAIN(tst_DelphiDateTime)
#include "tst_DelphiDateTime.moc"
