#include "db/schema/sqlinsert.h"

#include <QMetaType>
#include <utility>

namespace orbadil::db::schema::detail {
namespace {
// Keeps each statement short enough to read in a log, and far below SQLite's limits.
constexpr qsizetype kRowsPerStatement = 50;
}  // namespace

QString sqlLiteral(const QVariant& value) {
    if (value.isNull()) return QStringLiteral("NULL");
    switch (value.metaType().id()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
            return QString::number(value.toLongLong());
        case QMetaType::Double:
            return QString::number(value.toDouble(), 'g', 15);
        default:
            break;
    }
    QString text = value.toString();
    text.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

Insert::Insert(QString table, QStringList columns)
    : table_(std::move(table)), columns_(std::move(columns)) {}

Insert& Insert::row(const QVariantList& values) {
    Q_ASSERT_X(values.size() == columns_.size(), "Insert::row", qPrintable(table_));
    QStringList literals;
    for (const QVariant& value : values) literals << sqlLiteral(value);
    rows_ << QLatin1Char('(') + literals.join(QStringLiteral(", ")) + QLatin1Char(')');
    return *this;
}

QStringList Insert::statements() const {
    QStringList statements;
    const QString head = QStringLiteral("INSERT INTO %1 (%2) VALUES\n")
                             .arg(table_, columns_.join(QStringLiteral(", ")));
    for (qsizetype first = 0; first < rows_.size(); first += kRowsPerStatement)
        statements << head + rows_.mid(first, kRowsPerStatement).join(QStringLiteral(",\n"));
    return statements;
}

}  // namespace orbadil::db::schema::detail
