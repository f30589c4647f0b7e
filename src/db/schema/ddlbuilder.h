#pragma once

// Small vocabulary for writing the embedded schema: a table is its name and its columns in the
// order "select *" returns them.

#include <QString>
#include <QStringList>

namespace orbadil::db::schema::detail {

// Keys the program computes (newest + 1, max + 1); an omitted key still gets one.
inline const QString kClientKey = QStringLiteral("INTEGER PRIMARY KEY");
// Keys the server assigns: never reused, so "the newest key" read back is the new row's.
inline const QString kServerKey = QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
inline const QString kInteger = QStringLiteral("INTEGER");
inline const QString kReal = QStringLiteral("REAL");
// NUMERIC affinity leaves 'yyyy-MM-dd HH:mm:ss' as text, so date-times compare as text.
inline const QString kDateTime = QStringLiteral("DATETIME");
// Digits kept as text on the server but compared there as numbers (house-number ranges).
inline const QString kNumberAsText = QStringLiteral("NUMERIC");

// The server's text(n); the width is enforced by the program and only recorded here.
QString text(int width);
// Unbounded text: long text, or text whose width no field definition shows.
QString text();
QString withDefault(const QString& type, const QString& literal);

class Table {
  public:
    explicit Table(QString name);
    Table& column(const QString& name, const QString& type);
    // Inserido_Por, Inserido_Em, Modificado_Por, Modificado_Em.
    Table& audit();
    // Inserido_por, Inserido_em, Modificado_por, Modificado_em.
    Table& auditLowerCase();
    Table& constraint(const QString& clause);
    QString sql() const;

  private:
    QString name_;
    QStringList definitions_;
};

QString createIndex(const QString& name, const QString& table, const QString& columns);

QStringList mainTables();
QStringList mainIndexes();
QString exportView();
QStringList addressBaseDdl();
QStringList zoonosisDdl();

}  // namespace orbadil::db::schema::detail
