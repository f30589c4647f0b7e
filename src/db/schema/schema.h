#pragma once

#include <QStringList>

namespace orbadil::db::schema {

// The three databases the program works on.
enum class Catalog { Main, AddressBase, Zoonosis };

// SQLite statements that create the whole schema of one database (tables, view, indexes).
// Text columns declare the server collation; they are written to run on a connection where
// registerSqlFunctions() has been called. Each statement is safe to run on a database that
// already has it (IF NOT EXISTS).
QStringList ddl(Catalog catalog);

// SQLite statements that fill a newly created database with the demo data set.
QStringList demoData(Catalog catalog);

}  // namespace orbadil::db::schema
