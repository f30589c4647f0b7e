#include <QSqlQuery>
#include <QtTest>

#include "db/dberror.h"
#include "db/keys.h"
#include "db/query.h"
#include "db/quoting.h"
#include "support/testdatabases.h"

using namespace orbadil;

class TestQuery : public QObject {
    Q_OBJECT

  private slots:
    void linesParametersAndFieldsByName() {
        test::TestDatabases dbs;
        dbs.exec(
            "insert into unidade_trabalho (Id_Unidade_Trabalho, Nome, Ind_Status, Inserido_Em)"
            " values (1, 'Centro', 'ATIVO', '2026-03-05 14:30:00'),"
            " (2, 'Norte', 'INATIVO', '2026-03-06 08:00:00')");
        db::Query query(QStringLiteral("Banco_TRUV"));
        query.add(" select Id_Unidade_Trabalho, upper(Nome) as nome, Inserido_Em ");
        query.add(" from unidade_trabalho ");
        query.add(" where Inserido_Em >= :pDesde and ind_status = :pStatus ");
        query.setParam("pDesde", QDateTime(QDate(2026, 3, 5), QTime(0, 0)));
        query.setParam(":pStatus", "ativo");
        query.open();
        QVERIFY(!query.eof());
        QCOMPARE(query.integer("id_unidade_trabalho"), 1);
        QCOMPARE(query.text("NOME"), QStringLiteral("CENTRO"));
        QCOMPARE(query.dateTime("inserido_em"), QDateTime(QDate(2026, 3, 5), QTime(14, 30)));
        QCOMPARE(query.value("Inserido_Em").typeId(), QMetaType::QDateTime);
        QCOMPARE(query.value("nome").typeId(), QMetaType::QString);
        query.next();
        QVERIFY(query.eof());
        QVERIFY_THROWS_EXCEPTION(db::DbError, query.value("Descricao"));
    }

    void navigationAndCount() {
        test::TestDatabases dbs;
        dbs.exec("insert into perfil (Id_Perfil, Nome) values (1, 'A'), (2, 'B'), (3, 'C')");
        db::Query query;
        query.setSql("select Id_Perfil from perfil order by Id_Perfil");
        query.open();
        QCOMPARE(query.recordCount(), 3);
        QCOMPARE(query.integer("Id_Perfil"), 1);
        QVERIFY(query.bof());
        query.last();
        QCOMPARE(query.integer("Id_Perfil"), 3);
        query.next();
        QVERIFY(query.eof());
        query.prior();
        QCOMPARE(query.integer("Id_Perfil"), 2);
        query.first();
        QCOMPARE(query.integer("Id_Perfil"), 1);
        QList<int> seen;
        for (; !query.eof(); query.next()) seen << query.integer("Id_Perfil");
        QCOMPARE(seen, (QList<int>{1, 2, 3}));
    }

    void emptyResultAndNulls() {
        test::TestDatabases dbs;
        dbs.exec("insert into perfil (Id_Perfil, Nome) values (1, null)");
        db::Query query;
        query.setSql("select Nome, Inserido_Em from perfil");
        query.open();
        QVERIFY(query.value("Nome").isNull());
        QCOMPARE(query.text("Nome"), QString());
        QVERIFY(!query.dateTime("Inserido_Em").isValid());
        query.setSql("select Nome from perfil where 1=2");
        query.open();
        QVERIFY(query.eof());
        QCOMPARE(query.recordCount(), 0);
    }

    void batchOfTwoStatementsRunsBoth() {
        test::TestDatabases dbs;
        dbs.exec("insert into endereco_animal (Id_Animal, Id_Endereco) values (5, 7)");
        dbs.exec("insert into endereco (Id_Endereco, NOM_LOGR) values (7, 'RUA A')");
        db::Query query;
        query.add(" delete from endereco_animal ");
        query.add(" where id_animal = 5");
        query.add(" delete from endereco ");
        query.add(" where id_endereco = 7");
        query.exec();
        QCOMPARE(dbs.scalar("select count(*) from endereco_animal").toInt(), 0);
        QCOMPARE(dbs.scalar("select count(*) from endereco").toInt(), 0);
        QCOMPARE(query.rowsAffected(), 2);
    }

