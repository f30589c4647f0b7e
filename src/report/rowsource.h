#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

namespace orbadil::db {
class Query;
}

namespace orbadil::report {

// One row's values, fields matched without regard to case.
class Row {
  public:
    Row() = default;
    explicit Row(const QVariantMap& values);
    void set(const QString& field, const QVariant& value);

    // A field the row does not have throws Error, so a misspelt name shows at once; a row
    // with no fields at all (a report over no rows) reads every field as NULL.
    QVariant value(const QString& field) const;
    QString text(const QString& field) const;  // empty for NULL
    QStringList fields() const { return names_; }

  private:
    QHash<QString, QVariant> values_;  // by lower-case name
    QStringList names_;
};

// Rows read forward, once. The first next() stands on the first row; false means no more.
class RowSource {
  public:
    virtual ~RowSource() = default;
    virtual bool next() = 0;
    virtual QStringList fields() const = 0;
    virtual QVariant value(const QString& field) const = 0;
    Row current() const;
};

// Rows built in memory, by screens that make them themselves and by tests.
class MemoryRows : public RowSource {
  public:
    MemoryRows() = default;
    explicit MemoryRows(const QList<QVariantMap>& rows);
    void append(const QVariantMap& row) { rows_.append(Row(row)); }

    bool next() override;
    QStringList fields() const override;
    QVariant value(const QString& field) const override;

  private:
    QList<Row> rows_;
    qsizetype at_ = -1;
};

// A query read row by row; it is opened on the first next() unless already open.
class QueryRows : public RowSource {
  public:
    explicit QueryRows(db::Query& query) : query_(query) {}

    bool next() override;
    QStringList fields() const override;
    QVariant value(const QString& field) const override;

  private:
    db::Query& query_;
    bool started_ = false;
};

}  // namespace orbadil::report
