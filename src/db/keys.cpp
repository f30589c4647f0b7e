#include "db/keys.h"

#include <QSqlError>
#include <QSqlQuery>

#include "db/dberror.h"
#include "db/query.h"

namespace orbadil::db {

namespace {
int plusOne(Query& query) {
    query.open();
    return query.eof() ? 1 : query.integer(QStringLiteral("MaxId")) + 1;
}
}  // namespace

int nextKeyNewest(const QString& table, const QString& keyColumn, const QString& connection) {
    Query query(connection);
    query.add(QStringLiteral(" select top 1 %1 as MaxId from %2 ").arg(keyColumn, table));
    query.add(QStringLiteral(" order by  %1 desc ").arg(keyColumn));
    return plusOne(query);
}

int nextKeyMax(const QString& table, const QString& keyColumn, const QString& connection) {
    Query query(connection);
    query.add(QStringLiteral(" select Max(%1) as MaxId from %2 ").arg(keyColumn, table));
    return plusOne(query);
}

int lastAssignedKey(const QString& connection) {
    Connections& connections = Connections::current();
    QSqlDatabase db = connections.database(connection);
    const bool sqlite =
        connections.settings(connection).dialect == ConnectionSettings::Dialect::Sqlite;
    QSqlQuery query(db);
    // @@IDENTITY belongs to the session, unlike a "top 1 ... desc" read of the table.
    if (!query.exec(sqlite ? QStringLiteral("select last_insert_rowid()")
                           : QStringLiteral("select @@IDENTITY")) ||
        !query.next())
        throw DbError(query.lastError().text());
    if (query.value(0).isNull()) throw DbError(QStringLiteral("Nenhuma chave gerada pelo banco."));
    return query.value(0).toInt();
}

QDateTime serverNow(const QString& connection) {
    Query query(connection);
    query.add(QStringLiteral(" select getDate() as Date "));
    query.open();
    return query.dateTime(QStringLiteral("Date"));
}

}  // namespace orbadil::db
