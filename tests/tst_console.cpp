#include <QTemporaryDir>
#include <QtTest>

#include "app/sqlconsole.h"
#include "common/formats.h"
#include "support/settingsfile.h"

using namespace orbadil;

namespace {

struct Run {
    int code = 0;
    QString out;
    QString err;
};

Run console(const QStringList& args, const QString& input = {}) {
    QString inText = input;
    Run r;
    QTextStream in(&inText);
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.code = app::runSqlConsole(QStringList{"orbadil-sql"} + args, in, out, err);
    out.flush();
    err.flush();
    return r;
}

}  // namespace

class TestConsole : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString settings;

  private slots:
    void initTestCase() {
        applyRegionalSettings();
        settings = test::writeSettingsFile(dir.path());
    }

    void statementPrintsRowsAsTabSeparatedText() {
        const Run insert = console(
            {"--settings", settings,
             "insert into receituario_texto_peso (Id_Receituario_texto_Peso, Peso, Texto, "
             "Inserido_Em) values (1, 2.5, 'Dose', convert(datetime, '05/03/2026 14:30', 103))"});
        QCOMPARE(insert.code, 0);
        QVERIFY2(insert.out.contains("1 linha"), qPrintable(insert.out));
        const Run select = console({"--settings", settings,
                                    "select Id_Receituario_texto_Peso as id, Peso, Inserido_Em, "
                                    "Texto + ' diária' as txt from receituario_texto_peso"});
        QCOMPARE(select.code, 0);
        QCOMPARE(select.out,
                 QStringLiteral("id\tPeso\tInserido_Em\ttxt\n1\t2,5\t05/03/2026 14:30:00\t"
                                "Dose diária\n"));
        // Dates turned into text by the statement itself stay as the statement made them.
        const Run text = console({"--settings", settings,
                                  "select convert(char(10), Inserido_Em, 120) as d, "
                                  "max(Inserido_Em) as m from receituario_texto_peso"});
        QCOMPARE(text.out, QStringLiteral("d\tm\n2026-03-05\t05/03/2026 14:30:00\n"));
    }

    void batchesFromInputSeparatedByGo() {
        const Run r = console({"--settings", settings},
                              "insert into perfil (Id_Perfil, Nome) values (70, 'SETENTA')\n"
                              "GO\n"
                              "select top 1 Nome from perfil\n order by Id_Perfil desc\n"
                              "  go  \n");
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QStringLiteral("(1 linha(s) afetada(s))\nNome\nSETENTA\n"));
    }

    void namedConnectionIgnoringCase() {
        const Run r = console({"--settings", settings, "--connection", "db_padrao",
                               "select count(*) as n from bairro"});
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.startsWith("n\n"));
    }

    void errorsExitNonZeroWithTheDatabaseMessage_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("fragment");
        QTest::newRow("no such table") << QStringList{"select * from nada"} << "nada";
        QTest::newRow("unknown connection")
            << QStringList{"--connection", "OUTRA", "select 1"} << "OUTRA";
        QTest::newRow("unsupported construct") << QStringList{"set rowcount 5"} << "rowcount";
    }
    void errorsExitNonZeroWithTheDatabaseMessage() {
        QFETCH(QStringList, args);
        QFETCH(QString, fragment);
        const Run r = console(QStringList{"--settings", settings} + args);
        QVERIFY(r.code != 0);
        QVERIFY2(r.err.contains(fragment, Qt::CaseInsensitive), qPrintable(r.err));
    }

    void brokenSettingsFileIsNamed() {
        const Run r = console({"--settings", dir.filePath("nenhum.ini"), "select 1"});
        QVERIFY(r.code != 0);
        QVERIFY(r.err.contains("nenhum.ini"));
    }
};

QTEST_GUILESS_MAIN(TestConsole)
#include "tst_console.moc"
