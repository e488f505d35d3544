#pragma once

#include <QList>
#include <QtGlobal>

#include <optional>

namespace Host {

// Subject kinds of the contact database.
enum TSubjectKind { skFirm = 1, skPerson = 2, skEvent = 3, skNote = 4 };

// A record's key pair: the creating site and that site's counter.
struct TRecordKey
{
    qint32 cpc = 0;
    qint32 c = 0;
    friend bool operator==(const TRecordKey &, const TRecordKey &) = default;
};

// One record of a plug-in data source: its subject kind and key pair.
struct TContactObject
{
    int kind = 0;
    TRecordKey key;

    // The key when this record is of `kind`.
    std::optional<TRecordKey> GetID(int wantedKind) const
    {
        return kind == wantedKind ? std::optional<TRecordKey>(key) : std::nullopt;
    }
    friend bool operator==(const TContactObject &, const TContactObject &) = default;
};

using TContactObjectList = QList<TContactObject>;

} // namespace Host
