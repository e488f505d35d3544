#pragma once

#include <QString>

// The nine scripts of the mail import, in the dialect of Db::ScriptInterpreter. Each
// starts with its header comment line; positional values ('@n') and named parameters
// (:NAME) are bound by the interpreter, never pasted into the text.
namespace Mail::Scripts {

// @0 = unique id → CPCEM, CEM
extern const QString IsEmailInDB;
// @0 = unique id → FIRMA, CPCF, CF of firms linked (26) to the stored copy
extern const QString GetLinkedFirm;
// @0 = unique id → FNAME, SNAME, CPCO, CO of persons linked (27) to the stored copy
extern const QString GetLinkedPerson;
// @0 = address → ID, CPCX, CX, SPOJTYP, TYP, TELEFON of firm and person e-mail connections
extern const QString FindSubjectByUrl;
// @0 = kind, @1 = CPCX, @2 = CX → SUBJECT, ULICE, MISTO, PSC
extern const QString FindSubjectById;
// @0 = kind, @1 = CPCX, @2 = CX → CPCS, CS, SPOJTYP, TYP, VOLACKA, TELEFON
extern const QString FindMailAddressBySubjectId;
// :TO :FROM :SUBJECT :DATE :HAS_ATTACH :BODY :BODYTYPE :SITE :ENTRYID :DOMNAME :PRIORITA :LINKID :CPCX :CX
extern const QString SaveEmail;
// :DOCUMENTID :CPCX :CX :DESC :PATH :MEMO :SITE :DOMNAME
extern const QString SaveDocument;
// :ID :CPCX :CX :TELEFON :DOMNAME :SITE
extern const QString SaveMailAddress;

} // namespace Mail::Scripts
