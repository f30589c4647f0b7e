// Loadable-extension entry point: the same functions for the sqlite3 shell and SQLite's ODBC
// driver.
#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT1

#include "db/dialect/sqlfunctions.h"

extern "C" int sqlite3_orbadilsqlite_init(sqlite3* db, char**, const sqlite3_api_routines* api) {
    SQLITE_EXTENSION_INIT2(api);
    return orbadil::db::registerSqlFunctions(db);
}
