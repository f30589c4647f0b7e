#pragma once

struct sqlite3;

namespace orbadil::db {

// Name of the collation that compares text the way the server does: without regard to case,
// accents or trailing blanks. Every text column of the embedded schema declares it.
inline constexpr char kServerCollation[] = "CI_AI";

// Registers, on one SQLite connection, what the rewritten statements rely on: the collation,
// a Unicode upper, SQL Server's like, getdate() and the helpers the rewriter emits.
// Returns the SQLite result code (SQLITE_OK on success).
int registerSqlFunctions(sqlite3* handle);

}  // namespace orbadil::db
