#pragma once

#include <QString>
#include <QStringList>

namespace orbadil::db::schema {

// The main database's columns as the embedded schema declares them, which are the server's.
// Tables and columns are matched without regard to case.
QStringList tableColumns(const QString& table);

// The width n of a text(n) column; 0 for unbounded text, other types and unknown columns.
int textWidth(const QString& table, const QString& column);

}  // namespace orbadil::db::schema
