#include "contactdb/DemoData.h"

#include "contactdb/Connection.h"
#include "contactdb/Table.h"

using namespace Qt::StringLiterals;

namespace Db {

namespace {

struct Contact
{
    int spojtyp;
    int typ;
    QString value;
};

struct Address
{
    QString street, town, postcode, region;
};

constexpr int Telephone = 0, Internet = 1;
constexpr int TypPhone = 1, TypMobile = 16, TypEmail = 1, TypWww = 2;

void setAddress(Table &table, const Address &address)
{
    table.setValue(u"ULICE"_s, address.street);
    table.setValue(u"MISTO"_s, address.town);
    table.setValue(u"PSC"_s, address.postcode);
    table.setValue(u"REGION"_s, address.region);
    table.setValue(u"STAT"_s, u"Česká republika"_s);
    table.setValue(u"CS"_s, 1);
}

// Returns the new record's key pair.
QPair<qint64, qint64> post(Table &table, const QString &cpc, const QString &c)
{
    table.post();
    return {table.value(cpc).toLongLong(), table.value(c).toLongLong()};
}

void addContacts(Table &connect, int ownerId, QPair<qint64, qint64> owner, const QList<Contact> &contacts)
{
    for (const Contact &contact : contacts) {
        connect.append();
        connect.setValue(u"ID"_s, ownerId);
        connect.setValue(u"CPCX"_s, owner.first);
        connect.setValue(u"CX"_s, owner.second);
        connect.setValue(u"SPOJTYP"_s, contact.spojtyp);
        connect.setValue(u"TYP"_s, contact.typ);
        const bool email = contact.spojtyp == Internet && contact.typ == TypEmail;
        connect.setValue(u"VOLACKA"_s, email ? u"mailto:"_s : QString());
        connect.setValue(u"TELEFON"_s, contact.value);
        connect.post();
    }
}

QPair<qint64, qint64> addFirm(Table &firms, Table &connect, const QString &name, const QString &form,
                              const Address &address, const QList<Contact> &contacts)
{
    firms.append();
    firms.setValue(u"FIRMA"_s, name);
    firms.setValue(u"PFORMA"_s, form);
    setAddress(firms, address);
    const auto key = post(firms, u"CPCF"_s, u"CF"_s);
    addContacts(connect, 61, key, contacts);
    return key;
}

QPair<qint64, qint64> addPerson(Table &persons, Table &connect, const QString &titleBefore, const QString &firstName,
                                const QString &surname, const QString &titleAfter, const Address &address,
                                const QList<Contact> &contacts)
{
    persons.append();
    persons.setValue(u"FTITUL"_s, titleBefore);
    persons.setValue(u"FNAME"_s, firstName);
    persons.setValue(u"SNAME"_s, surname);
    persons.setValue(u"STITUL"_s, titleAfter);
    setAddress(persons, address);
    const auto key = post(persons, u"CPCO"_s, u"CO"_s);
    addContacts(connect, 62, key, contacts);
    return key;
}

void addEmployment(Table &links, QPair<qint64, qint64> firm, QPair<qint64, qint64> person, const QString &function)
{
    links.append();
    links.setValue(u"ID"_s, 10);
    links.setValue(u"CPCX"_s, firm.first);
    links.setValue(u"CX"_s, firm.second);
    links.setValue(u"CPCY"_s, person.first);
    links.setValue(u"CY"_s, person.second);
    links.setValue(u"PRIORITA"_s, 0);
    links.setValue(u"FUNCTION"_s, function);
    links.post();
}

} // namespace

void DemoData::fill(Connection &connection)
{
    if (connection.domainName().isEmpty())
        connection.setDomainName(u"SUPERVISOR"_s);
    Transaction transaction(connection);
    Table firms(connection, u"FIRM"_s), persons(connection, u"PERSON"_s);
    Table connect(connection, u"CONNECT"_s), links(connection, u"LINK"_s);
    firms.open();
    persons.open();
    connect.open();
    links.open();

    const Address brno{u"Husova 12"_s, u"Brno"_s, u"602 00"_s, u"Jihomoravský"_s};
    const Address praha{u"Na Příkopě 8"_s, u"Praha 1"_s, u"110 00"_s, u"Praha"_s};
    const Address olomouc{u"Horní náměstí 5"_s, u"Olomouc"_s, u"779 00"_s, u"Olomoucký"_s};

    const auto alfa = addFirm(firms, connect, u"Alfa Stavby"_s, u"s.r.o."_s, brno,
                              {{Telephone, TypPhone, u"+420 543 210 987"_s},
                               {Internet, TypEmail, u"info@alfastavby.cz"_s},
                               {Internet, TypWww, u"www.alfastavby.cz"_s}});
    addFirm(firms, connect, u"Beta Software"_s, u"a.s."_s, praha,
            {{Telephone, TypPhone, u"+420 224 111 222"_s},
             {Internet, TypEmail, u"OBCHOD@BETASOFT.CZ"_s}});   // stored in upper case
    const auto gama = addFirm(firms, connect, u"Gama Účetnictví"_s, u"v.o.s."_s, olomouc,
                              {{Telephone, TypPhone, u"+420 585 333 444"_s},
                               {Internet, TypEmail, u"kancelar@gama-ucto.cz"_s}});

    const auto novak = addPerson(persons, connect, u"Ing."_s, u"Jan"_s, u"Novák"_s, QString(), brno,
                                 {{Telephone, TypMobile, u"+420 602 123 456"_s},
                                  {Internet, TypEmail, u"jan.novak@alfastavby.cz"_s}});
    // Shares the office address with her firm: an address of two subjects matches neither.
    const auto dvorakova = addPerson(persons, connect, QString(), u"Jana"_s, u"Dvořáková"_s, QString(), olomouc,
                                     {{Telephone, TypMobile, u"+420 777 654 321"_s},
                                      {Internet, TypEmail, u"kancelar@gama-ucto.cz"_s}});
    addPerson(persons, connect, u"Mgr."_s, u"Petr"_s, u"Svoboda"_s, u"Ph.D."_s, praha,
              {{Internet, TypEmail, u"petr.svoboda@seznam.cz"_s}});

    addEmployment(links, alfa, novak, u"jednatel"_s);
    addEmployment(links, gama, dvorakova, u"účetní"_s);
    transaction.commit();
}

} // namespace Db
