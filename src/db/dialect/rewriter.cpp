#include "db/dialect/rewriter.h"

#include "db/dialect/tokenizer.h"
#include "db/dialect/translator.h"

namespace orbadil::db {

namespace {
// Statements are built from fixed lines and pasted keys, so the same texts come back often;
// the bound keeps a long session from holding every key it ever pasted.
constexpr int kCachedBatches = 4096;
}  // namespace

SqliteRewriter::SqliteRewriter(QHash<QString, QString> catalogs)
    : catalogs_(std::move(catalogs)), cache_(kCachedBatches) {}

QList<SqliteStatement> SqliteRewriter::rewrite(const QString& batch) const {
    {
        const QMutexLocker lock(&cacheMutex_);
        if (const auto* cached = cache_.object(batch)) return *cached;
    }
    QList<SqliteStatement> statements = rewriteUncached(batch);
    const QMutexLocker lock(&cacheMutex_);
    cache_.insert(batch, new QList<SqliteStatement>(statements));
    return statements;
}

QList<SqliteStatement> SqliteRewriter::rewriteUncached(const QString& batch) const {
    const QList<Token> tokens = tokenize(batch);
    QList<SqliteStatement> statements;
    for (const TokenRange& range : splitStatements(tokens)) {
        StatementTranslator translator(tokens, range, catalogs_);
        QString sql = translator.translate();
        if (!sql.isEmpty())
            statements.append(SqliteStatement{std::move(sql), translator.parameters()});
    }
    return statements;
}

}  // namespace orbadil::db
