// Sign-in: who is offered, what is checked, and what the sign-in state holds afterwards.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

#include "app/signinstate.h"
#include "app/tfrmlogin_2.h"
#include "common/password.h"
#include "support/shell.h"
#include "support/testdatabases.h"

using namespace orbadil;
using app::TfrmLogin_2;

class SignInTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::ShellTestBed> bed;
    std::unique_ptr<TfrmLogin_2> dialog;

    template <typename T>
    T* child(const char* name) {
        return dialog->findChild<T*>(QLatin1String(name));
    }
    QStringList entries(const char* list) {
        QStringList out;
        auto* combo = child<QComboBox>(list);
        for (int i = 0; i < combo->count(); ++i) out << combo->itemText(i);
        return out;
    }
    void openDialog() {
        dialog = std::make_unique<TfrmLogin_2>();
        dialog->show();
    }

  private slots:
    void init() {
        bed = std::make_unique<test::ShellTestBed>();
        test::AccessRows rows(bed->db);
        rows.unit(1, QStringLiteral("Centro de Controle"));
        rows.unit(2, QStringLiteral("Unidade Sul"));
        rows.unit(3, QStringLiteral("Unidade Móvel"), QStringLiteral("INATIVO"));
        rows.unit(15, QStringLiteral("Portal"));
        rows.profile(7, QStringLiteral("Atendente"));
        rows.user({10, 2, 7, QStringLiteral("zélia prado"), QStringLiteral("ZELIA"),
                   QStringLiteral("segredo")});
        rows.user({.id = 11,
                   .unit = 2,
                   .profile = 7,
                   .name = QStringLiteral("ANA LIMA"),
                   .login = QStringLiteral("ANA"),
                   .password = QStringLiteral("segredo"),
                   .legacy = QStringLiteral("VELHA")});
        rows.user({12, 2, 7, QStringLiteral("SEM SENHA"), QStringLiteral("SS"), QString()});
        openDialog();
    }
    void cleanup() {
        dialog.reset();
        bed.reset();
    }

    // What the web portal and the user screen store must match what sign-in computes.
    void passwordDigest_data() {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("digest");
        const QString abc = QStringLiteral(
            "ddaf35a193617abacc417349ae20413112e6fa4e89a97ea20a9eeee64b55d39a2192992a274fc1a836ba3c"
            "23a3feebbd454d4423643ce80e2a9ac94fa54ca49f");
        QTest::newRow("published test vector") << "abc" << abc;
        QTest::newRow("blanks around are removed") << " \tabc  " << abc;
        QTest::newRow("empty")
            << ""
            << "cf83e1357eefb8bdf1542850d66d8007d620e4050b5715dc83f4a921d36ce9ce"
               "47d0d13c5d85f2b0ff8318d2877eec2f63b931bd47417a81a538327af927da3e";
        QTest::newRow("accented letters as UTF-8")
            << QStringLiteral("senhá")
            << "a1541bdad62a9d3e83f7caa75dfde0c712a6aa3c46918001dacd937816b1a56d98503f49da44082b48"
               "429ff16eac9bd8912d7cd24be3910deafde487c37aed70";
    }
    void passwordDigest() {
        QFETCH(QString, password);
        QFETCH(QString, digest);
        QCOMPARE(orbadil::passwordDigest(password), digest);
    }

    void unitListShowsActiveUnitsWithNothingPicked() {
        QCOMPARE(entries("dblUnidade"),
                 (QStringList{QStringLiteral("1 - CENTRO DE CONTROLE"),
                              QStringLiteral("2 - UNIDADE SUL"), QStringLiteral("15 - PORTAL")}));
        QVERIFY(child<QComboBox>("dblUnidade")->currentText().isEmpty());
        QVERIFY(entries("dblUsuario").isEmpty());
        QCOMPARE(child<QLabel>("lblInformacao")->text(), QStringLiteral("Servidor: LOCAL"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("MERVOLAN"));
    }

    void serverLabel_data() {
        QTest::addColumn<QString>("parameters");
        QTest::addColumn<QString>("label");
        QTest::newRow("named server cut to seven") << "SERVER NAME=SRVZOO01\nDATABASE NAME=X"
                                                   << "Servidor: SRVZOO0";
        QTest::newRow("short name stops at its line") << "DATABASE NAME=X\nSERVER NAME=DB1"
                                                      << "Servidor: DB1";
        QTest::newRow("no server entry") << "DATABASE NAME=ZooAnimais_dsv\nUSER NAME=sa"
                                         << "Servidor: ME=ZooA";
    }
    void serverLabel() {
        QFETCH(QString, parameters);
        QFETCH(QString, label);
        QCOMPARE(TfrmLogin_2::serverText(parameters), label);
    }

    // Only users who may sign in at the picked unit are offered, in name order.
    void userListOffersOnlyEligibleUsers() {
        test::AccessRows rows(bed->db);
        const auto add = [&](int id, const char* name, QVariant login, const char* blocked,
                             const char* inactive, const char* status) {
            rows.user({id, 2, 7, QString::fromUtf8(name), login, QStringLiteral("x"),
                       QString::fromLatin1(blocked), QString::fromLatin1(inactive),
                       QString::fromLatin1(status)});
        };
        add(20, "BLOQUEADO", "B", "SIM", "NAO", "ATIVO");
        add(21, "INATIVO", "I", "NAO", "SIM", "ATIVO");
        add(22, "SEM LOGIN", QVariant(), "NAO", "NAO", "ATIVO");
        add(23, "LOGIN VAZIO", "", "NAO", "NAO", "ATIVO");
        add(24, "", "SEMNOME", "NAO", "NAO", "ATIVO");
        add(25, "REGISTRO INATIVO", "R", "NAO", "NAO", "INATIVO");
        add(26, "BRUNO COSTA", "BRUNO", "NAO", "NAO", "ATIVO");
        rows.user(
            {27, 15, 7, QStringLiteral("TUTOR WEB"), QStringLiteral("tutor"), QStringLiteral("x")});

        test::pick(child<QComboBox>("dblUnidade"), QStringLiteral("2"));
        QCOMPARE(entries("dblUsuario"),
                 (QStringList{QStringLiteral("ANA LIMA"), QStringLiteral("BRUNO COSTA"),
                              QStringLiteral("SEM SENHA"), QStringLiteral("ZÉLIA PRADO")}));
        QVERIFY(child<QComboBox>("dblUsuario")->currentText().isEmpty());

        test::pick(child<QComboBox>("dblUnidade"), QStringLiteral("15"));
        QVERIFY(entries("dblUsuario").isEmpty());
    }

    void pickingAUserShowsItInTheStatusBar() {
        test::pick(child<QComboBox>("dblUnidade"), QStringLiteral("2"));
        test::pick(child<QComboBox>("dblUsuario"), QStringLiteral("10"));
        QCOMPARE(child<QLabel>("pnlStatus0")->text(), QStringLiteral("10 - ZÉLIA PRADO"));
        QCOMPARE(child<QLabel>("pnlStatus1")->text(), QStringLiteral("ATENDENTE"));
        // Another unit: the user picked before is no longer offered, nor shown.
        test::pick(child<QComboBox>("dblUnidade"), QStringLiteral("1"));
        QVERIFY(child<QLabel>("pnlStatus0")->text().isEmpty());
        QVERIFY(child<QLabel>("pnlStatus1")->text().isEmpty());
    }

    void refusals_data() {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, const char* unit, const char* user,
                            const char* password, const char* message) {
            QTest::newRow(name) << QString::fromUtf8(unit) << QString::fromUtf8(user)
                                << QString::fromUtf8(password) << QString::fromUtf8(message);
        };
        row("no unit", "", "", "segredo", "Selecione a unidade de trabalho!");
        row("no user", "2", "", "segredo", "Selecione o usuário!");
        row("unit without users", "1", "", "segredo", "Selecione o usuário!");
        row("blank password", "2", "10", "   ", "Falta digitar a senha!");
        row("wrong password", "2", "10", "errada", "Senha invalida!");
        row("other case", "2", "10", "SEGREDO", "Senha invalida!");
        row("quote in password", "2", "10", "x' or '1'='1", "Senha invalida!");
        row("no digest stored", "2", "12", "qualquer", "Senha invalida!");
    }

    void refusals() {
        QFETCH(QString, unit);
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(QString, message);
        if (!unit.isEmpty()) test::pick(child<QComboBox>("dblUnidade"), unit);
        if (!user.isEmpty()) test::pick(child<QComboBox>("dblUsuario"), user);
        child<QLineEdit>("edtSenha")->setText(password);
        child<QPushButton>("bmpOK")->click();
        QCOMPARE(bed->messages.texts(), QStringList{message});
        QCOMPARE(bed->messages.messages.first().kind, QStringLiteral("information"));
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QVERIFY(app::signInState().user.isEmpty());
        QCOMPARE(child<QLineEdit>("edtSenha")->text(), password);
    }

    void blanksAroundThePasswordAreIgnored_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("as stored") << "segredo";
        QTest::newRow("leading and trailing blanks") << "  segredo   ";
        QTest::newRow("tab") << "\tsegredo";
    }
    void blanksAroundThePasswordAreIgnored() {
        QFETCH(QString, typed);
        test::signIn(*dialog, QStringLiteral("2"), QStringLiteral("10"), typed);
        QVERIFY(bed->messages.messages.isEmpty());
        QCOMPARE(app::signInState().user, QStringLiteral("10"));
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
    }

    void theStatementChecksTheUnitAgain() {
        test::pick(child<QComboBox>("dblUnidade"), QStringLiteral("2"));
        test::pick(child<QComboBox>("dblUsuario"), QStringLiteral("10"));
        bed->db.exec(
            QStringLiteral("update usuario set Id_Unidade_Trabalho = 1 where Id_Usuario = 10"));
        child<QLineEdit>("edtSenha")->setText(QStringLiteral("segredo"));
        child<QPushButton>("bmpOK")->click();
        QCOMPARE(bed->messages.texts(), QStringList{QStringLiteral("Senha invalida!")});
        QVERIFY(app::signInState().user.isEmpty());
    }

    void theStateIsFilledFromTheRow() {
        app::signInState().unitName = QStringLiteral("resto de outro usuário");
        test::signIn(*dialog, QStringLiteral("2"), QStringLiteral("11"), QStringLiteral("segredo"));
        const app::SignInState& s = app::signInState();
        QCOMPARE(s.user, QStringLiteral("11"));
        QCOMPARE(s.profile, QStringLiteral("7"));
        QCOMPARE(s.workUnit, QStringLiteral("2"));
        QCOMPARE(s.userName, QStringLiteral("ANA LIMA"));
        QCOMPARE(s.login, QStringLiteral("ANA"));
        QCOMPARE(s.legacyPassword, QStringLiteral("VELHA"));
        QCOMPARE(s.unitName, QStringLiteral("Unidade Sul"));
        QCOMPARE(s.profileName, QStringLiteral("Atendente"));
    }

    // A failure after the row was read keeps what was copied, and the dialog stays open.
    void aFailingNameLookUpKeepsTheUserValues() {
        test::pick(child<QComboBox>("dblUnidade"), QStringLiteral("2"));
        test::pick(child<QComboBox>("dblUsuario"), QStringLiteral("10"));
        bed->db.exec(QStringLiteral("drop table perfil"));
        child<QLineEdit>("edtSenha")->setText(QStringLiteral("segredo"));
        child<QPushButton>("bmpOK")->click();
        QCOMPARE(bed->messages.messages.size(), 1);
        QCOMPARE(bed->messages.messages.first().kind, QStringLiteral("error"));
        QCOMPARE(app::signInState().user, QStringLiteral("10"));
        QCOMPARE(app::signInState().unitName, QStringLiteral("Unidade Sul"));
        QVERIFY(app::signInState().profileName.isEmpty());
        QVERIFY(dialog->isVisible());
    }

    void enterMovesTheFocusAndNeverSubmits() {
        QApplication::setActiveWindow(dialog.get());
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        auto* units = child<QComboBox>("dblUnidade");
        auto* users = child<QComboBox>("dblUsuario");
        auto* password = child<QLineEdit>("edtSenha");
        test::pick(units, QStringLiteral("2"));
        test::pick(users, QStringLiteral("10"));
        const QList<std::pair<QWidget*, QWidget*>> steps = {
            {units, users}, {users, password}, {password, child<QPushButton>("bmpOK")}};
        for (const auto& [from, to] : steps) {
            from->setFocus();
            QTest::keyClick(from, Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), to);
        }
        QVERIFY(bed->messages.messages.isEmpty());
        QVERIFY(dialog->isVisible());
    }

    void onlyOkAndSairLeave() {
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        dialog->close();
        QVERIFY(dialog->isVisible());
        QVERIFY(bed->shell.processEnds.isEmpty());
        child<QPushButton>("bmpSair")->click();
        QCOMPARE(bed->shell.processEnds, QList<int>{0});
    }

    void anUnreachableDatabaseLeavesTheListEmpty() {
        dialog.reset();
        bed->db.exec(QStringLiteral("drop table unidade_trabalho"));
        openDialog();
        QVERIFY(entries("dblUnidade").isEmpty());
        QCOMPARE(bed->messages.messages.size(), 1);
        QCOMPARE(bed->messages.messages.first().kind, QStringLiteral("error"));
    }
};

QTEST_MAIN(SignInTest)
#include "tst_signin.moc"
