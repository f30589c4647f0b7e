#include "db/query.h"

#include <sqlite3.h>
#include <QSqlError>
#include <QSqlRecord>
#include <QSqlResult>

#include "db/datetext.h"
#include "db/dberror.h"

namespace orbadil::db {

namespace {

QString parameterKey(const QString& name) {
    return (name.startsWith(u':') ? name.mid(1) : name).toLower();
}

// SQLite keeps date-times as text; a bound QDateTime must arrive in that same form.
QVariant forSqlite(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::QDateTime:
            return value.isNull() ? QVariant() : QVariant(toStoredText(value.toDateTime()));
        case QMetaType::QDate:
            return value.isNull() ? QVariant() : QVariant(toStoredText(value.toDate()));
        default:
            return value;
    }
}

QString folded(const QString& name) {
    QString out;
    for (const QChar c : name.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing) out += c;
    return out.toLower();
}

// SQLite keeps date-times as text; the column's declared type tells them from other text, so
// they reach the program as QDateTime, as they do from the server.
QList<bool> sqliteDateTimeColumns(const QSqlQuery& query) {
    QList<bool> flags;
    const QVariant handle = query.result()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3_stmt*") != 0) return flags;
    sqlite3_stmt* statement = *static_cast<sqlite3_stmt* const*>(handle.constData());
    if (!statement) return flags;
    for (int i = 0, n = sqlite3_column_count(statement); i < n; ++i) {
        const char* declared = sqlite3_column_decltype(statement, i);
        flags << (declared && qstricmp(declared, "DATETIME") == 0);
    }
    return flags;
}

}  // namespace

QDateTime toDateTime(const QVariant& value) {
    if (value.isNull()) return {};
    if (value.typeId() == QMetaType::QDateTime) return value.toDateTime();
    if (value.typeId() == QMetaType::QDate) return QDateTime(value.toDate(), QTime(0, 0));
    const QString text = value.toString();
    if (auto stored = fromStoredText(text)) return *stored;
    if (auto typed = fromBrazilianText(text)) return *typed;
    return {};
}

Query::Query(QString connection) : connection_(std::move(connection)) {}

void Query::clear() {
    close();
    lines_.clear();
}

Query& Query::add(const QString& line) {
    lines_ << line;
    return *this;
}

void Query::setSql(const QString& text) {
    clear();
    lines_ << text;
}

void Query::setParam(const QString& name, const QVariant& value) {
    const QString bare = name.startsWith(u':') ? name.mid(1) : name;
    params_.insert(parameterKey(name), Param{bare, value});
}

void Query::open() {
    execute(true);
}

void Query::exec() {
    execute(false);
}

bool Query::run() {
    execute(false);
    return isOpen();
}

void Query::close() {
    result_.reset();
    dateTimeColumns_.clear();
    eof_ = bof_ = true;
}

void Query::execute(bool wantRows) {
    close();
    rowsAffected_ = 0;
    Connections& connections = Connections::current();
    QSqlDatabase db = connections.database(connection_);
    const SqliteRewriter* rewriter = connections.rewriter(connection_);
    if (!rewriter) {
        QStringList names;
        for (const auto& p : std::as_const(params_)) names << p.name;
        runStatement(db, sql(), names, false);
    } else {
        QList<SqliteStatement> statements;
        try {
            statements = rewriter->rewrite(sql());
        } catch (const DialectError& e) {
            throw DbError(e.message());
        }
        for (const auto& statement : statements)
            runStatement(db, statement.sql, statement.parameters, true);
    }
    if (wantRows && !result_)
        throw DbError(QStringLiteral("A instrução não devolveu um conjunto de registros."));
    if (result_) afterMove(result_->first());
}

