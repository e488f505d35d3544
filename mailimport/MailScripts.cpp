#include "mailimport/MailScripts.h"

namespace Mail::Scripts {

const QString IsEmailInDB = QStringLiteral(
    "-- IsEmailInDB\n"
    "-- Vstup: 0=EMAIL Unique ID\n"
    "SELECT \"CPCEM\", \"CEM\" FROM \"EMAIL\" WHERE \"ENTRYID\" = '@0';\n");

// Ordered by the link key, so the list shows the links in the order they were made.
const QString GetLinkedFirm = QStringLiteral(
    "-- GetLinkedFirm\n"
    "-- Vstup: 0=EMAIL Unique ID\n"
    "SELECT \"FIRM\".\"FIRMA\", \"FIRM\".\"CPCF\", \"FIRM\".\"CF\"\n"
    "FROM \"FIRM\", \"EMAIL\", \"LINK\"\n"
    "WHERE \"EMAIL\".\"ENTRYID\" = '@0' AND \"LINK\".\"ID\" = 26\n"
    "  AND \"LINK\".\"CPCY\" = \"EMAIL\".\"CPCEM\" AND \"LINK\".\"CY\" = \"EMAIL\".\"CEM\"\n"
    "  AND \"LINK\".\"CPCX\" = \"FIRM\".\"CPCF\" AND \"LINK\".\"CX\" = \"FIRM\".\"CF\"\n"
    "ORDER BY \"LINK\".\"CPCL\", \"LINK\".\"CL\";\n");

const QString GetLinkedPerson = QStringLiteral(
    "-- GetLinkedPerson\n"
    "-- Vstup: 0=EMAIL Unique ID\n"
    "SELECT \"PERSON\".\"FNAME\", \"PERSON\".\"SNAME\", \"PERSON\".\"CPCO\", \"PERSON\".\"CO\"\n"
    "FROM \"PERSON\", \"EMAIL\", \"LINK\"\n"
    "WHERE \"EMAIL\".\"ENTRYID\" = '@0' AND \"LINK\".\"ID\" = 27\n"
    "  AND \"LINK\".\"CPCY\" = \"EMAIL\".\"CPCEM\" AND \"LINK\".\"CY\" = \"EMAIL\".\"CEM\"\n"
    "  AND \"LINK\".\"CPCX\" = \"PERSON\".\"CPCO\" AND \"LINK\".\"CX\" = \"PERSON\".\"CO\"\n"
    "ORDER BY \"LINK\".\"CPCL\", \"LINK\".\"CL\";\n");

const QString FindSubjectByUrl = QStringLiteral(
    "-- Find subject by URL\n"
    "-- Vstup: 0=URL\n"
    "SELECT \"ID\", \"CPCX\", \"CX\", \"SPOJTYP\", \"TYP\", \"TELEFON\" FROM \"CONNECT\"\n"
    "WHERE (\"ID\" = 61 OR \"ID\" = 62) AND \"SPOJTYP\" = 1 AND \"TELEFON\" = '@0';\n");

const QString FindSubjectById = QStringLiteral(
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

const QString FindMailAddressBySubjectId = QStringLiteral(
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

// A counter is raised only in the branch that inserts; the interpreter runs the script as
// one transaction, so a failed insert takes its raise back with it.
const QString SaveEmail = QStringLiteral(
    "-- SaveEmail\n"
    "DECLARE cCPCEM INTEGER;\n"
    "DECLARE cCEM INTEGER;\n"
    "DECLARE cCL INTEGER;\n"
    "DECLARE cDate TIMESTAMP;\n"
    "SET cDate = CURRENT_TIMESTAMP;\n"
    "IF NOT EXISTS (SELECT \"CEM\" FROM \"EMAIL\" WHERE \"ENTRYID\" = :ENTRYID) THEN\n"
    "  UPDATE \"SITESET\" SET \"LASTCEM\" = \"LASTCEM\" + 1, \"LASTCL\" = \"LASTCL\" + 1;\n"
    "  SET cCEM = (SELECT TOP 1 \"LASTCEM\" FROM \"SITESET\");\n"
    "  SET cCL = (SELECT TOP 1 \"LASTCL\" FROM \"SITESET\");\n"
    "  INSERT INTO \"EMAIL\" (\"CPCEM\", \"CEM\", \"TO\", \"FROM\", \"SUBJECT\", \"DATE\", \"HAS_ATTACH\",\n"
    "      \"BODY\", \"BODYTYPE\", \"CREATOR\", \"LASTEDIT\", \"CRDATE\", \"EDDATE\", \"SYNDATE\",\n"
    "      \"SITE\", \"COUNTER\", \"UID\", \"ENTRYID\")\n"
    "    VALUES (:SITE, cCEM, :TO, :FROM, :SUBJECT, :DATE, :HAS_ATTACH,\n"
    "      :BODY, :BODYTYPE, :DOMNAME, :DOMNAME, cDate, cDate, cDate,\n"
    "      :SITE, 1, '', :ENTRYID);\n"
    "  INSERT INTO \"LINK\" (\"ID\", \"CPCL\", \"CL\", \"CPCX\", \"CX\", \"CPCY\", \"CY\", \"PRIORITA\",\n"
    "      \"SECTION\", \"FUNCTION\", \"CREATOR\", \"LASTEDIT\", \"CRDATE\", \"EDDATE\", \"SYNDATE\",\n"
    "      \"SITE\", \"COUNTER\")\n"
    "    VALUES (:LINKID, :SITE, cCL, :CPCX, :CX, :SITE, cCEM, :PRIORITA,\n"
    "      '', '', :DOMNAME, :DOMNAME, cDate, cDate, cDate,\n"
    "      :SITE, 1);\n"
    "ELSEIF NOT EXISTS (SELECT \"LINK\".\"CL\" FROM \"EMAIL\", \"LINK\"\n"
    "    WHERE \"EMAIL\".\"ENTRYID\" = :ENTRYID AND \"LINK\".\"ID\" = :LINKID\n"
    "      AND \"LINK\".\"CPCX\" = :CPCX AND \"LINK\".\"CX\" = :CX\n"
    "      AND \"LINK\".\"CPCY\" = \"EMAIL\".\"CPCEM\" AND \"LINK\".\"CY\" = \"EMAIL\".\"CEM\") THEN\n"
    "  UPDATE \"SITESET\" SET \"LASTCL\" = \"LASTCL\" + 1;\n"
    "  SET cCL = (SELECT TOP 1 \"LASTCL\" FROM \"SITESET\");\n"
    "  SET cCPCEM = (SELECT TOP 1 \"CPCEM\" FROM \"EMAIL\" WHERE \"ENTRYID\" = :ENTRYID);\n"
    "  SET cCEM = (SELECT TOP 1 \"CEM\" FROM \"EMAIL\" WHERE \"ENTRYID\" = :ENTRYID);\n"
    "  INSERT INTO \"LINK\" (\"ID\", \"CPCL\", \"CL\", \"CPCX\", \"CX\", \"CPCY\", \"CY\", \"PRIORITA\",\n"
    "      \"SECTION\", \"FUNCTION\", \"CREATOR\", \"LASTEDIT\", \"CRDATE\", \"EDDATE\", \"SYNDATE\",\n"
    "      \"SITE\", \"COUNTER\")\n"
    "    VALUES (:LINKID, :SITE, cCL, :CPCX, :CX, cCPCEM, cCEM, :PRIORITA,\n"
    "      '', '', :DOMNAME, :DOMNAME, cDate, cDate, cDate,\n"
    "      :SITE, 1);\n"
    "END IF;\n");

const QString SaveDocument = QStringLiteral(
    "-- Save dokument\n"
    "DECLARE cCT INTEGER;\n"
    "DECLARE cDate TIMESTAMP;\n"
    "SET cDate = CURRENT_TIMESTAMP;\n"
    "IF NOT EXISTS (SELECT \"CT\" FROM \"DOCUMENT\"\n"
    "    WHERE \"ID\" = :DOCUMENTID AND \"CPCX\" = :CPCX AND \"CX\" = :CX AND \"DESC\" = :DESC) THEN\n"
    "  UPDATE \"SITESET\" SET \"LASTCT\" = \"LASTCT\" + 1;\n"
    "  SET cCT = (SELECT TOP 1 \"LASTCT\" FROM \"SITESET\");\n"
    "  INSERT INTO \"DOCUMENT\" (\"ID\", \"CPCT\", \"CT\", \"CPCX\", \"CX\", \"DESC\", \"PATH\", \"CATEGORY\",\n"
    "      \"MEMO\", \"CREATOR\", \"LASTEDIT\", \"CRDATE\", \"EDDATE\", \"SYNDATE\", \"SITE\", \"COUNTER\")\n"
    "    VALUES (:DOCUMENTID, :SITE, cCT, :CPCX, :CX, :DESC, :PATH, '',\n"
    "      :MEMO, :DOMNAME, :DOMNAME, cDate, cDate, cDate, :SITE, 1);\n"
    "END IF;\n");

const QString SaveMailAddress = QStringLiteral(
    "-- Save mail address by subject ID\n"
    "-- Params: :ID :CPCX :CX :TELEFON :DOMNAME :SITE\n"
    "DECLARE cCS INTEGER;\n"
    "DECLARE cDate TIMESTAMP;\n"
    "SET cDate = CURRENT_TIMESTAMP;\n"
    "UPDATE \"SITESET\" SET \"LASTCS\" = \"LASTCS\" + 1;\n"
    "SET cCS = (SELECT TOP 1 \"SITESET\".\"LASTCS\" FROM \"SITESET\");\n"
    "INSERT INTO \"CONNECT\" (\"ID\", \"CPCS\", \"CS\", \"CPCX\", \"CX\", \"SPOJTYP\", \"TYP\", \"VOLACKA\",\n"
    "    \"TELEFON\", \"CREATOR\", \"LASTEDIT\", \"CRDATE\", \"EDDATE\", \"SYNDATE\", \"SITE\", \"COUNTER\")\n"
    "  VALUES (:ID, :SITE, cCS, :CPCX, :CX, 1, 1, 'mailto:',\n"
    "    :TELEFON, :DOMNAME, :DOMNAME, cDate, cDate, cDate, :SITE, 1);\n");

} // namespace Mail::Scripts
