// Loadable-extension entry point: the same functions for the sqlite3 shell and SQLite's ODBC driver.
#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT1

extern "C" int sqlite3_orbadilsqlite_init(sqlite3*, char**, const sqlite3_api_routines* api) {
    SQLITE_EXTENSION_INIT2(api);
    return SQLITE_OK;
}
