#include "db/connections.h"

#include <sqlite3.h>
#include <QDir>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <atomic>

#include "db/dberror.h"
#include "db/dialect/sqlfunctions.h"
#include "db/quoting.h"
#include "db/schema/schema.h"

namespace orbadil::db {

struct Connections::Entry {
    ConnectionSettings settings;
    QString qtName;
    std::unique_ptr<SqliteRewriter> rewriter;
};

namespace {

Connections* currentInstance = nullptr;

void run(QSqlDatabase& db, const QString& sql) {
    QSqlQuery query(db);
    if (!query.exec(sql)) throw DbError(driverText(query.lastError()));
}

schema::Catalog catalogOf(const QString& logicalName) {
    if (logicalName.compare(u"DB_Padrao", Qt::CaseInsensitive) == 0)
        return schema::Catalog::AddressBase;
    if (logicalName.compare(u"DB_KERNO", Qt::CaseInsensitive) == 0)
        return schema::Catalog::Zoonosis;
    return schema::Catalog::Main;
}

bool hasNoTables(QSqlDatabase& db) {
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("select count(*) from main.sqlite_master")) || !query.next())
        throw DbError(driverText(query.lastError()));
    return query.value(0).toInt() == 0;
}

void runAll(QSqlDatabase& db, const QStringList& statements) {
    if (!db.transaction()) throw DbError(driverText(db.lastError()));
    try {
        for (const auto& sql : statements) run(db, sql);
    } catch (...) {
        db.rollback();
        throw;
    }
    if (!db.commit()) throw DbError(driverText(db.lastError()));
}

}  // namespace

Connections::Connections(Settings settings) : settings_(std::move(settings)) {
    static std::atomic<int> counter = 0;
    prefix_ = QStringLiteral("orbadil-%1-").arg(++counter);
    for (const auto& c : settings_.connections) {
        auto e = std::make_unique<Entry>();
        e->settings = c;
        e->qtName = prefix_ + c.logicalName;
        const bool sqlite = c.kind == ConnectionSettings::Kind::Sqlite;
        QSqlDatabase::addDatabase(sqlite ? QStringLiteral("QSQLITE") : QStringLiteral("QODBC"),
                                  e->qtName);
        if (c.dialect == ConnectionSettings::Dialect::Sqlite) {
            QHash<QString, QString> catalogs{{c.catalog.toLower(), QStringLiteral("main")}};
            if (c.logicalName == mainConnection())
                for (const auto& other : settings_.connections)
                    if (other.logicalName != c.logicalName)
                        catalogs.insert(other.catalog.toLower(), other.catalog.toLower());
            e->rewriter = std::make_unique<SqliteRewriter>(catalogs);
        }
        entries_.push_back(std::move(e));
    }
    previous_ = currentInstance;
    currentInstance = this;
}

Connections::~Connections() {
    for (const auto& e : entries_) {
        {
            QSqlDatabase db = QSqlDatabase::database(e->qtName, false);
            if (db.isOpen()) db.close();
        }
        QSqlDatabase::removeDatabase(e->qtName);
    }
    if (currentInstance == this) currentInstance = previous_;
}

Connections& Connections::current() {
    if (!currentInstance) throw DbError(QStringLiteral("Nenhuma conexão configurada."));
    return *currentInstance;
}

bool Connections::hasCurrent() {
    return currentInstance != nullptr;
}

Connections::Entry& Connections::entry(const QString& logicalName) {
    return const_cast<Entry&>(std::as_const(*this).entry(logicalName));
}

const Connections::Entry& Connections::entry(const QString& logicalName) const {
    for (const auto& e : entries_)
        if (e->settings.logicalName.compare(logicalName, Qt::CaseInsensitive) == 0) return *e;
    throw DbError(QStringLiteral("Conexão desconhecida: %1").arg(logicalName));
}

bool Connections::isOpen(const QString& logicalName) const {
    return QSqlDatabase::database(entry(logicalName).qtName, false).isOpen();
}

void Connections::open(const QString& logicalName) {
    Entry& e = entry(logicalName);
    if (isOpen(logicalName)) return;
    if (e.settings.kind == ConnectionSettings::Kind::Sqlite)
        openSqlite(e);
    else
        openOdbc(e);
}

