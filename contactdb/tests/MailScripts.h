#pragma once

// The mail import's nine scripts, written in the dialect as that program carries them, so
// the interpreter is tested on the real thing.

#include <QString>

namespace MailScripts {

inline const QString IsEmailInDB = QStringLiteral(
    "-- IsEmailInDB\n"
    "-- Vstup: 0=EMAIL Unique ID\n"
    "SELECT \"CPCEM\", \"CEM\" FROM \"EMAIL\" WHERE \"ENTRYID\" = '@0';\n");

inline const QString GetLinkedFirm = QStringLiteral(
    "-- GetLinkedFirm\n"
    "-- Vstup: 0=EMAIL Unique ID\n"
    "SELECT \"FIRMA\", \"CPCF\", \"CF\" FROM \"FIRM\", \"EMAIL\", \"LINK\"\n"
    "WHERE \"EMAIL\".\"ENTRYID\" = '@0' AND \"LINK\".\"ID\" = 26\n"
    "  AND \"LINK\".\"CPCY\" = \"EMAIL\".\"CPCEM\" AND \"LINK\".\"CY\" = \"EMAIL\".\"CEM\"\n"
    "  AND \"LINK\".\"CPCX\" = \"FIRM\".\"CPCF\" AND \"LINK\".\"CX\" = \"FIRM\".\"CF\";\n");

inline const QString GetLinkedPerson = QStringLiteral(
    "-- GetLinkedPerson\n"
    "-- Vstup: 0=EMAIL Unique ID\n"
    "SELECT \"FNAME\", \"SNAME\", \"CPCO\", \"CO\" FROM \"PERSON\", \"EMAIL\", \"LINK\"\n"
    "WHERE \"EMAIL\".\"ENTRYID\" = '@0' AND \"LINK\".\"ID\" = 27\n"
    "  AND \"LINK\".\"CPCY\" = \"EMAIL\".\"CPCEM\" AND \"LINK\".\"CY\" = \"EMAIL\".\"CEM\"\n"
    "  AND \"LINK\".\"CPCX\" = \"PERSON\".\"CPCO\" AND \"LINK\".\"CX\" = \"PERSON\".\"CO\";\n");

inline const QString FindSubjectByUrl = QStringLiteral(
    "-- Find subject by URL\n"
    "-- Vstup: 0=URL\n"
    "SELECT \"ID\", \"CPCX\", \"CX\", \"SPOJTYP\", \"TYP\", \"TELEFON\" FROM \"CONNECT\"\n"
    "WHERE (\"ID\" = 61 OR \"ID\" = 62) AND \"SPOJTYP\" = 1 AND \"TELEFON\" = '@0';\n");

inline const QString FindSubjectById = QStringLiteral(
    "-- Find subject by ID\n"
    "-- Vstup: 0=ID, 1 = CPCX, 2 = CX\n"
    "DECLARE cID INTEGER;\n"
    "DECLARE cCPCX INTEGER;\n"
    "DECLARE cCX INTEGER;\n"
    "SET cID = @0;\n"
    "SET cCPCX = @1;\n"
    "SET cCX = @2;\n"
    "IF cID = 1 THEN\n"
    "  SELECT \"FIRMA\" || ' ' || \"PFORMA\" AS \"SUBJECT\", \"ULICE\", \"MISTO\", \"PSC\"\n"
    "  FROM \"FIRM\" WHERE \"CPCF\" = cCPCX AND \"CF\" = cCX;\n"
    "ELSEIF cID = 2 THEN\n"
    "  SELECT \"FTITUL\" || ' ' || \"FNAME\" || ' ' || \"SNAME\" || ' ' || \"STITUL\" AS \"SUBJECT\",\n"
    "         \"ULICE\", \"MISTO\", \"PSC\"\n"
    "  FROM \"PERSON\" WHERE \"CPCO\" = cCPCX AND \"CO\" = cCX;\n"
    "END IF\n");

inline const QString FindAddressesById = QStringLiteral(
    "-- Find mail address by firm/person ID\n"
    "-- Vstup: 0=ID, 1 = CPCX, 2 = CX\n"
    "DECLARE cID INTEGER;\n"
    "DECLARE cCPCX INTEGER;\n"
    "DECLARE cCX INTEGER;\n"
    "SET cID = @0;\n"
    "SET cCPCX = @1;\n"
    "SET cCX = @2;\n"
    "IF cID = 1 THEN\n"
    "  SET cID = 61;\n"
    "ELSEIF cID = 2 THEN\n"
    "  SET cID = 62;\n"
    "END IF;\n"
    "SELECT \"CPCS\", \"CS\", \"SPOJTYP\", \"TYP\", \"VOLACKA\", \"TELEFON\" FROM \"CONNECT\"\n"
    "WHERE \"ID\" = cID AND \"CPCX\" = cCPCX AND \"CX\" = cCX AND \"SPOJTYP\" = 1 AND \"TYP\" = 1;\n");

inline const QString SaveEmail = QStringLiteral(
    "-- SaveEmail\n"
    "DECLARE cCPCEM INTEGER;\n"
    "DECLARE cCEM INTEGER;\n"
    "DECLARE cCL INTEGER;\n"
    "DECLARE cDate TIMESTAMP;\n"
    "SET cDate = CURRENT_TIMESTAMP;\n"
    "IF NOT EXISTS (SELECT * FROM \"EMAIL\" WHERE \"ENTRYID\" = :ENTRYID) THEN\n"
    "  UPDATE \"SITESET\" SET \"LASTCEM\" = \"LASTCEM\" + 1, \"LASTCL\" = \"LASTCL\" + 1;\n"
    "  SET cCEM = (SELECT TOP 1 \"LASTCEM\" FROM \"SITESET\");\n"
    "  SET cCL = (SELECT TOP 1 \"LASTCL\" FROM \"SITESET\");\n"
    "  INSERT INTO \"EMAIL\" (\"CPCEM\", \"CEM\", \"TO\", \"FROM\", \"SUBJECT\", \"DATE\", \"HAS_ATTACH\",\n"
    "    \"BODY\", \"BODYTYPE\", \"CREATOR\", \"LASTEDIT\", \"CRDATE\", \"EDDATE\", \"SYNDATE\", \"SITE\",\n"
    "    \"COUNTER\", \"UID\", \"ENTRYID\")\n"
    "  VALUES (:SITE, cCEM, :TO, :FROM, :SUBJECT, :DATE, :HAS_ATTACH, :BODY, :BODYTYPE, :DOMNAME,\n"
    "    :DOMNAME, cDate, cDate, cDate, :SITE, 1, '', :ENTRYID);\n"
    "  INSERT INTO \"LINK\" (\"ID\", \"CPCL\", \"CL\", \"CPCX\", \"CX\", \"CPCY\", \"CY\", \"PRIORITA\",\n"
    "    \"SECTION\", \"FUNCTION\", \"CREATOR\", \"LASTEDIT\", \"CRDATE\", \"EDDATE\", \"SYNDATE\", \"SITE\",\n"
    "    \"COUNTER\")\n"
    "  VALUES (:LINKID, :SITE, cCL, :CPCX, :CX, :SITE, cCEM, :PRIORITA, '', '', :DOMNAME, :DOMNAME,\n"
    "    cDate, cDate, cDate, :SITE, 1);\n"
    "ELSEIF NOT EXISTS (SELECT * FROM \"EMAIL\", \"LINK\" WHERE \"EMAIL\".\"ENTRYID\" = :ENTRYID\n"
    "    AND \"LINK\".\"ID\" = :LINKID AND \"LINK\".\"CPCX\" = :CPCX AND \"LINK\".\"CX\" = :CX\n"
    "    AND \"LINK\".\"CPCY\" = \"EMAIL\".\"CPCEM\" AND \"LINK\".\"CY\" = \"EMAIL\".\"CEM\") THEN\n"
    "  UPDATE \"SITESET\" SET \"LASTCL\" = \"LASTCL\" + 1;\n"
    "  SET cCL = (SELECT TOP 1 \"LASTCL\" FROM \"SITESET\");\n"
    "  SET cCPCEM = (SELECT TOP 1 \"CPCEM\" FROM \"EMAIL\" WHERE \"ENTRYID\" = :ENTRYID);\n"
    "  SET cCEM = (SELECT TOP 1 \"CEM\" FROM \"EMAIL\" WHERE \"ENTRYID\" = :ENTRYID);\n"
    "  INSERT INTO \"LINK\" (\"ID\", \"CPCL\", \"CL\", \"CPCX\", \"CX\", \"CPCY\", \"CY\", \"PRIORITA\",\n"
    "    \"SECTION\", \"FUNCTION\", \"CREATOR\", \"LASTEDIT\", \"CRDATE\", \"EDDATE\", \"SYNDATE\", \"SITE\",\n"
    "    \"COUNTER\")\n"
    "  VALUES (:LINKID, :SITE, cCL, :CPCX, :CX, cCPCEM, cCEM, :PRIORITA, '', '', :DOMNAME, :DOMNAME,\n"
    "    cDate, cDate, cDate, :SITE, 1);\n"
    "END IF;\n");

inline const QString SaveDocument = QStringLiteral(
    "-- Save dokument\n"
    "DECLARE cCT INTEGER;\n"
    "DECLARE cDate TIMESTAMP;\n"
    "SET cDate = CURRENT_TIMESTAMP;\n"
    "IF NOT EXISTS (SELECT * FROM \"DOCUMENT\" WHERE \"ID\" = :DOCUMENTID AND \"CPCX\" = :CPCX\n"
    "    AND \"CX\" = :CX AND \"DESC\" = :DESC) THEN\n"
    "  UPDATE \"SITESET\" SET \"LASTCT\" = \"LASTCT\" + 1;\n"
    "  SET cCT = (SELECT TOP 1 \"LASTCT\" FROM \"SITESET\");\n"
    "  INSERT INTO \"DOCUMENT\" (\"ID\", \"CPCT\", \"CT\", \"CPCX\", \"CX\", \"DESC\", \"PATH\", \"CATEGORY\",\n"
    "    \"MEMO\", \"CREATOR\", \"LASTEDIT\", \"CRDATE\", \"EDDATE\", \"SYNDATE\", \"SITE\", \"COUNTER\")\n"
    "  VALUES (:DOCUMENTID, :SITE, cCT, :CPCX, :CX, :DESC, :PATH, '', :MEMO, :DOMNAME, :DOMNAME,\n"
    "    cDate, cDate, cDate, :SITE, 1);\n"
    "END IF\n");

inline const QString SaveAddress = QStringLiteral(
    "-- Save mail address by subject ID\n"
    "-- Params: :ID :CPCX :CX :TELEFON :DOMNAME :SITE\n"
    "DECLARE cCS INTEGER;\n"
    "DECLARE cDate TIMESTAMP;\n"
    "SET cDate = CURRENT_TIMESTAMP;\n"
    "UPDATE \"SITESET\" SET \"LASTCS\" = \"LASTCS\" + 1;\n"
    "SET cCS = (SELECT TOP 1 \"SITESET\".\"LASTCS\" FROM \"SITESET\");\n"
    "INSERT INTO \"CONNECT\" (\"ID\", \"CPCS\", \"CS\", \"CPCX\", \"CX\", \"SPOJTYP\", \"TYP\", \"VOLACKA\",\n"
    "  \"TELEFON\", \"CREATOR\", \"LASTEDIT\", \"CRDATE\", \"EDDATE\", \"SYNDATE\", \"SITE\", \"COUNTER\")\n"
    "VALUES (:ID, :SITE, cCS, :CPCX, :CX, 1, 1, 'mailto:', :TELEFON, :DOMNAME, :DOMNAME,\n"
    "  cDate, cDate, cDate, :SITE, 1);\n");

} // namespace MailScripts
