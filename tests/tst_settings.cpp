#include <QTemporaryDir>
#include <QtTest>

#include "common/settings.h"

using namespace orbadil;

class TestSettings : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString write(const QString& text) {
        const QString path = dir.filePath(QStringLiteral("orbadil.ini"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("cannot write");
        file.write(text.toUtf8());
        return path;
    }

  private slots:
    void readsEveryConnectionAndTheMail() {
        const QString path = write(QStringLiteral(
            "[BANCO_TRUV]\nKind=odbc\nConnectionString=DSN=TRUV_ODBC\nUser=truv\nPassword=s3\n"
            "ServerName=SRVZOO01\n"
            "[DB_Padrao]\nKind=sqlite\nDatabase=dados/padrao.db\n"
            "[DB_KERNO]\nKind=odbc\nDialect=sqlite\nConnectionString=DRIVER=SQLite3\n"
            "Catalog=outro\n"
            "[Mail]\nHost=smtp.exemplo\nPort=587\nMailbox=ccz@exemplo\n"));
        const Settings s = loadSettings(path);
        QCOMPARE(s.connections.size(), 3);
        const auto* main = s.connection(QStringLiteral("banco_truv"));
        QVERIFY(main);
        QCOMPARE(main->kind, ConnectionSettings::Kind::Odbc);
        QCOMPARE(main->dialect, ConnectionSettings::Dialect::SqlServer);
        QCOMPARE(main->catalog, QStringLiteral("ZooAnimais_dsv"));
        QCOMPARE(main->serverName, QStringLiteral("SRVZOO01"));
        QCOMPARE(main->user, QStringLiteral("truv"));
        const auto* padrao = s.connection(QStringLiteral("DB_PADRAO"));
        QCOMPARE(padrao->dialect, ConnectionSettings::Dialect::Sqlite);
        QCOMPARE(padrao->database, dir.filePath(QStringLiteral("dados/padrao.db")));
        QCOMPARE(s.connection(QStringLiteral("DB_KERNO"))->dialect,
                 ConnectionSettings::Dialect::Sqlite);
        QCOMPARE(s.connection(QStringLiteral("DB_KERNO"))->catalog, QStringLiteral("outro"));
        QCOMPARE(s.mail.port, 587);
        QCOMPARE(s.mail.mailbox, QStringLiteral("ccz@exemplo"));
    }

    void faultsNameTheFileAndKey_data() {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<QString>("key");
        QTest::newRow("unknown kind") << "[BANCO_TRUV]\nKind=oracle\nDatabase=a.db\n"
                                      << "BANCO_TRUV/Kind";
        QTest::newRow("unknown dialect") << "[BANCO_TRUV]\nDatabase=a.db\nDialect=mysql\n"
                                         << "BANCO_TRUV/Dialect";
        QTest::newRow("sqlite without file") << "[DB_Padrao]\nKind=sqlite\n"
                                             << "BANCO_TRUV/Database";
        QTest::newRow("odbc without connection")
            << "[BANCO_TRUV]\nDatabase=a.db\n[DB_Padrao]\nKind=odbc\n"
            << "DB_Padrao/ConnectionString";
        QTest::newRow("bad flag") << "[BANCO_TRUV]\nDatabase=a.db\nCreate=talvez\n"
                                  << "BANCO_TRUV/Create";
        QTest::newRow("bad port")
            << "[BANCO_TRUV]\nDatabase=a.db\n[DB_Padrao]\nDatabase=b.db\n[DB_KERNO]\n"
               "Database=c.db\n[Mail]\nPort=abc\n"
            << "Mail/Port";
    }
    void faultsNameTheFileAndKey() {
        QFETCH(QString, ini);
        QFETCH(QString, key);
        const QString path = write(ini);
        try {
            loadSettings(path);
            QFAIL("accepted a broken settings file");
        } catch (const SettingsError& e) {
            QVERIFY2(e.message().contains(path), qPrintable(e.message()));
            QVERIFY2(e.message().contains(key), qPrintable(e.message()));
        }
    }

    void missingFileIsNamed() {
        const QString path = dir.filePath(QStringLiteral("nao-existe.ini"));
        try {
            loadSettings(path);
            QFAIL("accepted a missing file");
        } catch (const SettingsError& e) {
            QVERIFY(e.message().contains(path));
        }
    }

    void environmentVariableNamesTheFile() {
        const QString path =
            write(QStringLiteral("[BANCO_TRUV]\nDatabase=x.db\n[DB_Padrao]\nDatabase=y.db\n[DB_"
                                 "KERNO]\nDatabase=z.db\n"));
        qputenv(kSettingsVariable, path.toUtf8());
        const Settings s = locateSettings();
        qunsetenv(kSettingsVariable);
        QCOMPARE(s.file, path);
        QCOMPARE(s.connection(QStringLiteral("DB_KERNO"))->database, dir.filePath("z.db"));
        QVERIFY(!s.connection(QStringLiteral("DB_KERNO"))->create);
    }

    void embeddedDefaultCreatesThreeFilesWithDemoData() {
        const Settings s = embeddedSettings(dir.path());
        QCOMPARE(s.connections.size(), 3);
        QStringList names;
        for (const auto& c : s.connections) {
            names << c.logicalName;
            QVERIFY(c.create && c.demoData);
            QVERIFY(c.database.startsWith(dir.path()));
        }
        QCOMPARE(names, logicalConnectionNames());
        QCOMPARE(names, (QStringList{"BANCO_TRUV", "DB_Padrao", "DB_KERNO"}));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
