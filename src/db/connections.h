#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <memory>

#include "common/settings.h"
#include "db/dialect/rewriter.h"

namespace orbadil::db {

// Owns the program's named connections for the whole run. Queries find theirs by logical
// name, without regard to case. One instance is current at a time; queries use it.
class Connections {
  public:
    explicit Connections(Settings settings);
    ~Connections();
    Connections(const Connections&) = delete;
    Connections& operator=(const Connections&) = delete;

    static Connections& current();
    static bool hasCurrent();

    // Opens one connection (a no-op when open). Throws DbError with the driver's text.
    void open(const QString& logicalName);
    bool isOpen(const QString& logicalName) const;

    // The open connection; an unopened one is opened first (and may throw).
    QSqlDatabase database(const QString& logicalName);
    const ConnectionSettings& settings(const QString& logicalName) const;
    const Settings& allSettings() const { return settings_; }

    // Rewriter for a connection that speaks SQLite; nullptr where statements go as written.
    const SqliteRewriter* rewriter(const QString& logicalName) const;

    // The connection's parameters, one per line, as "SERVER NAME=..." and the like.
    QString parametersText(const QString& logicalName) const;

    // Explicit transactions, on the main connection only.
    void startTransaction();
    void commit();
    void rollback();
    bool inTransaction() const { return inTransaction_; }

    static QString mainConnection() { return QStringLiteral("BANCO_TRUV"); }

  private:
    struct Entry;
    Entry& entry(const QString& logicalName);
    const Entry& entry(const QString& logicalName) const;
    void openSqlite(Entry& e);
    void openOdbc(Entry& e);
    void prepareSqlite(Entry& e);
    void attachSiblings(Entry& e);

    Settings settings_;
    QString prefix_;
    std::vector<std::unique_ptr<Entry>> entries_;
    bool inTransaction_ = false;
    Connections* previous_ = nullptr;
};

}  // namespace orbadil::db