void Connections::openSqlite(Entry& e) {
    const QString file = e.settings.database;
    if (!e.settings.create && !QFileInfo::exists(file))
        throw DbError(QStringLiteral("Arquivo de banco de dados não encontrado: %1").arg(file));
    if (e.settings.create) QDir().mkpath(QFileInfo(file).absolutePath());
    QSqlDatabase db = QSqlDatabase::database(e.qtName, false);
    db.setDatabaseName(file);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open()) throw DbError(driverText(db.lastError()));
    try {
        const QVariant handle = db.driver()->handle();
        if (qstrcmp(handle.typeName(), "sqlite3*") != 0)
            throw DbError(QStringLiteral("Driver SQLite sem acesso ao handle nativo."));
        sqlite3* native = *static_cast<sqlite3* const*>(handle.constData());
        if (registerSqlFunctions(native) != SQLITE_OK)
            throw DbError(QString::fromUtf8(sqlite3_errmsg(native)));
        prepareSqlite(e);
    } catch (...) {
        db.close();
        throw;
    }
}

// Creates the schema in an empty database; a database that has tables is never touched.
void Connections::prepareSqlite(Entry& e) {
    QSqlDatabase db = QSqlDatabase::database(e.qtName, false);
    run(db, QStringLiteral("PRAGMA foreign_keys = OFF"));
    if (hasNoTables(db) && e.settings.create) {
        const schema::Catalog catalog = catalogOf(e.settings.logicalName);
        runAll(db, schema::ddl(catalog));
        if (e.settings.demoData) runAll(db, schema::demoData(catalog));
    }
    attachSiblings(e);
}

// The main connection reaches the address base by three-part names, so it attaches it.
void Connections::attachSiblings(Entry& e) {
    if (e.settings.logicalName != mainConnection()) return;
    QSqlDatabase db = QSqlDatabase::database(e.qtName, false);
    for (const auto& other : entries_) {
        const auto& s = other->settings;
        if (other.get() == &e || s.kind != ConnectionSettings::Kind::Sqlite) continue;
        if (!s.create && !QFileInfo::exists(s.database)) continue;
        if (s.create) QDir().mkpath(QFileInfo(s.database).absolutePath());
        QSqlQuery query(db);
        // A missing address base must not keep the main database from opening.
        query.exec(QStringLiteral("ATTACH DATABASE %1 AS %2")
                       .arg(quoted(s.database), s.catalog.toLower()));
    }
}

void Connections::openOdbc(Entry& e) {
    QSqlDatabase db = QSqlDatabase::database(e.qtName, false);
    db.setDatabaseName(e.settings.connectionString);
    db.setUserName(e.settings.user);
    db.setPassword(e.settings.password);
    if (!db.open()) throw DbError(driverText(db.lastError()));
    if (e.settings.dialect == ConnectionSettings::Dialect::Sqlite) {
        attachSiblings(e);
        return;
    }
    // The statements write texts in double quotes and dates as dd/mm/yyyy, which ODBC's
    // session defaults would read as identifiers and as mm/dd/yyyy.
    try {
        run(db, QStringLiteral("SET QUOTED_IDENTIFIER OFF"));
        run(db, QStringLiteral("SET DATEFORMAT dmy"));
    } catch (...) {
        db.close();
        throw;
    }
}

QSqlDatabase Connections::database(const QString& logicalName) {
    open(logicalName);
    return QSqlDatabase::database(entry(logicalName).qtName, false);
}

const ConnectionSettings& Connections::settings(const QString& logicalName) const {
    return entry(logicalName).settings;
}

const SqliteRewriter* Connections::rewriter(const QString& logicalName) const {
    return entry(logicalName).rewriter.get();
}

QString Connections::parametersText(const QString& logicalName) const {
    const auto& s = settings(logicalName);
    QStringList lines;
    if (!s.serverName.isEmpty()) lines << QStringLiteral("SERVER NAME=") + s.serverName;
    lines << QStringLiteral("DATABASE NAME=") + s.catalog;
    lines << QStringLiteral("USER NAME=") + s.user;
    return lines.join(u'\n');
}

void Connections::startTransaction() {
    if (inTransaction_) throw DbError(QStringLiteral("Já existe uma transação ativa."));
    QSqlDatabase db = database(mainConnection());
    if (!db.transaction()) throw DbError(driverText(db.lastError()));
    inTransaction_ = true;
}

void Connections::commit() {
    QSqlDatabase db = database(mainConnection());
    inTransaction_ = false;
    if (!db.commit()) throw DbError(driverText(db.lastError()));
}

void Connections::rollback() {
    QSqlDatabase db = database(mainConnection());
    inTransaction_ = false;
    if (!db.rollback()) throw DbError(driverText(db.lastError()));
}

}  // namespace orbadil::db
