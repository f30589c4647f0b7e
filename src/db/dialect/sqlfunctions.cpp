// Placeholder until the dialect functions land: only the collation, compared on folded text.
#include "db/dialect/sqlfunctions.h"

#include <QString>
#include <sqlite3.h>

namespace orbadil::db {
namespace {
int compareFolded(void*, int lengthA, const void* a, int lengthB, const void* b) {
    const QString left = QString::fromUtf8(static_cast<const char*>(a), lengthA).toCaseFolded();
    const QString right = QString::fromUtf8(static_cast<const char*>(b), lengthB).toCaseFolded();
    return QString::compare(left, right);
}
}  // namespace

int registerSqlFunctions(sqlite3* handle) {
    return sqlite3_create_collation_v2(handle, kServerCollation, SQLITE_UTF8, nullptr,
                                       compareFolded, nullptr);
}
}  // namespace orbadil::db
