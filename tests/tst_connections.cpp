#include <unistd.h>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QScopeGuard>
#include <QtTest>

#include "app/tdtmprincipal.h"
#include "db/dberror.h"
#include "db/query.h"
#include "support/testdatabases.h"

using namespace orbadil;

namespace {

int count(const QString& sql, const QString& connection = QStringLiteral("BANCO_TRUV")) {
    db::Query query(connection);
    query.setSql(sql);
    query.open();
    return query.value(0).toInt();
}

}  // namespace

class TestConnections : public QObject {
    Q_OBJECT

  private slots:
    void firstStartCreatesAndSecondStartKeeps() {
        QTemporaryDir dir;
        int units = 0;
        {
            db::Connections first(embeddedSettings(dir.path()));
            units = count(QStringLiteral("select count(*) from unidade_trabalho"));
            QVERIFY(units > 0);
            QVERIFY(count(QStringLiteral("select count(*) from logradouro"), "DB_Padrao") > 0);
            QVERIFY(count(QStringLiteral("select count(*) from sa001041"), "db_kerno") > 0);
            db::Query change;
            change.setSql(QStringLiteral("update unidade_trabalho set Descricao = 'mudada'"));
            change.exec();
        }
        QVERIFY(QFile::exists(dir.filePath("truv.db")));
        QVERIFY(QFile::exists(dir.filePath("padrao.db")));
        QVERIFY(QFile::exists(dir.filePath("kerno.db")));
        db::Connections second(embeddedSettings(dir.path()));
        QCOMPARE(count(QStringLiteral("select count(*) from unidade_trabalho")), units);
        QCOMPARE(count(QStringLiteral(
                     "select count(*) from unidade_trabalho where Descricao <> 'mudada'")),
                 0);
    }

    void logicalNamesIgnoreCase() {
        test::TestDatabases dbs;
        for (const char* name : {"BANCO_TRUV", "Banco_TRUV", "banco_truv"})
            QCOMPARE(
                count(QStringLiteral("select count(*) from perfil"), QString::fromLatin1(name)), 0);
        QVERIFY_THROWS_EXCEPTION(db::DbError, dbs.connections().database("BANCO_OUTRO"));
    }

    void threePartNamesReachTheAddressBase() {
        test::TestDatabases dbs;
        dbs.exec("insert into areaabrang (cod_area_abrn, des_area_abrn) values (7, 'AREA SETE')",
                 "DB_Padrao");
        QCOMPARE(count(QStringLiteral("select count(*) from padrao..AreaAbrang "
                                      "where des_area_abrn = 'área sete'")),
                 1);
    }

    void failedConnectionIsReportedAndTheRestOpenLater() {
        QTemporaryDir dir;
        Settings settings = embeddedSettings(dir.path());
        for (auto& c : settings.connections) c.demoData = false;
        settings.connections[1].create = false;
        settings.connections[1].database = dir.filePath("sem-base/padrao.db");
        test::ScriptedMessages messages;
        app::TdtmPrincipal holder(settings);
        holder.DataModuleCreate();
        QCOMPARE(messages.messages.size(), 1);
        QCOMPARE(messages.messages[0].kind, QStringLiteral("error"));
        QVERIFY(messages.messages[0].text.contains("sem-base/padrao.db"));
        auto& connections = holder.connections();
        QVERIFY(connections.isOpen("BANCO_TRUV"));
        QVERIFY(!connections.isOpen("DB_Padrao"));
        QVERIFY(!connections.isOpen("DB_KERNO"));
        // Statements on the main database still work; the zoonosis one opens on first use.
        QCOMPARE(count(QStringLiteral("select count(*) from usuario")), 0);
        QCOMPARE(count(QStringLiteral("select count(*) from sa001042"), "DB_KERNO"), 0);
        QVERIFY(connections.isOpen("DB_KERNO"));
        QVERIFY_THROWS_EXCEPTION(db::DbError, count("select count(*) from bairro", "DB_Padrao"));
    }

