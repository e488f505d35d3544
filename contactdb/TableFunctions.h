#pragma once

#include "contactdb/Table.h"

// The table functions through which plug-ins and components reach profile tables. They
// forward to Db::Table; errors reach the caller as EOrvDatabaseError unless a function's
// flag says otherwise.
namespace Db {

bool ST_IndexName(Table &table, const QString &name);               // false for an unknown index
bool ST_Findkey(Table &table, const QVariantList &values);
bool ST_FindNearest(Table &table, const QVariantList &values);      // false when nothing at or after
void ST_SetRange(Table &table, const QVariantList &from, const QVariantList &to);
void ST_CancelRange(Table &table);

void ST_First(Table &table);
void ST_Next(Table &table);
void ST_Prior(Table &table);
bool ST_Eof(const Table &table);
bool ST_IsEmpty(const Table &table);
int ST_RecordCount(const Table &table);
void ST_Refresh(Table &table);

bool ST_Open(Table &table);
void ST_Close(Table &table);

bool ST_Append(Table &table);
bool ST_Edit(Table &table);                                          // false when there is no record
// raiseErrors false: a failure is logged and reported as false instead of thrown.
bool ST_Post(Table &table, bool raiseErrors = true);
bool ST_PostWithCancel(Table &table, bool raiseErrors = true);       // cancels the change when storing fails
void ST_Cancel(Table &table);
bool ST_Delete(Table &table, bool raiseErrors = true);

Field ST_FieldByName(Table &table, const QString &name);
// existingRecord true puts a browsed record into Edit first; false for a record being appended.
void SetFieldString(Table &table, const QString &name, const QString &value, bool existingRecord);
void SetFieldInteger(Table &table, const QString &name, qint64 value, bool existingRecord);

// columns separated by ";" as in "ID;CPCX;CX".
bool ST_Locate(Table &table, const QString &columns, const QVariantList &values,
               bool caseInsensitive = false);
bool ST_GotoCurrent(Table &destination, const Table &source);        // false when source has no record

} // namespace Db
