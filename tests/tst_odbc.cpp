#include <QFileInfo>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QtTest>

#include "db/connections.h"
#include "db/query.h"
#include "support/testdatabases.h"

using namespace orbadil;

// The ODBC path, through unixODBC and SQLite's own ODBC driver, with the program's SQL
// functions loaded into it as an extension so the rewritten statements run there too.
class TestOdbc : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        if (!QSqlDatabase::isDriverAvailable("QODBC")) QSKIP("Qt ODBC driver missing");
    }

    void statementsRunThroughOdbc() {
        const QString extension =
            qEnvironmentVariable("ORBADIL_BUILD_DIR") + QStringLiteral("/orbadil_sqlite.so");
        QVERIFY2(QFileInfo::exists(extension), qPrintable(extension));
        // The schema comes from the program's own code over the embedded path first.
        test::TestDatabases embedded;
        embedded.exec(
            "insert into proprietario (Nome, Num_CPF_CNPJ) values ('JOSÉ DA SILVA', "
            "'11144477735')");

        Settings settings = embedded.settings();
        auto& main = settings.connections[0];
        main.kind = ConnectionSettings::Kind::Odbc;
        main.dialect = ConnectionSettings::Dialect::Sqlite;
        main.connectionString =
            QStringLiteral("DRIVER=SQLite3;Database=%1;LoadExt=%2").arg(main.database, extension);
        db::Connections odbc(settings);
        db::Query query;
        query.add(" select top 1 cast(Id_Proprietario as varchar) + ' - ' + upper(Nome) as nome ");
        query.add(" from proprietário ");
        query.add(" where Nome like 'jose%' ");
        query.open();
        QCOMPARE(query.text("nome"), QStringLiteral("1 - JOSÉ DA SILVA"));
        QCOMPARE(odbc.database("BANCO_TRUV").driverName(), QStringLiteral("QODBC"));

        // The address base is reached by its three-part name over ODBC as well.
        embedded.exec("insert into bairro (num_bair, nom_Bair) values (3, 'CENTRO')", "DB_Padrao");
        db::Query district;
        district.setSql(" select nom_bair from padrao..bairro where num_bair = 3 ");
        district.open();
        QCOMPARE(district.text("nom_bair"), QStringLiteral("CENTRO"));
    }
};

QTEST_GUILESS_MAIN(TestOdbc)
#include "tst_odbc.moc"
