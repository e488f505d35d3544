#pragma once

namespace Db {

class Connection;

// A few Czech firms and persons with telephone numbers and e-mail connections, written
// through the table-cursor layer (so keys and audit columns are real). One address is
// shared by a firm and a person, one is stored in upper case.
class DemoData
{
public:
    static void fill(Connection &connection);
};

} // namespace Db
