// Damaged statements and hostile typed text against the dialect layer: the rewriter either
// translates or refuses with DialectError, and a quoted value always stays one literal.
#include <sqlite3.h>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QtTest>

#include "db/dialect/rewriter.h"
#include "db/dialect/sqlfunctions.h"
#include "db/quoting.h"
#include "support/tsql_statements.h"

using namespace orbadil;

namespace {

const QString kSignificant = QStringLiteral("'\"[]()-/*+,;:@.=<>%_\n é0aZ");

QChar pick(QRandomGenerator& random, const QString& from) {
    return from.at(random.bounded(int(from.size())));
}

QString mutated(QString text, QRandomGenerator& random) {
    const int edits = 1 + random.bounded(3);
    for (int i = 0; i < edits && !text.isEmpty(); ++i) {
        const int at = random.bounded(int(text.size()));
        switch (random.bounded(4)) {
            case 0:
                text.truncate(at);
                break;
            case 1:
                text.remove(at, 1);
                break;
            case 2:
                text.insert(at, pick(random, kSignificant));
                break;
            default:
                text.insert(at, text.mid(random.bounded(int(text.size())), 12));
                break;
        }
    }
    return text;
}

QString hostileText(QRandomGenerator& random) {
    static const QStringList pieces = {
        "'", "''",  "\"", "--", ";", "/*",     "*/", "]",  "[",      "\n", "\r",
        "é", "ção", " ",  "%",  "_", ":pNome", "\\", "GO", "select", "0",  QString(QChar(0))};
    QString text;
    const int parts = random.bounded(8);
    for (int i = 0; i < parts; ++i) text += pieces.at(random.bounded(int(pieces.size())));
    return text;
}

}  // namespace

class TestDialectRobustness : public QObject {
    Q_OBJECT

    QSqlDatabase db;

  private slots:
    void initTestCase() {
        db = QSqlDatabase::addDatabase("QSQLITE", "robustness");
        db.setDatabaseName(":memory:");
        QVERIFY(db.open());
        sqlite3* handle = *static_cast<sqlite3* const*>(db.driver()->handle().constData());
        QCOMPARE(db::registerSqlFunctions(handle), SQLITE_OK);
        QSqlQuery create(db);
        QVERIFY(create.exec("create table t (nome text collate CI_AI)"));
    }

    void cleanupTestCase() {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase("robustness");
    }

    void damagedStatementsTranslateOrFailCleanly() {
        const db::SqliteRewriter rewriter({{"padrao", "padrao"}});
        QRandomGenerator random(20261211);
        int refused = 0;
        int translated = 0;
        for (const auto& c : test::kTsqlCases) {
            const QString original = QString::fromUtf8(c.batch);
            for (int round = 0; round < 150; ++round) {
                const QString text = mutated(original, random);
                try {
                    rewriter.rewriteUncached(text);
                    ++translated;
                } catch (const db::DialectError& e) {
                    QVERIFY2(!e.message().isEmpty(), qPrintable(text));
                    ++refused;
                }
            }
        }
        // Both outcomes must occur, or the mutations test nothing.
        QVERIFY(refused > 100);
        QVERIFY(translated > 100);
    }

    void quotedValuesNeverEndTheirLiteralEarly() {
        const db::SqliteRewriter rewriter;
        QRandomGenerator random(7);
        for (int round = 0; round < 2000; ++round) {
            const QString typed = hostileText(random);
            QString expected = typed;
            expected.remove(QChar(0));
            const QString batch = " select " + db::quoted(typed) + " as v \n where 1 = 1 ";
            const auto statements = rewriter.rewriteUncached(batch);
            QCOMPARE(statements.size(), 1);
            QVERIFY2(statements[0].parameters.isEmpty(), qPrintable(batch));
            QSqlQuery query(db);
            QVERIFY2(query.exec(statements[0].sql) && query.next(), qPrintable(statements[0].sql));
            QCOMPARE(query.value(0).toString(), expected);
        }
    }

    void quotedValuesInFiltersAndInsertsStayValues() {
        const db::SqliteRewriter rewriter;
        QRandomGenerator random(11);
        for (int round = 0; round < 500; ++round) {
            const QString typed = hostileText(random);
            QSqlQuery clear(db);
            QVERIFY(clear.exec("delete from t"));
            const auto insert = rewriter.rewriteUncached(" insert into t (nome) values (" +
                                                         db::quoted(typed) + ") ");
            QCOMPARE(insert.size(), 1);
            QSqlQuery write(db);
            QVERIFY2(write.exec(insert[0].sql), qPrintable(insert[0].sql));
            const auto find = rewriter.rewriteUncached(
                " select count(*) from t \n where nome = " + db::quoted(typed) + " \n and 1 = 1");
            QCOMPARE(find.size(), 1);
            QSqlQuery read(db);
            QVERIFY2(read.exec(find[0].sql) && read.next(), qPrintable(find[0].sql));
            QCOMPARE(read.value(0).toInt(), 1);
        }
    }
};

QTEST_GUILESS_MAIN(TestDialectRobustness)
#include "tst_dialect_robustness.moc"