void Query::runStatement(QSqlDatabase& db, const QString& sql, const QStringList& parameters,
                         bool sqliteDialect) {
    QSqlQuery query(db);
    bool ok = false;
    if (parameters.isEmpty() || params_.isEmpty()) {
        if (sqliteDialect && !parameters.isEmpty())
            throw DbError(QStringLiteral("Parâmetro sem valor: %1").arg(parameters.first()));
        ok = query.exec(sql);
    } else {
        if (!query.prepare(sql)) throw DbError(driverText(query.lastError()));
        for (const auto& name : parameters) {
            const auto found = params_.constFind(parameterKey(name));
            if (found == params_.constEnd()) {
                if (sqliteDialect)
                    throw DbError(QStringLiteral("Parâmetro sem valor: %1").arg(name));
                continue;
            }
            query.bindValue(u':' + name, sqliteDialect ? forSqlite(found->value) : found->value);
        }
        ok = query.exec();
    }
    if (!ok) throw DbError(driverText(query.lastError()));
    if (query.isSelect()) {
        // The batch's first result set is the one the caller reads.
        if (!result_) {
            result_.emplace(std::move(query));
            dateTimeColumns_ = sqliteDateTimeColumns(*result_);
        }
    } else if (query.numRowsAffected() > 0) {
        rowsAffected_ += query.numRowsAffected();
    }
}

// As the record sets the screens grew up with: after opening or first() both flags tell
// whether the set is empty, bof stays true on the first row until the cursor moves on.
void Query::afterMove(bool onRow) {
    eof_ = !onRow;
    bof_ = true;
}

void Query::first() {
    if (!result_) return;
    afterMove(result_->first());
}

void Query::next() {
    if (!result_ || eof_) return;
    bof_ = false;
    if (!result_->next()) {
        result_->last();
        eof_ = true;
    }
}

void Query::prior() {
    if (!result_ || bof_) return;
    eof_ = false;
    if (!result_->previous()) {
        result_->first();
        bof_ = true;
    }
}

void Query::last() {
    if (!result_) return;
    const bool onRow = result_->last();
    eof_ = !onRow;
    bof_ = !onRow;
    if (onRow && result_->at() == 0) bof_ = true;
}

int Query::recordCount() {
    if (!result_) return 0;
    const int at = result_->at();
    if (!result_->last()) return 0;
    const int count = result_->at() + 1;
    if (at >= 0)
        result_->seek(at);
    else
        result_->first();
    return count;
}

int Query::column(const QString& field) const {
    if (!result_) throw DbError(QStringLiteral("Consulta fechada: campo %1").arg(field));
    const QSqlRecord record = result_->record();
    int index = record.indexOf(field);
    if (index < 0) {
        // Accented aliases reach SQLite without their accents.
        const QString wanted = folded(field);
        for (int i = 0; i < record.count() && index < 0; ++i)
            if (folded(record.fieldName(i)) == wanted) index = i;
    }
    if (index < 0) throw DbError(QStringLiteral("Campo não encontrado: %1").arg(field));
    return index;
}

bool Query::hasField(const QString& name) const {
    if (!result_) return false;
    try {
        column(name);
        return true;
    } catch (const DbError&) {
        return false;
    }
}

QStringList Query::fieldNames() const {
    QStringList names;
    if (!result_) return names;
    const QSqlRecord record = result_->record();
    for (int i = 0; i < record.count(); ++i) names << record.fieldName(i);
    return names;
}

QVariant Query::value(int column) const {
    if (!result_ || eof_) return {};
    const QVariant v = result_->value(column);
    if (v.isNull()) return {};
    if (isDateTimeColumn(column)) {
        const QDateTime when = toDateTime(v);
        return when.isValid() ? QVariant(when) : v;
    }
    return v;
}

bool Query::isDateTimeColumn(int column) const {
    return column >= 0 && column < dateTimeColumns_.size() && dateTimeColumns_[column];
}

QVariant Query::value(const QString& field) const {
    return value(column(field));
}

QString Query::text(const QString& field) const {
    return value(field).toString();
}

int Query::integer(const QString& field) const {
    return value(field).toInt();
}

double Query::number(const QString& field) const {
    return value(field).toDouble();
}

QDateTime Query::dateTime(const QString& field) const {
    return toDateTime(value(field));
}

}  // namespace orbadil::db
