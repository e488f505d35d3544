#include "contactdb/TableFunctions.h"

#include "contactdb/Connection_p.h"

#include "base/Errors.h"

using namespace Qt::StringLiterals;

namespace Db {

namespace {

bool attempt(bool raiseErrors, const std::function<void()> &body)
{
    if (raiseErrors) {
        body();
        return true;
    }
    try {
        body();
        return true;
    } catch (const EOrvError &error) {
        qCWarning(lcDb).noquote() << error.detail();
        return false;
    }
}

} // namespace

bool ST_IndexName(Table &table, const QString &name)
{
    try {
        table.setIndexName(name);
        return true;
    } catch (const EOrvDatabaseError &error) {
        qCWarning(lcDb).noquote() << error.detail();
        return false;
    }
}

bool ST_Findkey(Table &table, const QVariantList &values) { return table.findKey(values); }
bool ST_FindNearest(Table &table, const QVariantList &values) { return table.findNearest(values); }
void ST_SetRange(Table &table, const QVariantList &from, const QVariantList &to) { table.setRange(from, to); }
void ST_CancelRange(Table &table) { table.cancelRange(); }

void ST_First(Table &table) { table.first(); }
void ST_Next(Table &table) { table.next(); }
void ST_Prior(Table &table) { table.prior(); }
bool ST_Eof(const Table &table) { return table.eof(); }
bool ST_IsEmpty(const Table &table) { return table.isEmpty(); }
int ST_RecordCount(const Table &table) { return table.recordCount(); }
void ST_Refresh(Table &table) { table.refresh(); }

bool ST_Open(Table &table)
{
    table.open();
    return table.isOpen();
}

void ST_Close(Table &table) { table.close(); }

bool ST_Append(Table &table)
{
    table.append();
    return true;
}

bool ST_Edit(Table &table)
{
    if (table.state() == Table::State::Browse && table.eof())
        return false;
    table.edit();
    return true;
}

bool ST_Post(Table &table, bool raiseErrors)
{
    return attempt(raiseErrors, [&] { table.post(); });
}

bool ST_PostWithCancel(Table &table, bool raiseErrors)
{
    try {
        table.post();
        return true;
    } catch (const EOrvError &error) {
        table.cancel();
        if (raiseErrors)
            throw;
        qCWarning(lcDb).noquote() << error.detail();
        return false;
    }
}

void ST_Cancel(Table &table) { table.cancel(); }

bool ST_Delete(Table &table, bool raiseErrors)
{
    if (table.eof())
        return false;
    return attempt(raiseErrors, [&] { table.remove(); });
}

Field ST_FieldByName(Table &table, const QString &name) { return table.fieldByName(name); }

void SetFieldString(Table &table, const QString &name, const QString &value, bool existingRecord)
{
    if (existingRecord)
        table.edit();
    table.setValue(name, value);
}

void SetFieldInteger(Table &table, const QString &name, qint64 value, bool existingRecord)
{
    if (existingRecord)
        table.edit();
    table.setValue(name, value);
}

bool ST_Locate(Table &table, const QString &columns, const QVariantList &values, bool caseInsensitive)
{
    return table.locate(columns.split(u';', Qt::SkipEmptyParts), values, caseInsensitive);
}

bool ST_GotoCurrent(Table &destination, const Table &source) { return destination.gotoCurrent(source); }

} // namespace Db
