#include "db/schema/ddlbuilder.h"

#include "db/dialect/sqlfunctions.h"

#include <utility>

namespace orbadil::db::schema::detail {

QString text(int width) {
    return QStringLiteral("VARCHAR(%1) COLLATE %2").arg(width).arg(QLatin1String(kServerCollation));
}

QString text() {
    return QStringLiteral("TEXT COLLATE %1").arg(QLatin1String(kServerCollation));
}

QString withDefault(const QString& type, const QString& literal) {
    return type + QStringLiteral(" DEFAULT ") + literal;
}

Table::Table(QString name) : name_(std::move(name)) {}

Table& Table::column(const QString& name, const QString& type) {
    definitions_ << name + QLatin1Char(' ') + type;
    return *this;
}

Table& Table::audit() {
    return column(QStringLiteral("Inserido_Por"), kInteger)
        .column(QStringLiteral("Inserido_Em"), kDateTime)
        .column(QStringLiteral("Modificado_Por"), kInteger)
        .column(QStringLiteral("Modificado_Em"), kDateTime);
}

Table& Table::auditLowerCase() {
    return column(QStringLiteral("Inserido_por"), kInteger)
        .column(QStringLiteral("Inserido_em"), kDateTime)
        .column(QStringLiteral("Modificado_por"), kInteger)
        .column(QStringLiteral("Modificado_em"), kDateTime);
}

Table& Table::constraint(const QString& clause) {
    definitions_ << clause;
    return *this;
}

QString Table::sql() const {
    return QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (\n  %2\n)")
        .arg(name_, definitions_.join(QStringLiteral(",\n  ")));
}

QString createIndex(const QString& name, const QString& table, const QString& columns) {
    return QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3)").arg(name, table, columns);
}

}  // namespace orbadil::db::schema::detail
