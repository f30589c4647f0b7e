// The main window: its menu, what a profile enables, the rights a screen opens with, the
// window commands and exit.

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "app/menu.h"
#include "app/signinstate.h"
#include "app/tfrmmenuprincipal.h"
#include "support/shell.h"
#include "support/testdatabases.h"

using namespace orbadil;
using app::TfrmMenuPrincipal;

namespace {

// A screen with every command the rights can hide.
QWidget* fakeScreen(QWidget* parent) {
    auto* screen = new QWidget(parent);
    screen->setWindowTitle(QStringLiteral("tela"));
    for (const char* name : {"actAppend", "actEdit", "actDelete", "actPrint", "actRefresh",
                             "actAnimalNovo", "actAnimalAlterar", "actAnimalExcluir"}) {
        auto* action = new QAction(QString::fromLatin1(name), screen);
        action->setObjectName(QLatin1String(name));
        screen->addAction(action);
    }
    auto* information = new QAction(QStringLiteral("Informações..."), screen);
    information->setObjectName(QStringLiteral("actInformation"));
    information->setVisible(false);
    for (const char* name :
         {"bmpIncluir", "bmpExcluir", "bmpAlterar", "bmpGravar", "bmpImprimir", "bmpTransferir"}) {
        auto* button = new QPushButton(QString::fromLatin1(name), screen);
        button->setObjectName(QLatin1String(name));
    }
    return screen;
}

// The commands of a screen that are not hidden.
QStringList shownCommands(QWidget* screen) {
    QStringList out;
    for (auto* action : screen->findChildren<QAction*>())
        if (action->isVisible()) out << action->objectName();
    for (auto* button : screen->findChildren<QPushButton*>())
        if (!button->isHidden()) out << button->objectName();
    out.sort();
    return out;
}

QStringList allCommandsBut(const QStringList& hidden) {
    QStringList all = shownCommands(fakeScreen(nullptr));
    for (const QString& name : hidden) all.removeAll(name);
    return all;
}

}  // namespace

class MainMenuTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::ShellTestBed> bed;
    std::unique_ptr<TfrmMenuPrincipal> window;

    void signedInAs(const QString& profile) {
        app::signInState() = {QStringLiteral("10"),          profile,
                              QStringLiteral("2"),           QStringLiteral("ANA LIMA"),
                              QStringLiteral("ANA"),         QString(),
                              QStringLiteral("Unidade Sul"), QStringLiteral("Atendente")};
    }
    QStringList enabledCommands() {
        QStringList out;
        for (QAction* action : window->menuCommands())
            if (!action->objectName().isEmpty() && action->isEnabled() && !action->menu())
                out << action->objectName();
        return out;
    }
    QStringList commandsTagged(int tag) {
        QStringList out;
        for (const app::MenuEntry& entry : app::mainMenu())
            if (entry.kind == app::MenuEntry::Command && entry.tag == tag && !entry.inert &&
                !entry.hidden)
                out << QLatin1String(entry.name);
        return out;
    }
    QWidget* open(const char* command) {
        window->command(QLatin1String(command))->trigger();
        QMdiSubWindow* frame = window->mdiArea()->subWindowList().last();
        return frame->widget();
    }

  private slots:
    void init() {
        bed = std::make_unique<test::ShellTestBed>();
        test::AccessRows rows(bed->db);
        rows.form(1, 1);
        rows.form(5, 8);
        rows.form(8, 8);
        rows.form(20, 20);
        rows.form(21, 21);
        rows.form(41, 0);
        window = std::make_unique<TfrmMenuPrincipal>();
        for (const app::MenuEntry& entry : app::mainMenu())
            if (entry.rightsForm) window->screens().add(QLatin1String(entry.name), {fakeScreen});
    }
    void cleanup() {
        window.reset();
        bed.reset();
    }

    void topLevelMenusInOrder() {
        QStringList captions;
        for (QAction* action : window->menuBar()->actions()) captions << action->text();
        QCOMPARE(captions, (QStringList{"&Sistema", "&Cadastros", "&Operacional", "&Relatórios",
                                        "&Utilitário", "&Janelas", "&Ajuda"}));
        QCOMPARE(window->windowTitle(), QStringLiteral("Orbadil - TRUV"));
    }

    void commandsCarryCaptionTagAndPlace_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("tag");
        const auto row = [](const char* name, const char* command, const char* menu, int position,
                            const char* caption, int tag) {
            QTest::newRow(name) << QString::fromUtf8(command) << QString::fromUtf8(menu) << position
                                << QString::fromUtf8(caption) << tag;
        };
        row("first", "mnuUnidade", "mnuSistema", 0, "001 - &Unidade de trabalho...", 1);
        row("exit", "mnuSair", "mnuSistema", 7, "&Sair", -1);
        row("private attendance", "mnuAtendimentoParticular", "mnuCadastros", 2,
            "008 - &Atendimento particular...", 8);
        row("submenu", "mnuTabela", "mnuCadastros", 4, "Tabela", -1);
        row("map after the submenu", "mnuMapaDisponibilidade", "mnuCadastros", 5,
            "48 - Mapa disponibilidade", 48);
        row("auxiliary tables", "mnuTabelasAuxiliares", "mnuTabela", 14,
            "050-Tabelas auxiliares (Tavrimo)", 50);
        row("trailing blank kept", "mnuRelStatusAtendimento", "mnuRelatorios", 10,
            "033 - Tipo de &status para o atendimento... ", 33);
        row("card printing", "mnuCarteirinha", "mnuRelatorios", 19,
            "041 - Impressão de carteira de identificação...", 0);
        row("annual agenda", "mnuAgendaAnual", "mnuRelatorios", 27,
            "052 - Agenda &anual da unidade...", 0);
        row("extractor", "mnuExtratorTabelas", "mnuUtilitario", 5,
            "049 - &Extrator de tabelas do sistema...", 49);
        row("close active", "mnuFecharTodas", "mnuJanelas", 6, "Fechar todas", -1);
        row("manual", "mnuManual", "mnuAjuda", 1, "&Manual do sistema", 0);
    }

    void commandsCarryCaptionTagAndPlace() {
        QFETCH(QString, command);
        QFETCH(QString, menu);
        QFETCH(int, position);
        QFETCH(QString, caption);
        QFETCH(int, tag);
        QAction* action = window->command(command);
        QVERIFY(action);
        auto* parent = window->findChild<QMenu*>(menu);
        QVERIFY(parent);
        QCOMPARE(parent->actions().indexOf(action), position);
        QCOMPARE(action->text(), caption);
        QCOMPARE(TfrmMenuPrincipal::tagOf(action), tag);
    }

    void everyCommandIsNamed() {
        int commands = 0;
        for (QAction* action : window->menuCommands()) {
            if (action->isSeparator()) continue;
            QVERIFY2(!action->objectName().isEmpty(), qPrintable(action->text()));
            ++commands;
        }
        QCOMPARE(commands, 72);  // 64 commands, 7 menus and the "Tabela" submenu
        QVERIFY(!window->command(QStringLiteral("mnuRelInfoAnimal"))->isVisible());
    }

    void profile1000EnablesEverything() {
        signedInAs(QStringLiteral("1000"));
        window->actConfiguraMenu()->trigger();
        QStringList expected;
        for (QAction* action : window->menuCommands())
            if (!action->isSeparator() && !action->menu() && action->isVisible() &&
                action->objectName() != QLatin1String("mnuManual"))
                expected << action->objectName();
        QCOMPARE(enabledCommands(), expected);
        QVERIFY(!window->command(QStringLiteral("mnuManual"))->isEnabled());
    }

    void aProfileWithoutRowsKeepsTheAlwaysUsableCommands() {
        signedInAs(QStringLiteral("7"));
        window->actConfiguraMenu()->trigger();
        QCOMPARE(enabledCommands(), commandsTagged(-1));
        for (QAction* menu : window->menuBar()->actions()) QVERIFY(menu->isEnabled());
        QVERIFY(bed->shell.processEnds.isEmpty());
    }

    // Only the row's existence counts, and the form's Tag is what is compared.
    void rowsEnableTheCommandsWithTheirFormsTag() {
        test::AccessRows rows(bed->db);
        rows.right(7, 1, {"N", "N", "N", "N"});
        rows.right(7, 41, {"S", "S", "S", "S"});
        rows.right(7, 5, {"S", "S", "S", "S"});
        signedInAs(QStringLiteral("7"));
        window->actConfiguraMenu()->trigger();
        QStringList expected = commandsTagged(-1) + commandsTagged(0) +
                               QStringList{"mnuUnidade", "mnuAtendimentoParticular"};
        QStringList enabled = enabledCommands();
        expected.sort();
        enabled.sort();
        QCOMPARE(enabled, expected);
    }

    void reapplyingDisablesWhatTheNewProfileLacks() {
        test::AccessRows rows(bed->db);
        rows.right(7, 1, {"S", "S", "S", "S"});
        signedInAs(QStringLiteral("1000"));
        window->actConfiguraMenu()->trigger();
        signedInAs(QStringLiteral("7"));
        window->actConfiguraMenu()->trigger();
        QVERIFY(window->command(QStringLiteral("mnuUnidade"))->isEnabled());
        QVERIFY(!window->command(QStringLiteral("mnuUsuario"))->isEnabled());
    }

    void blankSignInValuesEndTheProcess_data() {
        QTest::addColumn<int>("field");
        QTest::newRow("user") << 0;
        QTest::newRow("profile") << 1;
        QTest::newRow("work unit") << 2;
        QTest::newRow("user name") << 3;
        QTest::newRow("login") << 4;
    }
    void blankSignInValuesEndTheProcess() {
        QFETCH(int, field);
        signedInAs(QStringLiteral("7"));
        app::SignInState& s = app::signInState();
        QString* fields[] = {&s.user, &s.profile, &s.workUnit, &s.userName, &s.login};
        *fields[field] = QStringLiteral("  ");
        window->actConfiguraMenu()->trigger();
        QCOMPARE(bed->messages.texts(),
                 QStringList{
                     QStringLiteral("Erro de autenticação de usuário.\rTente logar novamente.")});
        QCOMPARE(bed->messages.messages.first().kind, QStringLiteral("error"));
        QCOMPARE(bed->shell.processEnds, QList<int>{1});
    }

    void aFailingRightsStatementEndsTheProcess() {
        bed->db.exec(QStringLiteral("drop table form"));
        signedInAs(QStringLiteral("7"));
        window->actConfiguraMenu()->trigger();
        QCOMPARE(bed->messages.texts().size(), 1);
        QCOMPARE(bed->shell.processEnds, QList<int>{1});
    }

    void statusPanels_data() {
        QTest::addColumn<QString>("profile");
        QTest::newRow("restricted profile") << "7";
        QTest::newRow("profile 1000") << "1000";
    }
    void statusPanels() {
        QFETCH(QString, profile);
        signedInAs(profile);
        window->show();
        QCOMPARE(window->statusText(0), QStringLiteral("Unidade logada: Unidade Sul"));
        QCOMPARE(window->statusText(1), QStringLiteral("ANA LIMA - Atendente"));
        // A later sign-in leaves the panels in the other format.
        app::signInState().user = QStringLiteral("11");
        app::signInState().userName = QStringLiteral("BRUNO");
        window->actConfiguraMenu()->trigger();
        QCOMPARE(window->statusText(0), QStringLiteral("Usuário logado: 11 - BRUNO(Atendente)"));
        QCOMPARE(window->statusText(1), QStringLiteral("Unidade: 2 - Unidade Sul"));
    }

    void rightsHideOnlyWhatIsN_data() {
        QTest::addColumn<QStringList>("rights");
        QTest::addColumn<QStringList>("hidden");
        QTest::newRow("all S") << QStringList{"S", "S", "S", "S"} << QStringList{};
        QTest::newRow("all N") << QStringList{"N", "N", "N", "N"}
                               << QStringList{"actAppend", "actEdit", "actDelete", "actPrint"};
        QTest::newRow("insert refused")
            << QStringList{"N", "S", "S", "S"} << QStringList{"actAppend"};
        QTest::newRow("print refused")
            << QStringList{"S", "S", "S", "N"} << QStringList{"actPrint"};
        QTest::newRow("blank, lower case and null keep")
            << QStringList{"", "n", QString(), "s"} << QStringList{};
    }
    void rightsHideOnlyWhatIsN() {
        QFETCH(QStringList, rights);
        QFETCH(QStringList, hidden);
        test::AccessRows(bed->db).right(7, 1, rights);
        signedInAs(QStringLiteral("7"));
        QWidget* screen = open("mnuUnidade");
        QCOMPARE(shownCommands(screen), allCommandsBut(hidden));
    }

    void screensReadTheirOwnRightsRow_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("hidden");
        QTest::newRow("owner and animal hides both sets")
            << "mnuPropAnimal" << 6
            << QStringList{"actAppend", "actAnimalNovo",    "actEdit", "actAnimalAlterar",
                           "actDelete", "actAnimalExcluir", "actPrint"};
        QTest::newRow("private attendance reads row 5")
            << "mnuAtendimentoParticular" << 5 << QStringList{"bmpIncluir", "bmpExcluir"};
        QTest::newRow("occurrences")
            << "mnuRegistroOcorrencia" << 22 << QStringList{"bmpIncluir", "bmpExcluir"};
        QTest::newRow("standard prescription")
            << "mnuReceituarioPadrao" << 20
            << QStringList{"bmpAlterar", "bmpGravar", "bmpImprimir"};
        QTest::newRow("transfer reads row 20")
            << "mnuTransferirAnimal" << 20 << QStringList{"bmpTransferir"};
        QTest::newRow("profile screen reads but applies nothing")
            << "mnuPerfil" << 2 << QStringList{};
    }
    void screensReadTheirOwnRightsRow() {
        QFETCH(QString, command);
        QFETCH(int, row);
        QFETCH(QStringList, hidden);
        test::AccessRows rows(bed->db);
        rows.right(7, row, {"N", "N", "N", "N"});
        // The row of the command's own number must play no part.
        const int own = TfrmMenuPrincipal::tagOf(window->command(command));
        if (own != row) rows.right(7, own, {"S", "S", "S", "S"});
        signedInAs(QStringLiteral("7"));
        QWidget* screen = open(qPrintable(command));
        QStringList expected = allCommandsBut(hidden);
        if (command == QLatin1String("mnuPropAnimal")) expected << QStringLiteral("actInformation");
        expected.sort();
        QCOMPARE(shownCommands(screen), expected);
    }

    void noRowOrAFailedReadHidesNothing() {
        signedInAs(QStringLiteral("7"));
        QCOMPARE(shownCommands(open("mnuUnidade")), allCommandsBut({}));
        QVERIFY(bed->messages.messages.isEmpty());
        bed->db.exec(QStringLiteral("drop table perfil_form"));
        QCOMPARE(shownCommands(open("mnuUnidade")), allCommandsBut({}));
        QCOMPARE(bed->messages.messages.size(), 1);
        QCOMPARE(bed->messages.messages.first().kind, QStringLiteral("error"));
    }

    void eachChoiceOpensANewWindow() {
        signedInAs(QStringLiteral("1000"));
        open("mnuUnidade");
        open("mnuUnidade");
        QCOMPARE(window->mdiArea()->subWindowList().size(), 2);
    }

    void aCommandWithoutItsScreenSaysSo() {
        window->command(QStringLiteral("mnuAgenda"))->trigger();
        QCOMPARE(bed->messages.texts(),
                 QStringList{QStringLiteral(
                     "A tela \"023 - Agenda\" ainda não está disponível nesta versão.")});
        QVERIFY(window->mdiArea()->subWindowList().isEmpty());
    }

    void windowCommandsArrangeTheChildWindows() {
        signedInAs(QStringLiteral("1000"));
        window->resize(900, 600);
        window->show();
        for (int i = 0; i < 3; ++i) open("mnuUnidade");
        const auto frames = window->mdiArea()->subWindowList();
        const QRect area = window->mdiArea()->viewport()->rect();

        window->command(QStringLiteral("mnuDividirHorizontal"))->trigger();
        for (auto* frame : frames) QCOMPARE(frame->width(), area.width());
        QVERIFY(frames[0]->y() < frames[1]->y() && frames[1]->y() < frames[2]->y());

        window->command(QStringLiteral("mnuDividirVertical"))->trigger();
        for (auto* frame : frames) QCOMPARE(frame->height(), area.height());
        QVERIFY(frames[0]->x() < frames[1]->x() && frames[1]->x() < frames[2]->x());

        window->command(QStringLiteral("mnuTrocarSenha"))->trigger();
        QMdiSubWindow* fixed = window->mdiArea()->subWindowList().last();
        window->command(QStringLiteral("mnuMinimizarTodas"))->trigger();
        for (auto* frame : frames) QVERIFY(frame->isMinimized());
        QVERIFY(!fixed->isMinimized());
        fixed->close();
        window->command(QStringLiteral("mnuRestaurarTodas"))->trigger();
        for (auto* frame : frames) QVERIFY(area.contains(frame->geometry()));

        window->mdiArea()->setActiveSubWindow(frames[1]);
        window->command(QStringLiteral("mnuFecharTodas"))->trigger();
        QTRY_COMPARE(window->mdiArea()->subWindowList().size(), 2);
    }

    void theWindowMenuListsTheOpenWindows() {
        signedInAs(QStringLiteral("1000"));
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto* menu = window->findChild<QMenu*>(QStringLiteral("mnuJanelas"));
        const int commands = int(menu->actions().size());
        open("mnuUnidade");
        window->command(QStringLiteral("mnuTrocarSenha"))->trigger();
        const auto frames = window->mdiArea()->subWindowList();
        for (int shown = 0; shown < 2; ++shown) emit menu->aboutToShow();
        const QList<QAction*> listed = menu->actions().mid(commands);
        QCOMPARE(listed.size(), 3);  // a separator and the two windows
        QCOMPARE(listed[1]->text(), QStringLiteral("&1 tela"));
        QCOMPARE(listed[2]->text(), QStringLiteral("&2 004 - Troca de senha."));
        QVERIFY(listed[2]->isChecked());
        listed[1]->trigger();
        QCOMPARE(window->mdiArea()->activeSubWindow(), frames[0]);
    }

    void exitAndClosingEndTheProgram() {
        signedInAs(QStringLiteral("1000"));
        window->command(QStringLiteral("mnuSair"))->trigger();
        QCOMPARE(bed->shell.processEnds, QList<int>{0});
        window->show();
        window->close();
        QCOMPARE(bed->shell.processEnds, (QList<int>{0, 0}));
    }
};

QTEST_MAIN(MainMenuTest)
#include "tst_mainmenu.moc"
