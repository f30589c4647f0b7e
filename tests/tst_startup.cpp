// The start-up sequence on the embedded demo databases: nothing but the sign-in shows until
// someone signs in, and "&Sair" ends the program from either window.

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/application.h"
#include "app/signinstate.h"
#include "app/tfrmlogin_2.h"
#include "app/tfrmmenuprincipal.h"
#include "common/settings.h"
#include "support/shell.h"
#include "support/testdatabases.h"

using namespace orbadil;

namespace {

app::TfrmLogin_2* shownSignIn() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<app::TfrmLogin_2*>(widget); dialog && dialog->isVisible())
            return dialog;
    return nullptr;
}

bool mainWindowVisible() {
    return app::frmMenuPrincipal && app::frmMenuPrincipal->isVisible();
}

// Runs `step` once the condition holds, looking every few milliseconds.
void when(std::function<bool()> condition, std::function<void()> step) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [=] {
        if (!condition()) return;
        timer->deleteLater();
        timer->stop();
        step();
    });
    timer->start(10);
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<test::ScriptedMessages> messages;

  private slots:
    void init() {
        // An end asked for before the main loop ran leaves every later loop stopped; a run
        // of the main loop clears it, as a new process would start clear.
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
        messages = std::make_unique<test::ScriptedMessages>();
        app::signInState() = {};
    }
    void cleanup() {
        messages.reset();
        app::signInState() = {};
    }

    void sairAtSignInEndsBeforeTheMainWindowShows() {
        bool modal = false;
        bool mainSeen = true;
        when([] { return shownSignIn() != nullptr; },
             [&] {
                 modal = shownSignIn()->isModal();
                 mainSeen = mainWindowVisible();
                 shownSignIn()->findChild<QPushButton*>(QStringLiteral("bmpSair"))->click();
             });
        QCOMPARE(app::startSession(embeddedSettings(dir.path())), 0);
        QVERIFY(modal);
        QVERIFY(!mainSeen);
        QVERIFY(messages->messages.isEmpty());
    }

    void theDemoAdministratorSignsInAndLeaves() {
        QString panel;
        when([] { return shownSignIn() != nullptr; },
             [] {
                 test::signIn(*shownSignIn(), QStringLiteral("1"), QStringLiteral("1"),
                              QStringLiteral("orbadil"));
             });
        when(mainWindowVisible, [&] {
            panel = app::frmMenuPrincipal->statusText(0);
            app::frmMenuPrincipal->command(QStringLiteral("mnuSair"))->trigger();
        });
        QCOMPARE(app::startSession(embeddedSettings(dir.path())), 0);
        QCOMPARE(panel, QStringLiteral("Unidade logada: CENTRO DE CONTROLE DE ZOONOSES"));
        QCOMPARE(app::signInState().profile, QStringLiteral("1000"));
        QVERIFY(messages->messages.isEmpty());
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
