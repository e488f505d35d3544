#include "mailimport/ui/MailLists.h"
#include "mailimport/ui/TOrvListBox.h"

#include "mailimport/manager/TOrvMailListOrder.h"

#include <QTest>

using namespace MailUi;
using namespace Mail;
using namespace Qt::StringLiterals;

class tst_MailLists : public QObject
{
    Q_OBJECT

private slots:
    void listLineShowsMailTextAsTyped_data();
    void listLineShowsMailTextAsTyped();
    void refillKeepsTheSelection_data();
    void refillKeepsTheSelection();
};

namespace {

TOrvMailPtr mail(const QString &id, const QString &date, const QString &subject, const QString &from,
                 TOrvMailDirection direction = TOrvMailDirection::Inbox, bool hasAttach = false)
{
    return std::make_shared<TOrvMail>(direction, id, QDateTime::fromString(date, Qt::ISODate), subject, from,
                                      u"ja@velmora.cz"_s, hasAttach);
}

QStringList ids(const TOrvListBox &list)
{
    QStringList result;
    for (int row = 0; row < list.count(); ++row)
        result << MailLists::mailAt(list, row)->UniqueId();
    return result;
}

} // namespace

void tst_MailLists::listLineShowsMailTextAsTyped_data()
{
    QTest::addColumn<TOrvMailPtr>("message");
    QTest::addColumn<bool>("inDatabase");
    QTest::addColumn<QString>("visible");
    QTest::addColumn<QStringList>("icons");

    QTest::newRow("received") << mail(u"1"_s, u"2026-02-01T10:00:00"_s, u"Ahoj"_s, u"a@b.cz"_s) << false
                              << u"1.2.2026 <a@b.cz> Ahoj"_s << QStringList();
    QTest::newRow("sent shows the recipient")
        << mail(u"2"_s, u"2026-02-01T10:00:00"_s, u"Ahoj"_s, u"ja@velmora.cz"_s, TOrvMailDirection::Outbox)
        << false << u"1.2.2026 <ja@velmora.cz> Ahoj"_s << QStringList();
    QTest::newRow("stored with attachment")
        << mail(u"3"_s, u"2026-12-24T08:00:00"_s, u"Faktura"_s, u"a@b.cz"_s, TOrvMailDirection::Inbox, true)
        << true << u"24.12.2026 <a@b.cz> Faktura"_s << QStringList{u"IA"_s, u"ID"_s};
    QTest::newRow("dollar codes in the subject")
        << mail(u"4"_s, u"2026-02-01T10:00:00"_s, u"Cena $100 $B0$R1x$IA"_s, u"$IB@b.cz"_s) << false
        << u"1.2.2026 <$IB@b.cz> Cena $100 $B0$R1x$IA"_s << QStringList();
}

void tst_MailLists::listLineShowsMailTextAsTyped()
{
    QFETCH(TOrvMailPtr, message);
    QFETCH(bool, inDatabase);
    QFETCH(QString, visible);
    QFETCH(QStringList, icons);

    message->SetLinks(inDatabase, {}, {});
    const QString line = MailLists::listLine(*message);
    QCOMPARE(ListMarkup::visibleText(line), visible);
    QStringList found;
    for (const ListMarkup::Token &token : ListMarkup::parse(line)) {
        if (token.kind == ListMarkup::Token::Kind::Command && token.text.startsWith(u'I'))
            found << token.text;
    }
    QCOMPARE(found, icons);
}

void tst_MailLists::refillKeepsTheSelection_data()
{
    QTest::addColumn<int>("firstMode");
    QTest::addColumn<QString>("selectId");     // empty: nothing selected
    QTest::addColumn<int>("secondMode");
    QTest::addColumn<bool>("dropSelected");
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<int>("selectedRow");      // -1: none

    QTest::newRow("date descending to subject ascending")
        << 1 << u"b"_s << 2 << false << QStringList{u"a"_s, u"c"_s, u"b"_s} << 2;
    QTest::newRow("subject to address descending")
        << 2 << u"a"_s << 5 << false << QStringList{u"c"_s, u"b"_s, u"a"_s} << 2;
    QTest::newRow("unknown mode sorts newest first")
        << 0 << u"c"_s << 9 << false << QStringList{u"c"_s, u"b"_s, u"a"_s} << 0;
    QTest::newRow("selected message gone") << 1 << u"b"_s << 1 << true << QStringList{u"c"_s, u"a"_s} << 0;
    QTest::newRow("nothing selected stays so") << 1 << QString() << 0 << false
                                               << QStringList{u"a"_s, u"b"_s, u"c"_s} << -1;
}

void tst_MailLists::refillKeepsTheSelection()
{
    QFETCH(int, firstMode);
    QFETCH(QString, selectId);
    QFETCH(int, secondMode);
    QFETCH(bool, dropSelected);
    QFETCH(QStringList, order);
    QFETCH(int, selectedRow);

    QList<TOrvMailPtr> mails = {
        mail(u"a"_s, u"2026-01-01T09:00:00"_s, u"Ahoj"_s, u"alena@x.cz"_s),
        mail(u"b"_s, u"2026-01-02T09:00:00"_s, u"žádost"_s, u"bohus@x.cz"_s),
        mail(u"c"_s, u"2026-01-03T09:00:00"_s, u"Čtvrtek"_s, u"cyril@x.cz"_s),
    };
    TOrvListBox list;
    MailLists::fill(list, TOrvMailListOrder::sorted(mails, firstMode));
    if (!selectId.isEmpty())
        list.setCurrentRow(ids(list).indexOf(selectId));
    if (dropSelected)
        mails.removeIf([&](const TOrvMailPtr &m) { return m->UniqueId() == selectId; });

    MailLists::fill(list, TOrvMailListOrder::sorted(mails, secondMode));
    QCOMPARE(ids(list), order);
    QCOMPARE(list.selectedItems().isEmpty() ? -1 : list.currentRow(), selectedRow);
}

QTEST_MAIN(tst_MailLists)
#include "tst_MailLists.moc"
