// The record set, its bound widgets and the record maintenance screens, driven through the
// work-unit and screen-registry screens.

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include "admin/tfrmfrmsistema.h"
#include "admin/tfrmunidade.h"
#include "admin/tfrmunidadeconsultar.h"
#include "app/screenrights.h"
#include "app/signinstate.h"
#include "common/dbwidgets.h"
#include "db/recordset.h"
#include "support/shell.h"
#include "support/testdatabases.h"

using namespace orbadil;
using admin::TfrmUnidade;
using Config = MaintenanceConfig;

namespace {

// Notes whether a transaction was still open when each message was shown.
class TransactionWitness : public test::ScriptedMessages {
  public:
    QList<bool> openAtMessage;
    void error(const QString& text) override {
        openAtMessage << db::Connections::current().inTransaction();
        ScriptedMessages::error(text);
    }
};

void trigger(MaintenanceScreen& screen, Config::Command command) {
    QAction* action = screen.action(command);
    QVERIFY2(action->isEnabled(), qPrintable(action->objectName()));
    action->trigger();
}

}  // namespace

class MaintenanceTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestDatabases> db;
    std::unique_ptr<TransactionWitness> messages;

    QVariant scalar(const QString& sql) { return db->scalar(sql); }
    void unit(int id, const QString& name) { test::AccessRows(*db).unit(id, name); }
    void typeName(MaintenanceScreen& screen, const QString& name) {
        auto* edit = screen.findChild<QLineEdit*>(QStringLiteral("dbeNome"));
        edit->clear();
        QTest::keyClicks(edit, name);
    }
    // "Novo", a name, "Gravar".
    void store(MaintenanceScreen& screen, const QString& name) {
        trigger(screen, Config::Append);
        typeName(screen, name);
        trigger(screen, Config::Post);
    }

  private slots:
    void init() {
        db = std::make_unique<test::TestDatabases>();
        messages = std::make_unique<TransactionWitness>();
        app::signInState() = {};
        app::signInState().user = QStringLiteral("7");
    }
    void cleanup() {
        messages.reset();
        db.reset();
        app::signInState() = {};
    }

    // Record set --------------------------------------------------------------------------

    void recordSetWritesThroughTheTable() {
        unit(1, QStringLiteral("CENTRO"));
        db::RecordSet set;
        set.setTable(QStringLiteral("unidade_trabalho"), QStringLiteral("Id_Unidade_Trabalho"));
        set.add(QStringLiteral("select * from unidade_trabalho"));
        set.open();
        set.edit();
        set.setValue(QStringLiteral("Id_Unidade_Trabalho"),
                     5);  // a changed key still finds its row
        set.setValue(QStringLiteral("nome"), QString(120, u'X'));
        set.post();
        QCOMPARE(scalar(QStringLiteral("select length(Nome) from unidade_trabalho where "
                                       "Id_Unidade_Trabalho = 5")),
                 QVariant(100));

        set.append({{QStringLiteral("Ind_Status"), QStringLiteral("ATIVO")}});
        set.setValue(QStringLiteral("Id_Unidade_Trabalho"), 6);
        set.cancel();
        QCOMPARE(set.rowCount(), 1);
        QCOMPARE(set.state(), db::RecordSet::State::Browse);
        set.edit();
        set.setValue(QStringLiteral("Nome"), QStringLiteral("OUTRO"));
        set.cancel();
        QCOMPARE(set.text(QStringLiteral("Nome")), QString(100, u'X'));
    }

    void failedPostKeepsTheRowAndItsValues() {
        db->exec(
            QStringLiteral("create trigger refuse before insert on unidade_trabalho "
                           "begin select raise(abort, 'recusado'); end"));
        db::RecordSet set;
        set.setTable(QStringLiteral("unidade_trabalho"), QStringLiteral("Id_Unidade_Trabalho"));
        set.add(QStringLiteral("select * from unidade_trabalho where 1=2"));
        set.open();
        set.append();
        set.setValue(QStringLiteral("Nome"), QStringLiteral("NOVA"));
        QVERIFY_THROWS_EXCEPTION(Error, set.post());
        QCOMPARE(set.state(), db::RecordSet::State::Insert);
        QCOMPARE(set.text(QStringLiteral("Nome")), QStringLiteral("NOVA"));
    }

    void widgetsIgnoreTypingWhileBrowsing() {
        unit(1, QStringLiteral("CENTRO"));
        TfrmUnidade screen;
        screen.show();
        trigger(screen, Config::Refresh);
        auto* name = screen.findChild<QLineEdit*>(QStringLiteral("dbeNome"));
        auto* inactive = screen.findChild<DbCheckBox*>(QStringLiteral("dbcAtivo"));
        QTest::keyClicks(name, QStringLiteral("ZZ"));
        inactive->click();
        QCOMPARE(screen.principal().text(QStringLiteral("Nome")), QStringLiteral("CENTRO"));
        QVERIFY(!inactive->isChecked());

        trigger(screen, Config::Edit);
        name->end(false);
        QTest::keyClicks(name, QStringLiteral("al"));
        inactive->click();
        QCOMPARE(screen.principal().text(QStringLiteral("Nome")), QStringLiteral("CENTROAL"));
        QCOMPARE(screen.principal().text(QStringLiteral("Ind_Status")), QStringLiteral("INATIVO"));
    }

    // Storing -----------------------------------------------------------------------------

    void firstKeyIsOneAndAuditColumnsAreStamped() {
        TfrmUnidade screen;
        store(screen, QStringLiteral("Centro"));
        QCOMPARE(messages->texts(), QStringList{QStringLiteral("Operação realizada com sucesso!")});
        QCOMPARE(scalar(QStringLiteral("select Id_Unidade_Trabalho || Nome || Ind_Status || "
                                       "Inserido_Por from unidade_trabalho")),
                 QVariant(QStringLiteral("1CENTROATIVO7")));
        QVERIFY(!scalar(QStringLiteral("select Inserido_Em from unidade_trabalho")).isNull());
        QVERIFY(scalar(QStringLiteral("select coalesce(Modificado_Por, Modificado_Em) from "
                                      "unidade_trabalho"))
                    .isNull());

        app::signInState().user = QStringLiteral("8");
        trigger(screen, Config::Edit);
        typeName(screen, QStringLiteral("Centro novo"));
        trigger(screen, Config::Post);
        QCOMPARE(scalar(QStringLiteral("select Nome || Inserido_Por || Modificado_Por from "
                                       "unidade_trabalho")),
                 QVariant(QStringLiteral("CENTRO NOVO78")));
        QVERIFY(!scalar(QStringLiteral("select Modificado_Em from unidade_trabalho")).isNull());
    }

    void deletedHighestKeyIsGivenAgain() {
        unit(1, QStringLiteral("A"));
        unit(2, QStringLiteral("B"));
        db->exec(QStringLiteral("delete from unidade_trabalho where Id_Unidade_Trabalho = 2"));
        TfrmUnidade screen;
        store(screen, QStringLiteral("C"));
        QCOMPARE(scalar(QStringLiteral("select Nome from unidade_trabalho where "
                                       "Id_Unidade_Trabalho = 2")),
                 QVariant(QStringLiteral("C")));
        QCOMPARE(screen.findChild<QLineEdit*>(QStringLiteral("dbeCodigo"))->text(),
                 QStringLiteral("2"));
    }

    void gridShowsOnlyTheNewRowUntilRefresh() {
        unit(1, QStringLiteral("A"));
        unit(2, QStringLiteral("B"));
        TfrmUnidade screen;
        trigger(screen, Config::Refresh);
        QCOMPARE(screen.grid()->model()->rowCount(), 2);
        store(screen, QStringLiteral("C"));
        QCOMPARE(screen.grid()->model()->rowCount(), 1);
        QCOMPARE(screen.grid()->model()->index(0, 1).data().toString(), QStringLiteral("C"));
        trigger(screen, Config::Refresh);
        QCOMPARE(screen.grid()->model()->rowCount(), 3);
    }

    void enterOnAGridRowShowsItsFields() {
        unit(1, QStringLiteral("A"));
        unit(2, QStringLiteral("B"));
        TfrmUnidade screen;
        screen.show();
        trigger(screen, Config::Refresh);
        auto* pages = screen.findChild<QTabWidget*>(QStringLiteral("pgcPrincipal"));
        pages->setCurrentIndex(1);
        QTest::keyClick(screen.grid(), Qt::Key_Down);
        QTest::keyClick(screen.grid(), Qt::Key_Return);
        QCOMPARE(pages->currentIndex(), 0);
        QCOMPARE(screen.findChild<QLineEdit*>(QStringLiteral("dbeNome"))->text(),
                 QStringLiteral("B"));
    }

    void validationKeepsTheRowBeingInserted() {
        TfrmUnidade screen;
        store(screen, QStringLiteral("   "));
        QCOMPARE(messages->texts(),
                 QStringList{QStringLiteral("Falta preencher o nome da unidade!")});
        QCOMPARE(screen.principal().state(), db::RecordSet::State::Insert);
        QCOMPARE(scalar(QStringLiteral("select count(*) from unidade_trabalho")), QVariant(0));
    }

    void failedWriteRollsBackBeforeTheError() {
        db->exec(
            QStringLiteral("create trigger refuse before insert on unidade_trabalho "
                           "begin select raise(abort, 'chave em uso'); end"));
        TfrmUnidade screen;
        store(screen, QStringLiteral("Centro"));
        QCOMPARE(messages->messages.size(), 1);
        QCOMPARE(messages->messages[0].kind, QStringLiteral("error"));
        QVERIFY(messages->messages[0].text.contains(QStringLiteral("chave em uso")));
        QCOMPARE(messages->openAtMessage, QList<bool>{false});
        QCOMPARE(screen.principal().state(), db::RecordSet::State::Insert);
        QCOMPARE(screen.principal().text(QStringLiteral("Nome")), QStringLiteral("CENTRO"));

        db->exec(QStringLiteral("drop trigger refuse"));
        trigger(screen, Config::Post);
        QCOMPARE(scalar(QStringLiteral("select Nome from unidade_trabalho")),
                 QVariant(QStringLiteral("CENTRO")));
    }

    void newRowsOfTheRegistryTakeMaxPlusOne() {
        db->exec(
            QStringLiteral("insert into form (Id_Form, Nome, Tipo_Form) values (9, 'X', 'F')"));
        admin::TfrmFrmSistema screen;
        QVERIFY(!screen.action(Config::Print)->isVisible());
        QVERIFY(!screen.action(Config::Search)->isVisible());
        store(screen, QString());
        QCOMPARE(messages->texts().last(), QStringLiteral("Falta preencher o nome do formulário!"));
        typeName(screen, QStringLiteral("Agenda"));
        trigger(screen, Config::Post);
        QCOMPARE(scalar(QStringLiteral("select Nome from form where Id_Form = 10")),
                 QVariant(QStringLiteral("AGENDA")));
        // The screen sets no status: the table's own default applies.
        QCOMPARE(scalar(QStringLiteral("select Ind_Status from form where Id_Form = 10")),
                 QVariant(QStringLiteral("ATIVO")));
    }

    // Deleting ----------------------------------------------------------------------------

    void deletion_data() {
        QTest::addColumn<bool>("referenced");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("left");
        const QString question =
            QStringLiteral("Você esta preste a deletar a unidade nº: 1\r deseje continuar?");
        const auto row = [](const char* name, bool referenced, QList<bool> answers,
                            QStringList expected, int left) {
            QTest::newRow(name) << referenced << answers << expected << left;
        };
        row("referenced: refused before the question", true, {},
            {QStringLiteral("A unidade de trabalho não pode ser excluída, ela esta sendo usado "
                            "pelo sistema.")},
            1);
        row("answered no", false, {false}, {question}, 1);
        row("answered yes", false, {true},
            {question, QStringLiteral("Operação realizada com sucesso!")}, 0);
    }
    void deletion() {
        QFETCH(bool, referenced);
        QFETCH(QList<bool>, answers);
        QFETCH(QStringList, expected);
        QFETCH(int, left);
        unit(1, QStringLiteral("A"));
        if (referenced)
            db->exec(
                QStringLiteral("insert into unidade_trabalho_profissional "
                               "(id_unidade_trabalho, Id_Profissional) values (1, 3)"));
        messages->answers = answers;
        TfrmUnidade screen;
        trigger(screen, Config::Refresh);
        trigger(screen, Config::Delete);
        QCOMPARE(messages->texts(), expected);
        QCOMPARE(scalar(QStringLiteral("select count(*) from unidade_trabalho")), QVariant(left));
    }

    void refusedDeleteShowsTheScreensMessage() {
        unit(1, QStringLiteral("A"));
        db->exec(
            QStringLiteral("create trigger keep before delete on unidade_trabalho "
                           "begin select raise(abort, 'em uso'); end"));
        TfrmUnidade screen;
        trigger(screen, Config::Refresh);
        trigger(screen, Config::Delete);
        QCOMPARE(
            messages->messages.last().text,
            QStringLiteral("O registro esta sendo usado pelo sistema e não pode ser excluído!"));
        QCOMPARE(screen.principal().rowCount(), 1);
    }

    // Commands ----------------------------------------------------------------------------

    void commandsFollowTheState() {
        unit(1, QStringLiteral("A"));
        unit(2, QStringLiteral("B"));
        TfrmUnidade screen;
        const auto enabled = [&] {
            QString flags;
            for (Config::Command c :
                 {Config::Append, Config::Edit, Config::Delete, Config::Refresh, Config::Post,
                  Config::Cancel, Config::First, Config::Prior, Config::Next, Config::Last})
                flags += screen.action(c)->isEnabled() ? u'1' : u'0';
            return flags;
        };
        QCOMPARE(enabled(), QStringLiteral("1101000000"));  // opened on "where 1=2"
        trigger(screen, Config::Refresh);
        QCOMPARE(enabled(), QStringLiteral("1111000011"));
        trigger(screen, Config::Last);
        QCOMPARE(enabled(), QStringLiteral("1111001100"));
        trigger(screen, Config::Edit);
        QCOMPARE(enabled(), QStringLiteral("1011110000"));
        trigger(screen, Config::Cancel);
        trigger(screen, Config::Append);
        QCOMPARE(enabled(), QStringLiteral("1011110000"));
    }

    void refusedRightsHideTheFourCommands() {
        test::AccessRows rows(*db);
        rows.profile(7, QStringLiteral("SEM DIREITOS"));
        rows.form(1, 1);
        rows.right(7, 1, {"N", "N", "N", "N"});
        app::signInState().profile = QStringLiteral("7");
        TfrmUnidade screen;
        app::applyScreenRights(&screen, 1, app::RightsLayout::Standard);
        QStringList visible;
        for (QAction* a : screen.findChildren<QAction*>())
            if (a->isVisible() && !a->objectName().isEmpty()) visible << a->objectName();
        visible.sort();
        QCOMPARE(visible, (QStringList{"actAjuda", "actCancel", "actFirst", "actInformation",
                                       "actLast", "actNext", "actPesquisar", "actPost", "actPrior",
                                       "actRefresh", "actSair"}));
    }

    void ctrlPOpensTheSearch() {
        TfrmUnidade screen;
        screen.show();
        QApplication::setActiveWindow(&screen);
        screen.findChild<QLineEdit*>(QStringLiteral("dbeNome"))->setFocus();
        QTest::keyClick(&screen, Qt::Key_P, Qt::ControlModifier);
        bool searchOpen = false;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<admin::TfrmUnidadeConsultar*>(w) && w->isVisible()) {
                searchOpen = true;
                w->close();
            }
        QVERIFY(searchOpen);
    }

    // Sorting and searching ---------------------------------------------------------------

    void sortingKeepsTheConditionEvenWithOrderTyped() {
        unit(1, QStringLiteral("ZETA ORDER"));
        unit(2, QStringLiteral("ALFA ORDER"));
        unit(3, QStringLiteral("BETA"));
        TfrmUnidade screen;
        screen.showRows({QStringLiteral("select * from unidade_trabalho "),
                         QStringLiteral(" where nome like '%ORDER%'")});
        screen.sortBy(1);
        QCOMPARE(screen.principal().rowCount(), 2);
        QCOMPARE(screen.principal().text(QStringLiteral("Nome")), QStringLiteral("ALFA ORDER"));
        screen.sortBy(0);  // a second title replaces the first order
        QCOMPARE(screen.principal().text(QStringLiteral("Nome")), QStringLiteral("ZETA ORDER"));
        QVERIFY(messages->texts().isEmpty());
    }

    void emptyResultSortsEmpty() {
        unit(1, QStringLiteral("A"));
        TfrmUnidade screen;
        screen.sortBy(2);
        QVERIFY(screen.principal().isOpen());
        QCOMPARE(screen.principal().rowCount(), 0);
    }

    void locateDialogLoadsEachRowIntoTheScreen() {
        unit(1, QStringLiteral("CENTRO"));
        unit(2, QStringLiteral("NORTE"));
        unit(3, QStringLiteral("NOROESTE"));
        TfrmUnidade screen;
        screen.show();
        admin::TfrmUnidadeConsultar search;
        auto* text = search.findChild<QLineEdit*>(QStringLiteral("edtTexto"));
        QTest::keyClicks(text, QStringLiteral("nor"));
        QCOMPARE(screen.principal().rowCount(), 1);
        QCOMPARE(screen.principal().text(QStringLiteral("Nome")), QStringLiteral("NORTE"));
        QTest::keyClicks(text, QStringLiteral("o"));
        QCOMPARE(screen.principal().text(QStringLiteral("Nome")), QStringLiteral("NOROESTE"));
        QTest::keyClicks(text, QStringLiteral("x'"));  // nothing starts so: stays put, no error
        QCOMPARE(screen.principal().text(QStringLiteral("Nome")), QStringLiteral("NOROESTE"));
        QVERIFY(messages->texts().isEmpty());

        // A row being typed is not thrown away by moving in the list.
        trigger(screen, Config::Edit);
        typeName(screen, QStringLiteral("NOROESTE II"));
        text->clear();
        QTest::keyClicks(text, QStringLiteral("c"));
        QCOMPARE(screen.principal().state(), db::RecordSet::State::Edit);
        QCOMPARE(screen.principal().text(QStringLiteral("Nome")), QStringLiteral("NOROESTE II"));
    }
};

QTEST_MAIN(MaintenanceTest)
#include "tst_maintenance.moc"
