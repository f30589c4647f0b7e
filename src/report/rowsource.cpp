#include "report/rowsource.h"

#include "common/error.h"
#include "db/query.h"

namespace orbadil::report {

Row::Row(const QVariantMap& values) {
    for (auto it = values.begin(); it != values.end(); ++it) set(it.key(), it.value());
}

void Row::set(const QString& field, const QVariant& value) {
    const QString key = field.toLower();
    if (!values_.contains(key)) names_.append(field);
    values_.insert(key, value);
}

QVariant Row::value(const QString& field) const {
    const auto it = values_.constFind(field.toLower());
    if (it != values_.constEnd()) return *it;
    if (values_.isEmpty()) return {};
    throw Error(QStringLiteral("O relatório usa o campo %1, que os dados não têm.").arg(field));
}

QString Row::text(const QString& field) const {
    const QVariant v = value(field);
    return v.isNull() ? QString() : v.toString();
}

Row RowSource::current() const {
    Row row;
    for (const QString& field : fields()) row.set(field, value(field));
    return row;
}

MemoryRows::MemoryRows(const QList<QVariantMap>& rows) {
    for (const QVariantMap& row : rows) append(row);
}

bool MemoryRows::next() {
    if (at_ < rows_.size()) ++at_;
    return at_ < rows_.size();
}

QStringList MemoryRows::fields() const {
    return at_ >= 0 && at_ < rows_.size() ? rows_[at_].fields() : QStringList();
}

QVariant MemoryRows::value(const QString& field) const {
    return at_ >= 0 && at_ < rows_.size() ? rows_[at_].value(field) : QVariant();
}

bool QueryRows::next() {
    if (!started_ && !query_.isOpen()) query_.open();
    if (started_) query_.next();
    started_ = true;
    return !query_.eof();
}

QStringList QueryRows::fields() const {
    return query_.fieldNames();
}

QVariant QueryRows::value(const QString& field) const {
    return query_.value(field);
}

}  // namespace orbadil::report
