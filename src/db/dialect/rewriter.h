#pragma once

#include <QCache>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>

#include "common/error.h"

namespace orbadil::db {

// A statement the rewriter cannot translate. The message names the construct.
class DialectError : public Error {
  public:
    using Error::Error;
};

// One SQLite statement of a rewritten batch, with the named parameters (":pNome", without the
// colon) it still carries, in order of first appearance.
struct SqliteStatement {
    QString sql;
    QStringList parameters;
};

// Turns statements written in the server's dialect into SQLite statements with the server's
// results. A batch may hold several statements; each comes out on its own.
class SqliteRewriter {
  public:
    // catalogs maps a catalog name, lower case, to the SQLite schema it lives in on this
    // connection ("padrao" -> "padrao", "zooanimais_dsv" -> "main").
    explicit SqliteRewriter(QHash<QString, QString> catalogs = {});

    // Cached by text. Throws DialectError; never returns a half-translated batch.
    QList<SqliteStatement> rewrite(const QString& batch) const;
    QList<SqliteStatement> rewriteUncached(const QString& batch) const;

  private:
    QHash<QString, QString> catalogs_;
    mutable QMutex cacheMutex_;
    mutable QCache<QString, QList<SqliteStatement>> cache_;
};

}  // namespace orbadil::db
