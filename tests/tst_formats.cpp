#include <QDateEdit>
#include <QtTest>

#include "common/formats.h"
#include "common/messages.h"

using namespace orbadil;

class TestFormats : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        // Whatever the machine says, the program's formats win.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        applyRegionalSettings();
    }

    void decimals_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("half") << 2.5 << "2,5";
        QTest::newRow("whole") << 3.0 << "3";
        QTest::newRow("negative") << -0.25 << "-0,25";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("thousands without separator") << 1234.75 << "1234,75";
    }
    void decimals() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(formatDecimal(value), text);
        QCOMPARE(*parseDecimal(text), value);
        QCOMPARE(QLocale().toString(value), text);
    }

    void badDecimalsAreRefused() {
        for (const char* bad : {"", "abc", "2,5,1", "1.000,5"})
            QVERIFY2(!parseDecimal(QString::fromLatin1(bad)), bad);
    }

    void dates() {
        QCOMPARE(formatDate(QDate(2026, 3, 5)), QStringLiteral("05/03/2026"));
        QCOMPARE(formatDateTime(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 1))),
                 QStringLiteral("31/12/2026 23:59:01"));
        QCOMPARE(*parseDate(" 29/02/2024 "), QDate(2024, 2, 29));
        for (const char* bad : {"29/02/2026", "2026-03-05", "05/13/2026", "", "5/3/26"})
            QVERIFY2(!parseDate(QString::fromLatin1(bad)), bad);
        QCOMPARE(formatDate(QDate()), QString());
    }

    void widgetsFollowTheProcessFormats() {
        QDateEdit edit(QDate(2026, 3, 5));
        QCOMPARE(edit.text(), QStringLiteral("05/03/2026"));
    }

    void messagesTurnCarriageReturnsIntoLineBreaks() {
        QCOMPARE(messageText("Primeira\rSegunda\r\nTerceira"),
                 QStringLiteral("Primeira\nSegunda\nTerceira"));
    }
};

QTEST_MAIN(TestFormats)
#include "tst_formats.moc"
