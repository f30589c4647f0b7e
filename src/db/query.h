#pragma once

#include <QDateTime>
#include <QHash>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

#include "db/connections.h"

namespace orbadil::db {

// A statement built line by line, run on a named connection, with fields read by name.
// On a SQLite connection the text is rewritten from the server dialect before it runs.
// Failures throw DbError with the driver's text.
class Query {
  public:
    explicit Query(QString connection = Connections::mainConnection());

    void clear();
    Query& add(const QString& line);
    void setSql(const QString& text);
    QString sql() const { return lines_.join(u'\n'); }
    const QString& connectionName() const { return connection_; }

    // Named parameter, written ":pNome" in the text; the colon is optional here.
    void setParam(const QString& name, const QVariant& value);

    // Runs the batch. open() expects a result set and stands on its first row; exec() does
    // not. run() accepts both and says whether there is one.
    void open();
    void exec();
    bool run();
    void close();
    bool isOpen() const { return result_.has_value(); }

    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    void first();
    void next();
    void prior();
    void last();
    int recordCount();

    bool hasField(const QString& name) const;
    QStringList fieldNames() const;
    QVariant value(const QString& field) const;  // null QVariant for NULL
    QVariant value(int column) const;
    bool isDateTimeColumn(int column) const;
    QString text(const QString& field) const;  // empty for NULL
    int integer(const QString& field) const;   // 0 for NULL
    double number(const QString& field) const;
    QDateTime dateTime(const QString& field) const;  // invalid for NULL

    int rowsAffected() const { return rowsAffected_; }

  private:
    void execute(bool wantRows);
    void runStatement(QSqlDatabase& db, const QString& sql, const QStringList& parameters,
                      bool sqliteDialect);
    void afterMove(bool onRow);
    int column(const QString& field) const;

    QString connection_;
    QStringList lines_;
    struct Param {
        QString name;  // as the caller wrote it, without the colon
        QVariant value;
    };
    QHash<QString, Param> params_;  // by lower-case name
    std::optional<QSqlQuery> result_;
    QList<bool> dateTimeColumns_;  // SQLite columns declared DATETIME, read as QDateTime
    bool eof_ = true;
    bool bof_ = true;
    int rowsAffected_ = 0;
};

// Value helpers shared by queries and record sets.
QDateTime toDateTime(const QVariant& value);

}  // namespace orbadil::db