    void errorsCarryTheDriverText() {
        test::TestDatabases dbs;
        db::Query query;
        query.setSql("select * from tabela_que_nao_existe");
        try {
            query.open();
            QFAIL("no error");
        } catch (const db::DbError& e) {
            QVERIFY2(e.message().contains("tabela_que_nao_existe"), qPrintable(e.message()));
        }
        query.setSql("select * from perfil where Id_Perfil = :pId");
        QVERIFY_THROWS_EXCEPTION(db::DbError, query.open());
        query.setSql("update perfil set Nome = 'X'");
        QVERIFY_THROWS_EXCEPTION(db::DbError, query.open());
    }

    void keysOnEmptyAndFilledTables() {
        test::TestDatabases dbs;
        QCOMPARE(db::nextKeyNewest("Unidade_trabalho", "Id_Unidade_trabalho"), 1);
        QCOMPARE(db::nextKeyMax("form", "Id_form"), 1);
        dbs.exec(
            "insert into unidade_trabalho (Id_Unidade_Trabalho, Nome) values (4, 'A'), (9, 'B')");
        dbs.exec("insert into form (Id_Form, Nome) values (12, 'X'), (3, 'Y')");
        QCOMPARE(db::nextKeyNewest("Unidade_trabalho", "Id_Unidade_trabalho"), 10);
        QCOMPARE(db::nextKeyMax("form", "Id_form"), 13);
    }

    void assignedKeyIsThisConnectionsInsert() {
        test::TestDatabases dbs;
        db::Query insert;
        insert.setSql("insert into proprietario (Nome) values ('MARIA')");
        insert.exec();
        const int mine = db::lastAssignedKey();
        // Another station inserts before the key is read back.
        {
            db::Connections otherStation(dbs.settings());
            QSqlQuery foreign(otherStation.database("BANCO_TRUV"));
            QVERIFY(foreign.exec("insert into proprietario (Nome) values ('JOAO')"));
        }
        QCOMPARE(db::lastAssignedKey(), mine);
        QCOMPARE(
            dbs.scalar(QStringLiteral("select Nome from proprietario where Id_Proprietario = %1")
                           .arg(mine))
                .toString(),
            QStringLiteral("MARIA"));
        QCOMPARE(dbs.scalar("select count(*) from proprietario").toInt(), 2);
    }

    void serverClockIsNow() {
        test::TestDatabases dbs;
        const QDateTime before = QDateTime::currentDateTime().addSecs(-2);
        const QDateTime now = db::serverNow();
        QVERIFY(now.isValid());
        QVERIFY(now >= before && now <= QDateTime::currentDateTime().addSecs(2));
    }

    void typedQuotesNeverBreakAStatement_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("apostrophe") << "D'Ávila";
        QTest::newRow("closing and comment") << "x' or 1=1 --";
        QTest::newRow("second statement") << "'; delete from proprietario; --";
        QTest::newRow("doubled already") << "a''b";
        QTest::newRow("backslash quote") << "a\\'b";
        QTest::newRow("only quotes") << "'''";
        QTest::newRow("double quotes") << "\"x\" + 'y'";
        QTest::newRow("parameter lookalike") << ":pNome ' :x";
    }
    void typedQuotesNeverBreakAStatement() {
        QFETCH(QString, typed);
        test::TestDatabases dbs;
        dbs.exec("insert into proprietario (Nome) values ('GUARDA')");
        db::Query insert;
        insert.setSql(" insert into proprietario (Nome) values (" + db::quoted(typed) + ")");
        insert.exec();
        db::Query find;
        find.add(" select Nome from proprietario ");
        find.add(" where Nome = " + db::quoted(typed));
        find.open();
        QCOMPARE(find.recordCount(), 1);
        QCOMPARE(find.text("Nome"), typed);
        QCOMPARE(dbs.scalar("select count(*) from proprietario").toInt(), 2);
    }

    void quotingHelpers() {
        QCOMPARE(db::quoted(u"O'Brien"), QStringLiteral("'O''Brien'"));
        QCOMPARE(db::escaped(u"a'b"), QStringLiteral("a''b"));
        QCOMPARE(db::quoted(QString("a") + QChar(0) + "b"), QStringLiteral("'ab'"));
        QVERIFY(db::isDigitsOnly(u"0123"));
        for (const char* bad : {"", "12a", " 1", "1.5", "-1", "١٢"})
            QVERIFY2(!db::isDigitsOnly(QString::fromUtf8(bad)), bad);
    }
};

QTEST_GUILESS_MAIN(TestQuery)
#include "tst_query.moc"
