#pragma once

// Builds the demo data as plain INSERT statements, several rows per statement.

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

namespace orbadil::db::schema::detail {

inline const QVariant kNull;

// Text is quoted with doubled apostrophes; numbers are written as numbers; null as NULL.
QString sqlLiteral(const QVariant& value);

class Insert {
  public:
    Insert(QString table, QStringList columns);
    // One value per column, in the column order given to the constructor.
    Insert& row(const QVariantList& values);
    QStringList statements() const;

  private:
    QString table_;
    QStringList columns_;
    QStringList rows_;
};

}  // namespace orbadil::db::schema::detail
