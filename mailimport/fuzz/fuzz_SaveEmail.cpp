// Feeds SaveEmail arbitrary header values, subjects and injected database failures, and
// checks after every call what the stored data must keep: one EMAIL row per ENTRYID, one
// link per subject and message, counters equal to the keys the rows used.
#include "mailimport/TOrvMailContact.h"
#include "mailimport/testsupport/TestProfile.h"

#include "base/Errors.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <memory>

using namespace Mail;

namespace {

struct World
{
    Test::TestProfile profile;
    TOrvMailContact contact;
    SubjectKey firm;
    SubjectKey person;
};

World &world()
{
    static World *w = [] {
        auto *created = new World;
        created->firm = created->profile.addFirm(QStringLiteral("Alfa"));
        created->person = created->profile.addPerson(QStringLiteral("Jana"), QStringLiteral("Nováková"));
        if (!created->contact.Open(created->profile.path(), {}))
            std::abort();
        return created;
    }();
    return *w;
}

QString text(FuzzedDataProvider &data)
{
    return QString::fromUtf8(data.ConsumeRandomLengthString(300));
}

qint64 scalar(World &w, const char *sql)
{
    return w.profile.connection().scalar(QString::fromUtf8(sql)).toLongLong();
}

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void checkInvariants(World &w)
{
    check(scalar(w, "SELECT COUNT(*) FROM (SELECT \"ENTRYID\" FROM \"EMAIL\" GROUP BY \"ENTRYID\" HAVING COUNT(*) > 1)") == 0);
    check(scalar(w, "SELECT COUNT(*) FROM (SELECT 1 FROM \"LINK\" GROUP BY \"ID\", \"CPCX\", \"CX\", \"CPCY\", \"CY\" HAVING COUNT(*) > 1)") == 0);
    check(scalar(w, "SELECT COUNT(*) FROM \"LINK\" WHERE NOT EXISTS (SELECT 1 FROM \"EMAIL\" WHERE \"CPCEM\" = \"LINK\".\"CPCY\" AND \"CEM\" = \"LINK\".\"CY\")") == 0);
    check(w.profile.counter(QStringLiteral("LASTCEM")) == w.profile.maxKey(QStringLiteral("EMAIL"), QStringLiteral("CPCEM"), QStringLiteral("CEM")));
    check(w.profile.counter(QStringLiteral("LASTCL")) == w.profile.maxKey(QStringLiteral("LINK"), QStringLiteral("CPCL"), QStringLiteral("CL")));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    World &w = world();
    FuzzedDataProvider data(bytes, size);
    while (data.remaining_bytes() > 0) {
        // Few identifiers collide often; the others are whatever the input holds.
        const QString uniqueId = data.ConsumeBool() ? QStringLiteral("id-%1").arg(data.ConsumeIntegralInRange(0, 3))
                                                    : text(data);
        const auto direction = data.ConsumeBool() ? TOrvMailDirection::Outbox : TOrvMailDirection::Inbox;
        TOrvMail mail(direction, uniqueId, QDateTime::currentDateTime(), text(data), text(data), text(data),
                      data.ConsumeBool());
        mail.SetDetail({}, text(data), data.ConsumeBool());
        SubjectKey subject = data.ConsumeBool() ? w.firm : w.person;
        if (data.ConsumeIntegralInRange(0, 7) == 0)
            subject.kind = data.ConsumeIntegralInRange(-1, 4);
        const int failAt = data.ConsumeIntegralInRange(0, 12);
        w.contact.dataSource().connection()->failStep(failAt);
        bool saved = false;
        try {
            saved = w.contact.SaveEmail(Test::TestProfile::Site, text(data), mail, subject);
        } catch (const EOrvDatabaseError &) {
            check(failAt > 0);
        }
        w.contact.dataSource().connection()->failStep(0);
        check(!saved || w.contact.IsEmailInDB(mail));
        checkInvariants(w);
    }
    return 0;
}
