#include "db/recordset.h"

#include "db/dberror.h"
#include "db/keys.h"
#include "db/schema/columns.h"

namespace orbadil::db {

RecordSet::RecordSet(QString connection, QObject* parent)
    : QObject(parent), connection_(std::move(connection)) {}

void RecordSet::clear() {
    close();
    lines_.clear();
    params_.clear();
}

RecordSet& RecordSet::add(const QString& line) {
    lines_ << line;
    return *this;
}

void RecordSet::setParam(const QString& name, const QVariant& value) {
    params_.append({name, value});
}

void RecordSet::setTable(const QString& table, const QString& keyField, bool keyAssigned) {
    table_ = table;
    keyField_ = keyField;
    keyAssigned_ = keyAssigned;
}

void RecordSet::open() {
    close();
    Query query(connection_);
    for (const QString& line : std::as_const(lines_)) query.add(line);
    for (const auto& [name, value] : std::as_const(params_)) query.setParam(name, value);
    query.open();
    fields_ = query.fieldNames();
    for (; !query.eof(); query.next()) {
        QVariantList row;
        row.reserve(fields_.size());
        for (int c = 0; c < fields_.size(); ++c) row << query.value(c);
        rows_ << row;
    }
    current_ = rows_.isEmpty() ? -1 : 0;
    state_ = State::Browse;
    emit rowsReset();
    emit stateChanged();
    emit currentChanged();
}

void RecordSet::close() {
    const bool wasOpen = isOpen();
    fields_.clear();
    rows_.clear();
    saved_.clear();
    current_ = -1;
    state_ = State::Closed;
    if (!wasOpen) return;
    emit rowsReset();
    emit stateChanged();
    emit currentChanged();
}

void RecordSet::setState(State state) {
    if (state_ == state) return;
    state_ = state;
    emit stateChanged();
}

void RecordSet::append(const QVariantMap& defaults) {
    if (!canModify()) throw DbError(QStringLiteral("O registro não pode ser alterado."));
    if (isEditing()) cancel();
    previous_ = current_;
    rows_ << QVariantList(fields_.size());
    current_ = rowCount() - 1;
    setState(State::Insert);
    emit rowInserted(current_);
    for (auto it = defaults.cbegin(); it != defaults.cend(); ++it) setValue(it.key(), it.value());
    emit currentChanged();
}

void RecordSet::edit() {
    if (!canModify() || current_ < 0 || isEditing()) return;
    saved_ = rows_[current_];
    setState(State::Edit);
}

void RecordSet::cancel() {
    if (state_ == State::Insert) {
        const int row = current_;
        rows_.removeAt(row);
        current_ = previous_ >= 0 && previous_ < rowCount() ? previous_ : rowCount() - 1;
        setState(State::Browse);
        emit rowRemoved(row);
        emit currentChanged();
    } else if (state_ == State::Edit) {
        rows_[current_] = saved_;
        setState(State::Browse);
        emit rowChanged(current_);
        emit currentChanged();
    }
}

void RecordSet::post() {
    if (state_ == State::Insert)
        writeInsert();
    else if (state_ == State::Edit)
        writeUpdate();
    else
        return;
    setState(State::Browse);
    emit rowChanged(current_);
    emit currentChanged();
}

void RecordSet::moveTo(int row) {
    if (isEditing() || rows_.isEmpty()) return;
    row = std::clamp(row, 0, rowCount() - 1);
    if (row == current_) return;
    current_ = row;
    emit currentChanged();
}

int RecordSet::fieldIndex(const QString& field) const {
    for (int i = 0; i < fields_.size(); ++i)
        if (fields_[i].compare(field, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

int RecordSet::requireField(const QString& field) const {
    const int index = fieldIndex(field);
    if (index < 0) throw DbError(QStringLiteral("Campo não encontrado: %1").arg(field));
    return index;
}

QVariant RecordSet::value(const QString& field) const {
    const int column = fieldIndex(field);
    return column < 0 ? QVariant() : value(current_, column);
}

QVariant RecordSet::value(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= fields_.size()) return {};
    return rows_[row][column];
}

QString RecordSet::text(const QString& field) const {
    return value(field).toString();
}

void RecordSet::setValue(const QString& field, const QVariant& value) {
    if (!isEditing()) return;
    const int column = requireField(field);
    const QVariant v = fitted(column, value);
    if (rows_[current_][column] == v && rows_[current_][column].isNull() == v.isNull()) return;
    rows_[current_][column] = v;
    emit rowChanged(current_);
}

// The server refuses a text longer than its column; the screens cut it first.
QVariant RecordSet::fitted(int column, const QVariant& value) const {
    if (value.typeId() != QMetaType::QString || table_.isEmpty()) return value;
    const int width = schema::textWidth(table_, fields_[column]);
    const QString text = value.toString();
    return width > 0 && text.size() > width ? QVariant(text.left(width)) : value;
}

// The columns of the result that belong to the table; computed columns are not written, nor
// a key the database assigns.
QList<int> RecordSet::writableColumns() const {
    const QStringList tableColumns = schema::tableColumns(table_);
    QList<int> columns;
    for (int i = 0; i < fields_.size(); ++i) {
        const bool isKey = fields_[i].compare(keyField_, Qt::CaseInsensitive) == 0;
        if (isKey && keyAssigned_) continue;
        if (tableColumns.isEmpty() || tableColumns.contains(fields_[i], Qt::CaseInsensitive))
            columns << i;
    }
    return columns;
}

Query RecordSet::writer() const {
    return Query(connection_);
}

// Columns the new row never set are left out, so the table's defaults apply (a user's
// Status_Registro 'ATIVO', which sign-in looks for).
void RecordSet::writeInsert() {
    QStringList names, markers;
    Query query = writer();
    for (const int c : writableColumns()) {
        if (rows_[current_][c].isNull()) continue;
        names << fields_[c];
        markers << QStringLiteral(":p%1").arg(c);
        query.setParam(QStringLiteral("p%1").arg(c), rows_[current_][c]);
    }
    if (names.isEmpty()) {
        query.add(QStringLiteral("insert into %1 default values").arg(table_));
    } else {
        query.add(
            QStringLiteral("insert into %1 (%2)").arg(table_, names.join(QStringLiteral(", "))));
        query.add(QStringLiteral("values (%1)").arg(markers.join(QStringLiteral(", "))));
    }
    query.exec();
    const int key = fieldIndex(keyField_);
    if (keyAssigned_ && key >= 0) rows_[current_][key] = lastAssignedKey(connection_);
}

void RecordSet::writeUpdate() {
    const int key = requireField(keyField_);
    QStringList assignments;
    Query query = writer();
    for (const int c : writableColumns()) {
        assignments << QStringLiteral("%1 = :p%2").arg(fields_[c]).arg(c);
        query.setParam(QStringLiteral("p%1").arg(c), rows_[current_][c]);
    }
    query.setParam(QStringLiteral("pKey"), saved_.value(key));
    query.add(
        QStringLiteral("update %1 set %2").arg(table_, assignments.join(QStringLiteral(", "))));
    query.add(QStringLiteral("where %1 = :pKey").arg(keyField_));
    query.exec();
}

}  // namespace orbadil::db
