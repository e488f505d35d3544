#include "mailimport/manager/TOrvMailListOrder.h"

#include <QCollator>
#include <QCoreApplication>

#include <algorithm>

namespace Mail::TOrvMailListOrder {

namespace {

const QCollator &czechCollator()
{
    // QCollator is not safe to share between threads; each thread gets its own.
    thread_local const QCollator collator = [] {
        QCollator c(QLocale(QLocale::Czech, QLocale::Czechia));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

// Whether `mail` goes before the entry `e`. The lists built by insert() are ordered so
// that this is false for a leading run of entries and true for the rest: the first entry
// for which it holds can be found by bisection instead of a walk from the top.
bool goesBefore(const TOrvMail &e, const TOrvMail &mail, int mode)
{
    switch (mode) {
    case 0:
        return e.Date() >= mail.Date();
    case 2:
        return compareText(mail.Subject(), e.Subject()) <= 0;
    case 3:
        return compareText(mail.Subject(), e.Subject()) >= 0;
    case 4:
        return compareText(mail.address(), e.address()) <= 0;
    case 5:
        return compareText(mail.address(), e.address()) >= 0;
    default:
        return e.Date() <= mail.Date();
    }
}

} // namespace

int normalizedMode(int mode)
{
    return mode >= 0 && mode <= 5 ? mode : DefaultMode;
}

QStringList modeTexts()
{
    const auto tr = [](const char *text) { return QCoreApplication::translate("Mail::TOrvMailListOrder", text); };
    return {tr("Podle datumu vzestupně"),           tr("Podle datumu sestupně"),
            tr("Podle subjektu vzestupně"),         tr("Podle subjektu sestupně"),
            tr("Podle e-mailové adresy vzestupně"), tr("Podle e-mailové adresy sestupně")};
}

int compareText(const QString &a, const QString &b)
{
    return czechCollator().compare(a, b);
}

qsizetype insertIndex(const QList<TOrvMailPtr> &list, const TOrvMail &mail, int mode)
{
    mode = normalizedMode(mode);
    const auto at = std::partition_point(list.begin(), list.end(), [&](const TOrvMailPtr &e) {
        return !goesBefore(*e, mail, mode);
    });
    return at - list.begin();
}

void insert(QList<TOrvMailPtr> &list, const TOrvMailPtr &mail, int mode)
{
    list.insert(insertIndex(list, *mail, mode), mail);
}

QList<TOrvMailPtr> sorted(const QList<TOrvMailPtr> &mails, int mode)
{
    QList<TOrvMailPtr> list;
    list.reserve(mails.size());
    for (const TOrvMailPtr &mail : mails)
        insert(list, mail, mode);
    return list;
}

} // namespace Mail::TOrvMailListOrder
