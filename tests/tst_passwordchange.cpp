// Password change, followed by a sign-in with the new password, and the user switch.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

#include "app/signinstate.h"
#include "app/tfrmlogin_2.h"
#include "app/tfrmmenuprincipal.h"
#include "app/tfrmtracasenha.h"
#include "common/password.h"
#include "support/shell.h"
#include "support/testdatabases.h"

using namespace orbadil;
using app::TfrmLogin_2;
using app::TfrmMenuPrincipal;
using app::TfrmTracaSenha;

namespace {
QWidget* screenWithAppend(QWidget* parent) {
    auto* screen = new QWidget(parent);
    auto* action = new QAction(QStringLiteral("Novo"), screen);
    action->setObjectName(QStringLiteral("actAppend"));
    return screen;
}
}  // namespace

class PasswordChangeTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::ShellTestBed> bed;

    void type(TfrmTracaSenha& screen, const QString& current, const QString& next,
              const QString& confirmation) {
        screen.findChild<QLineEdit*>(QStringLiteral("mkeSenhaAtual"))->setText(current);
        screen.findChild<QLineEdit*>(QStringLiteral("mkeSenhaNova"))->setText(next);
        screen.findChild<QLineEdit*>(QStringLiteral("mkeConfirmaSenhaNova"))->setText(confirmation);
        screen.findChild<QPushButton*>(QStringLiteral("bmpOk"))->click();
    }
    void signInAs(const QString& user) { app::signInState().user = user; }
    QVariant stored(const char* column, int user) {
        return bed->db.scalar(QStringLiteral("select %1 from usuario where Id_Usuario = %2")
                                  .arg(QLatin1String(column))
                                  .arg(user));
    }
    // Signs in through a fresh dialog; true when it let the user in.
    bool signsIn(int user, const QString& password) {
        TfrmLogin_2 dialog;
        dialog.show();
        test::signIn(dialog, QStringLiteral("2"), QString::number(user), password);
        return dialog.result() == QDialog::Accepted;
    }

  private slots:
    void init() {
        bed = std::make_unique<test::ShellTestBed>();
        test::AccessRows rows(bed->db);
        rows.unit(2, QStringLiteral("Unidade Sul"));
        rows.profile(7, QStringLiteral("Atendente"));
        rows.profile(1000, QStringLiteral("Administrador"));
        rows.form(1, 1);
        rows.right(7, 1, {"N", "S", "S", "S"});
        rows.form(5, 5);
        rows.right(7, 5, {"S", "S", "S", "S"});
        // An older account with the legacy column, and one made by the user screen.
        rows.user({.id = 10,
                   .unit = 2,
                   .profile = 7,
                   .name = QStringLiteral("ANA"),
                   .login = QStringLiteral("ANA"),
                   .password = QStringLiteral("velha"),
                   .legacy = QStringLiteral("velha")});
        rows.user({11, 2, 1000, QStringLiteral("BRUNO"), QStringLiteral("BRUNO"),
                   QStringLiteral("SEGREDO")});
    }
    void cleanup() { bed.reset(); }

    void refusedBeforeAskingTheDatabase_data() {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("next");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, const char* current, const char* next,
                            const char* confirmation, const char* message) {
            QTest::newRow(name) << QString::fromUtf8(current) << QString::fromUtf8(next)
                                << QString::fromUtf8(confirmation) << QString::fromUtf8(message);
        };
        row("no current", " ", "NOVA", "NOVA", "Falta digitar a senha atual.");
        row("no new", "VELHA", "", "NOVA", "Falta digitar a senha nova.");
        row("no confirmation", "VELHA", "NOVA", "  ", "Falta digitar a confirmação da nova senha.");
        row("confirmation differs", "VELHA", "NOVA", "NOVO",
            "A confirmação da senha não confere com a nova senha.");
        row("wrong current", "ERRADA", "NOVA", "NOVA", "Senha atual não confere.");
    }

    void refusedBeforeAskingTheDatabase() {
        QFETCH(QString, current);
        QFETCH(QString, next);
        QFETCH(QString, confirmation);
        QFETCH(QString, message);
        // With no one signed in, a statement would fail: the checks come first.
        signInAs(message == u"Senha atual não confere." ? QStringLiteral("10") : QString());
        TfrmTracaSenha screen;
        type(screen, current, next, confirmation);
        QCOMPARE(bed->messages.texts(), QStringList{message});
        QCOMPARE(bed->messages.messages.first().kind, QStringLiteral("information"));
        QCOMPARE(stored("Senha", 10).toString(), QStringLiteral("velha"));
    }

    void lettersTurnIntoCapitals() {
        TfrmTracaSenha screen;
        auto* box = screen.findChild<QLineEdit*>(QStringLiteral("mkeSenhaNova"));
        QCOMPARE(box->echoMode(), QLineEdit::Password);
        QTest::keyClicks(box, QStringLiteral("abc1"));
        QCOMPARE(box->text(), QStringLiteral("ABC1"));
    }

    // The current password is taken from either column; both are written.
    void changeThenSignInWithTheNewPassword_data() {
        QTest::addColumn<int>("user");
        QTest::addColumn<QString>("current");
        QTest::newRow("legacy column") << 10 << "VELHA";
        QTest::newRow("digest only") << 11 << "SEGREDO";
    }
    void changeThenSignInWithTheNewPassword() {
        QFETCH(int, user);
        QFETCH(QString, current);
        signInAs(QString::number(user));
        TfrmTracaSenha screen;
        type(screen, current, QStringLiteral(" NOVA1 "), QStringLiteral("NOVA1"));
        QCOMPARE(bed->messages.texts(),
                 QStringList{QStringLiteral("Operação realizada com sucesso!")});
        QCOMPARE(stored("Senha", user).toString(), QStringLiteral("NOVA1"));
        QCOMPARE(stored("senha_crip", user).toString(), passwordDigest(QStringLiteral("NOVA1")));
        QVERIFY(screen.findChild<QLineEdit*>(QStringLiteral("mkeSenhaAtual"))->text() == current);

        bed->messages.messages.clear();
        QVERIFY(!signsIn(user, current));
        QVERIFY(signsIn(user, QStringLiteral("NOVA1")));
    }

    void quotesStayInsideThePassword() {
        signInAs(QStringLiteral("10"));
        TfrmTracaSenha screen;
        type(screen, QStringLiteral("X' OR '1'='1"), QStringLiteral("A'B"), QStringLiteral("A'B"));
        QCOMPARE(bed->messages.texts(), QStringList{QStringLiteral("Senha atual não confere.")});
        bed->messages.messages.clear();
        type(screen, QStringLiteral("VELHA"), QStringLiteral("A'B"), QStringLiteral("A'B"));
        QCOMPARE(bed->messages.texts(),
                 QStringList{QStringLiteral("Operação realizada com sucesso!")});
        QCOMPARE(stored("Senha", 10).toString(), QStringLiteral("A'B"));
        QCOMPARE(stored("Senha", 11).isNull(), true);
    }

    void cancelClosesTheWindow() {
        TfrmMenuPrincipal window;
        signInAs(QStringLiteral("10"));
        window.command(QStringLiteral("mnuTrocarSenha"))->trigger();
        auto* screen = window.findChild<TfrmTracaSenha*>();
        QVERIFY(screen);
        QCOMPARE(screen->parentWidget()->windowTitle(), QStringLiteral("004 - Troca de senha."));
        screen->findChild<QPushButton*>(QStringLiteral("bmpCancelar"))->click();
        QTRY_VERIFY(window.mdiArea()->subWindowList().isEmpty());
    }

    // A switch replaces the whole state and the menu; open screens keep their commands.
    void userSwitch() {
        TfrmMenuPrincipal window;
        window.screens().add(QStringLiteral("mnuUnidade"), {screenWithAppend});
        {
            TfrmLogin_2 first;
            first.show();
            test::signIn(first, QStringLiteral("2"), QStringLiteral("10"), QStringLiteral("velha"));
        }
        window.show();
        window.command(QStringLiteral("mnuUnidade"))->trigger();
        auto* before = window.mdiArea()->subWindowList().last()->widget();
        QVERIFY(!before->findChild<QAction*>(QStringLiteral("actAppend"))->isVisible());
        QVERIFY(!window.command(QStringLiteral("mnuUsuario"))->isEnabled());

        window.command(QStringLiteral("mnuTrocarUsuario"))->trigger();
        auto* dialog = window.findChild<TfrmLogin_2*>();
        QVERIFY(dialog && dialog->isVisible());
        QVERIFY(!dialog->isModal());
        test::signIn(*dialog, QStringLiteral("2"), QStringLiteral("11"), QStringLiteral("SEGREDO"));

        const app::SignInState& s = app::signInState();
        QCOMPARE((QStringList{s.user, s.profile, s.userName, s.legacyPassword, s.profileName}),
                 (QStringList{"11", "1000", "BRUNO", "", "Administrador"}));
        QVERIFY(window.command(QStringLiteral("mnuUsuario"))->isEnabled());
        QCOMPARE(window.statusText(0), QStringLiteral("Usuário logado: 11 - BRUNO(Administrador)"));
        QVERIFY(!before->findChild<QAction*>(QStringLiteral("actAppend"))->isVisible());
        window.command(QStringLiteral("mnuUnidade"))->trigger();
        auto* after = window.mdiArea()->subWindowList().last()->widget();
        QVERIFY(after->findChild<QAction*>(QStringLiteral("actAppend"))->isVisible());
        QVERIFY(bed->shell.processEnds.isEmpty());
    }

    void sairInTheSwitchDialogEndsTheProgram() {
        TfrmMenuPrincipal window;
        window.command(QStringLiteral("mnuTrocarUsuario"))->trigger();
        window.findChild<TfrmLogin_2*>()
            ->findChild<QPushButton*>(QStringLiteral("bmpSair"))
            ->click();
        QCOMPARE(bed->shell.processEnds, QList<int>{0});
    }

    void systemInformation() {
        TfrmMenuPrincipal window;
        window.command(QStringLiteral("mnuInformacaoSistema"))->trigger();
        auto* frame = window.mdiArea()->subWindowList().last();
        QCOMPARE(frame->windowTitle(), QStringLiteral("Orbadil - TRUV"));
        QCOMPARE(frame->findChild<QLabel*>(QStringLiteral("lblServidor"))->text(),
                 QStringLiteral("Servidor TRUV: LOCAL"));
        QCOMPARE(frame->findChild<QLabel*>(QStringLiteral("lblVersao"))->text(),
                 QStringLiteral("Ver.: 14.06.08 (10/04/2024) Homologação"));
    }
};

QTEST_MAIN(PasswordChangeTest)
#include "tst_passwordchange.moc"
