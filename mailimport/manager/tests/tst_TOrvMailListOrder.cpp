#include "mailimport/manager/TOrvMailListOrder.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Mail;
using namespace Qt::StringLiterals;

namespace {

struct Row
{
    TOrvMailDirection direction;
    QString subject;
    QString address;
    int minute;     // minutes after a fixed start
};

TOrvMailPtr makeMail(const Row &row)
{
    const QDateTime date(QDate(2024, 3, 1), QTime(8, 0).addSecs(row.minute * 60));
    const bool sent = row.direction == TOrvMailDirection::Outbox;
    return std::make_shared<TOrvMail>(row.direction, row.subject, date, row.subject,
                                      sent ? u"ja@orvanta.cz"_s : row.address,
                                      sent ? row.address : u"ja@orvanta.cz"_s, false);
}

QStringList subjects(const QList<TOrvMailPtr> &list)
{
    QStringList result;
    for (const TOrvMailPtr &mail : list)
        result << mail->Subject();
    return result;
}

// The insertion as the lists were always filled: walk from the top, insert before the
// first entry that satisfies the mode's condition.
QList<TOrvMailPtr> walkFromTop(const QList<TOrvMailPtr> &mails, int mode)
{
    const auto before = [mode](const TOrvMail &e, const TOrvMail &m) {
        using TOrvMailListOrder::compareText;
        switch (mode) {
        case 0: return e.Date() >= m.Date();
        case 2: return compareText(m.Subject(), e.Subject()) <= 0;
        case 3: return compareText(m.Subject(), e.Subject()) >= 0;
        case 4: return compareText(m.address(), e.address()) <= 0;
        case 5: return compareText(m.address(), e.address()) >= 0;
        default: return e.Date() <= m.Date();
        }
    };
    QList<TOrvMailPtr> list;
    for (const TOrvMailPtr &mail : mails) {
        qsizetype i = 0;
        while (i < list.size() && !before(*list.at(i), *mail))
            ++i;
        list.insert(i, mail);
    }
    return list;
}

} // namespace

class tst_TOrvMailListOrder : public QObject
{
    Q_OBJECT

private slots:
    void ordersByMode_data();
    void ordersByMode();
    void matchesWalkFromTop_data();
    void matchesWalkFromTop();
};

void tst_TOrvMailListOrder::ordersByMode_data()
{
    QTest::addColumn<QList<Row>>("rows");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("expected");

    const auto in = TOrvMailDirection::Inbox;
    const auto out = TOrvMailDirection::Outbox;
    const QList<Row> dated{{in, u"b"_s, {}, 20}, {in, u"a"_s, {}, 10}, {in, u"c"_s, {}, 30}};
    QTest::newRow("0 oldest first") << dated << 0 << QStringList{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("1 newest first") << dated << 1 << QStringList{u"c"_s, u"b"_s, u"a"_s};
    QTest::newRow("9 counts as 1: newest first") << dated << 9 << QStringList{u"c"_s, u"b"_s, u"a"_s};
    QTest::newRow("-1 counts as 1") << dated << -1 << QStringList{u"c"_s, u"b"_s, u"a"_s};

    // Same time: the later inserted message goes before the equal ones.
    const QList<Row> sameTime{{in, u"první"_s, {}, 5}, {in, u"druhý"_s, {}, 5}, {in, u"třetí"_s, {}, 5}};
    QTest::newRow("0 ties: last inserted first") << sameTime << 0 << QStringList{u"třetí"_s, u"druhý"_s, u"první"_s};

    const QList<Row> czech{{in, u"hrad"_s, {}, 1}, {in, u"chata"_s, {}, 2}, {in, u"čaj"_s, {}, 3},
                           {in, u"Cukr"_s, {}, 4}, {in, u"dům"_s, {}, 5}};
    QTest::newRow("2 Czech order, case ignored")
        << czech << 2 << QStringList{u"Cukr"_s, u"čaj"_s, u"dům"_s, u"hrad"_s, u"chata"_s};
    QTest::newRow("3 Czech order descending")
        << czech << 3 << QStringList{u"chata"_s, u"hrad"_s, u"dům"_s, u"čaj"_s, u"Cukr"_s};

    const QList<Row> caseTies{{in, u"Faktura"_s, {}, 1}, {in, u"faktura"_s, {}, 2}, {in, u"FAKTURA"_s, {}, 3}};
    QTest::newRow("2 case-only differences are ties")
        << caseTies << 2 << QStringList{u"FAKTURA"_s, u"faktura"_s, u"Faktura"_s};

    // The address is From in the inbox and To in the outbox.
    const QList<Row> inboxAddresses{{in, u"1"_s, u"zdenek@x.cz"_s, 1}, {in, u"2"_s, u"Adam@x.cz"_s, 2},
                                    {in, u"3"_s, u"čeněk@x.cz"_s, 3}};
    QTest::newRow("4 inbox by sender") << inboxAddresses << 4 << QStringList{u"2"_s, u"3"_s, u"1"_s};
    QTest::newRow("5 inbox by sender descending") << inboxAddresses << 5 << QStringList{u"1"_s, u"3"_s, u"2"_s};
    const QList<Row> outboxAddresses{{out, u"1"_s, u"bara@x.cz"_s, 1}, {out, u"2"_s, u"alena@x.cz"_s, 2}};
    QTest::newRow("4 outbox by recipient") << outboxAddresses << 4 << QStringList{u"2"_s, u"1"_s};
}

void tst_TOrvMailListOrder::ordersByMode()
{
    QFETCH(QList<Row>, rows);
    QFETCH(int, mode);
    QFETCH(QStringList, expected);
    QList<TOrvMailPtr> mails;
    for (const Row &row : rows)
        mails << makeMail(row);
    QCOMPARE(subjects(TOrvMailListOrder::sorted(mails, mode)), expected);
}

void tst_TOrvMailListOrder::matchesWalkFromTop_data()
{
    QTest::addColumn<int>("mode");
    for (int mode = 0; mode <= 5; ++mode)
        QTest::addRow("mode %d", mode) << mode;
}

// The lists are filled by bisection; with many ties and mixed case it must give exactly
// the order of the walk from the top.
void tst_TOrvMailListOrder::matchesWalkFromTop()
{
    QFETCH(int, mode);
    QRandomGenerator random(4711 + mode);
    const QStringList words{u"Alfa"_s, u"alfa"_s, u"Beta"_s, u"čtvrtek"_s, u"Ctvrtek"_s, u"chata"_s, u"hrad"_s, u""_s};
    QList<TOrvMailPtr> mails;
    for (int i = 0; i < 300; ++i) {
        const Row row{TOrvMailDirection::Inbox, words.at(random.bounded(words.size())) + QString::number(i % 3),
                      words.at(random.bounded(words.size())) + u"@x.cz"_s, int(random.bounded(20))};
        TOrvMailPtr mail = makeMail(row);
        mail->SetHeader(mail->Direction(), QString::number(i), mail->Date(), mail->Subject(), mail->From(),
                        mail->To(), false);
        mails << mail;
    }
    const auto ids = [](const QList<TOrvMailPtr> &list) {
        QStringList result;
        for (const TOrvMailPtr &mail : list)
            result << mail->UniqueId();
        return result;
    };
    QCOMPARE(ids(TOrvMailListOrder::sorted(mails, mode)), ids(walkFromTop(mails, mode)));
}

QTEST_GUILESS_MAIN(tst_TOrvMailListOrder)
#include "tst_TOrvMailListOrder.moc"