    void holderSetsRegionalSettingsAndNamesItsComponents() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        test::TestDatabases dbs;
        app::TdtmPrincipal holder(dbs.settings());
        holder.DataModuleCreate();
        QCOMPARE(QLocale().toString(QDate(2026, 3, 5), QLocale::ShortFormat),
                 QStringLiteral("05/03/2026"));
        QCOMPARE(QLocale().toString(2.5), QStringLiteral("2,5"));
        QCOMPARE(holder.objectName(), QStringLiteral("dtmPrincipal"));
        QCOMPARE(app::dtmPrincipal, &holder);
        QStringList names;
        for (auto* c : holder.findChildren<app::DatabaseComponent*>())
            names << c->objectName() + '=' + c->databaseName();
        QCOMPARE(names,
                 (QStringList{"dtbTRUV=BANCO_TRUV", "dtbPadrao=DB_Padrao", "dtbKERNO=DB_KERNO"}));
    }

    void damagedFilesGiveTheDriverMessage_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("fragment");
        QTest::newRow("not a database") << QByteArray(4096, 'x') << "not a database";
        QTest::newRow("truncated header")
            << QByteArray("SQLite format 3\0garbage", 24) << "database";
    }
    void damagedFilesGiveTheDriverMessage() {
        QFETCH(QByteArray, content);
        QFETCH(QString, fragment);
        QTemporaryDir dir;
        QFile file(dir.filePath("truv.db"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        test::ScriptedMessages messages;
        app::TdtmPrincipal holder(embeddedSettings(dir.path()));
        holder.DataModuleCreate();
        QCOMPARE(messages.messages.size(), 1);
        QVERIFY2(messages.messages[0].text.contains(fragment, Qt::CaseInsensitive),
                 qPrintable(messages.messages[0].text));
    }

    void readOnlyDatabaseRefusesWritesWithTheDriverMessage() {
        test::TestDatabases dbs;
        dbs.connections().open("BANCO_TRUV");
        const QString file = dbs.settings().connections[0].database;
        QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup);
        // Root ignores permission bits; the immutable flag stops it too.
        const bool root = geteuid() == 0;
        if (root && QProcess::execute("chattr", {"+i", file}) != 0)
            QSKIP("cannot make the file read-only for root here");
        auto restore = qScopeGuard([&] {
            if (root) QProcess::execute("chattr", {"-i", file});
        });
        db::Connections again(dbs.settings());
        QCOMPARE(count("select count(*) from perfil"), 0);
        db::Query insert;
        insert.setSql("insert into perfil (Id_Perfil, Nome) values (1, 'X')");
        try {
            insert.exec();
            QFAIL("wrote to a read-only database");
        } catch (const db::DbError& e) {
            QVERIFY2(e.message().contains("readonly", Qt::CaseInsensitive) ||
                         e.message().contains("read-only", Qt::CaseInsensitive),
                     qPrintable(e.message()));
        }
    }

    void transactionsCommitAndRollBack() {
        test::TestDatabases dbs;
        auto& connections = dbs.connections();
        db::Query insert;
        connections.startTransaction();
        insert.setSql("insert into perfil (Id_Perfil, Nome) values (1, 'UM')");
        insert.exec();
        connections.rollback();
        QCOMPARE(count("select count(*) from perfil"), 0);
        connections.startTransaction();
        QVERIFY_THROWS_EXCEPTION(db::DbError, connections.startTransaction());
        insert.exec();
        connections.commit();
        QVERIFY(!connections.inTransaction());
        QCOMPARE(count("select count(*) from perfil"), 1);
    }

    void parametersTextCarriesTheServerName() {
        test::TestDatabases dbs;
        Settings settings = dbs.settings();
        settings.connections[0].serverName = "SRVZOO01";
        db::Connections connections(settings);
        QCOMPARE(connections.parametersText("banco_truv").split('\n').first(),
                 QStringLiteral("SERVER NAME=SRVZOO01"));
    }
};

QTEST_MAIN(TestConnections)
#include "tst_connections.moc"
