// The profile screen with its rights list, the user screen, and their search dialogs, driven as
// a user drives them.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "admin/tfrmgrupo.h"
#include "admin/tfrmusuario.h"
#include "app/signinstate.h"
#include "app/tfrmlogin_2.h"
#include "common/password.h"
#include "common/searchdialog.h"
#include "support/shell.h"
#include "support/testdatabases.h"

using namespace orbadil;
using admin::TfrmGrupo;
using admin::TfrmUsuario;
using Config = MaintenanceConfig;

namespace {

const QString kDone = QStringLiteral("Operação realizada com sucesso!");
const QString kNotEditing = QStringLiteral(
    "É necessário que o arquivo esteja no modo de inserção ou edição para incluir ou excluir um "
    "novo formulário ou relatório.");
const QString kNoEntries =
    QStringLiteral("Falta selecionar os formulários e relatórios deste perfil.");
const QString kSearchMissing =
    QStringLiteral("Falta selecionar o campo ou o texto para a pesquisa. ");
const QString kForm = QStringLiteral("Formulário");
const QString kReport = QStringLiteral("Relatório");

template <typename T>
T* find(const QObject& parent, const char* name) {
    T* found = parent.findChild<T*>(QLatin1String(name));
    if (!found) qFatal("no child named %s", name);
    return found;
}

void trigger(MaintenanceScreen& screen, Config::Command command) {
    QAction* action = screen.action(command);
    QVERIFY2(action->isEnabled(), qPrintable(action->objectName()));
    action->trigger();
}

void click(const QObject& parent, const char* button) {
    find<QPushButton>(parent, button)->click();
}

// Replaces the edit's text by typing over it.
void type(const QObject& parent, const char* edit, const QString& text) {
    auto* box = find<QLineEdit>(parent, edit);
    box->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Backspace);
    else
        QTest::keyClicks(box, text);
}

// Picks the entry of a look-up list that stands for the key.
void pickKey(QComboBox* list, int key) {
    for (int i = 0; i < list->count(); ++i) {
        if (list->itemData(i).toString() == QString::number(key)) {
            list->setCurrentIndex(i);
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("%1 offers no key %2").arg(list->objectName()).arg(key)));
}

QStringList itemTexts(const QComboBox* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->itemText(i);
    return out;
}

// Rights in the order of the check boxes and of perfil_form: view, insert, change, delete, print.
const char* const kRightBoxes[] = {"chkVisualizar", "chkIncluir", "chkAlterar", "chkExcluir",
                                   "chkImprimir"};

QString checkedRights(const TfrmGrupo& screen) {
    QString out;
    for (const char* name : kRightBoxes)
        out += find<QCheckBox>(screen, name)->isChecked() ? 'S' : 'N';
    return out;
}

QTreeWidget* rightsList(const TfrmGrupo& screen) {
    return find<QTreeWidget>(screen, "lvwFormulario");
}

// Each entry of the rights list as its columns joined by "|".
QStringList entries(const TfrmGrupo& screen) {
    QStringList out;
    const QTreeWidget* list = rightsList(screen);
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QStringList columns;
        for (int c = 0; c < list->columnCount(); ++c) columns << list->topLevelItem(i)->text(c);
        out << columns.join(u'|');
    }
    return out;
}

void selectEntry(const TfrmGrupo& screen, int form) {
    QTreeWidget* list = rightsList(screen);
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (list->topLevelItem(i)->text(0) == QString::number(form)) {
            list->setCurrentItem(list->topLevelItem(i));
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no entry for screen %1").arg(form)));
}

// Chooses the type and the screen, sets the five boxes and presses "&Incluir".
void addRight(TfrmGrupo& screen, const QString& type, int form,
              const QString& rights = QStringLiteral("SSSSS")) {
    auto* kind = find<QComboBox>(screen, "cbbForm_Rel");
    kind->setCurrentIndex(kind->findText(type));
    pickKey(find<QComboBox>(screen, "dblFormulario"), form);
    for (int i = 0; i < 5; ++i) {
        auto* box = find<QCheckBox>(screen, kRightBoxes[i]);
        if (box->isChecked() != (rights[i] == u'S')) box->click();
    }
    click(screen, "bmpIncluir");
}

// "Novo", the name, the screens granted, "Gravar".
void storeProfile(TfrmGrupo& screen, const QString& name, const QList<int>& forms) {
    trigger(screen, Config::Append);
    type(screen, "dbeNome", name);
    for (int form : forms) addRight(screen, kForm, form);
    trigger(screen, Config::Post);
}

// The grid column with this title.
int gridColumn(const MaintenanceScreen& screen, const QString& title) {
    const QAbstractItemModel* model = screen.grid()->model();
    for (int c = 0; c < model->columnCount(); ++c)
        if (model->headerData(c, Qt::Horizontal).toString() == title) return c;
    qFatal("no grid column %s", qPrintable(title));
}

void clickTitle(MaintenanceScreen& screen, const QString& title) {
    find<QTabWidget>(screen, "pgcPrincipal")->setCurrentWidget(screen.grid());
    QHeaderView* header = screen.grid()->horizontalHeader();
    const int column = gridColumn(screen, title);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
}

QStringList column(const MaintenanceScreen& screen, int column) {
    QStringList out;
    const QAbstractItemModel* model = screen.grid()->model();
    for (int r = 0; r < model->rowCount(); ++r) out << model->index(r, column).data().toString();
    return out;
}

// The search dialog a screen's "Pesquisar" opened.
SearchDialog* openSearch(MaintenanceScreen& screen) {
    screen.action(Config::Search)->trigger();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<SearchDialog*>(w); dialog && dialog->isVisible())
            return dialog;
    qFatal("no search dialog open");
}

void search(SearchDialog& dialog, int column, const QString& text) {
    find<QComboBox>(dialog, "cbbCampo")->setCurrentIndex(column);
    type(dialog, "edtTexto", text);
    click(dialog, "bmpLocalizar");
}

std::unique_ptr<MaintenanceScreen> screenFor(const QString& kind) {
    if (kind == u"perfil") return std::make_unique<TfrmGrupo>();
    return std::make_unique<TfrmUsuario>();
}

enum SearchColumn { Code = 0, Name = 1 };

}  // namespace

class AdminTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestDatabases> db;
    std::unique_ptr<test::ScriptedMessages> messages;

    QVariant scalar(const QString& sql) { return db->scalar(sql); }
    int count(const QString& sql) { return scalar(sql).toInt(); }
    test::AccessRows rows() { return test::AccessRows(*db); }

    void form(int id, const char* type, const QString& name, const QString& description) {
        db->exec(QStringLiteral("insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag) "
                                "values (%1, '%2', '%3', '%4', %1)")
                     .arg(id)
                     .arg(name, description, QLatin1String(type)));
    }
    void grant(int profile, int form, const QString& rights) {
        QStringList values;
        for (QChar r : rights) values << u'\'' + r + u'\'';
        db->exec(QStringLiteral("insert into perfil_form values (%1, %2, %3)")
                     .arg(profile)
                     .arg(form)
                     .arg(values.join(u',')));
    }
    // The profile's rights rows in the order they were written, "form:rights" each.
    QString storedRights(int profile) {
        return scalar(QStringLiteral("select coalesce(group_concat(r, ' '), '') from (select "
                                     "Id_Form || ':' || Visualizar || Incluir || Alterar || "
                                     "Excluir || Imprimir as r from perfil_form where Id_Perfil "
                                     "= %1 order by rowid)")
                          .arg(profile))
            .toString();
    }
    // Three screens to grant: two forms and a report.
    void forms() {
        form(1, "F", QStringLiteral("CADASTRO"), QStringLiteral("Donos e animais"));
        form(2, "F", QStringLiteral("AGENDA"), QStringLiteral("Agenda do dia"));
        form(3, "R", QStringLiteral("LISTAGEM"), QStringLiteral("Lista de donos"));
    }
    void user(int id, const QString& name, int profile = 1, int unit = 1,
              const QString& password = QStringLiteral("X")) {
        rows().user({id, unit, profile, name, name, password});
    }
    QStringList messageKinds() const {
        QStringList out;
        for (const auto& m : messages->messages) out << m.kind;
        return out;
    }

  private slots:
    void init() {
        db = std::make_unique<test::TestDatabases>();
        // Throw-away files need no syncing; without it every arranged row waits for the disk.
        db->exec(QStringLiteral("pragma synchronous = off"));
        messages = std::make_unique<test::ScriptedMessages>();
        app::signInState() = {};
        app::signInState().user = QStringLiteral("7");
    }
    void cleanup() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<SearchDialog*>(w)) delete w;
        messages.reset();
        db.reset();
        app::signInState() = {};
    }

    // Profile: the rights list ------------------------------------------------------------

    void rightsListIsLockedWhileBrowsing() {
        forms();
        rows().profile(1, QStringLiteral("ADMIN"));
        grant(1, 1, QStringLiteral("SSSSS"));
        TfrmGrupo screen;
        trigger(screen, Config::Refresh);
        addRight(screen, kForm, 2);
        selectEntry(screen, 1);
        click(screen, "bmpExcluir");
        QCOMPARE(messages->texts(), (QStringList{kNotEditing, kNotEditing}));
        QCOMPARE(entries(screen).size(), 1);
        QCOMPARE(storedRights(1), QStringLiteral("1:SSSSS"));
    }

    void rightsListRefusals_data() {
        QTest::addColumn<bool>("typeChosen");
        QTest::addColumn<int>("added");  // entries in the list before the button
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        QTest::newRow("Seleção blank") << false << 0 << "bmpIncluir"
                                       << "Selecione o formulário/relatório!";
        QTest::newRow("no screen picked") << true << 0 << "bmpIncluir"
                                          << "Falta selecinar o formulário/relatório!";
        QTest::newRow("no entry chosen to remove") << true << 1 << "bmpExcluir"
                                                   << "Erro na tentativa de exclusão!";
    }
    void rightsListRefusals() {
        QFETCH(bool, typeChosen);
        QFETCH(int, added);
        QFETCH(QString, button);
        QFETCH(QString, message);
        forms();
        TfrmGrupo screen;
        trigger(screen, Config::Append);
        if (typeChosen) find<QComboBox>(screen, "cbbForm_Rel")->setCurrentIndex(0);
        for (int i = 0; i < added; ++i) addRight(screen, kForm, 1);
        click(screen, qPrintable(button));
        QCOMPARE(messages->texts(), QStringList{message});
        QCOMPARE(entries(screen).size(), added);
        QCOMPARE(screen.principal().state(), db::RecordSet::State::Insert);
    }

    void pickerOffersTheChosenType() {
        forms();
        TfrmGrupo screen;
        auto* kind = find<QComboBox>(screen, "cbbForm_Rel");
        auto* picker = find<QComboBox>(screen, "dblFormulario");
        kind->setCurrentIndex(kind->findText(kReport));
        QCOMPARE(itemTexts(picker), QStringList{QStringLiteral("LISTAGEM")});
        kind->setCurrentIndex(kind->findText(kForm));
        QCOMPARE(itemTexts(picker),
                 (QStringList{QStringLiteral("CADASTRO"), QStringLiteral("AGENDA")}));
        QCOMPARE(picker->currentIndex(), -1);
    }

    void entriesAreStoredInListOrderRepeatsIncluded() {
        forms();
        TfrmGrupo screen;
        trigger(screen, Config::Append);
        type(screen, "dbeNome", QStringLiteral("Atendente"));
        addRight(screen, kReport, 3, QStringLiteral("SNNNS"));
        addRight(screen, kForm, 1, QStringLiteral("SSNNN"));
        addRight(screen, kForm, 1, QStringLiteral("NNNNN"));
        QCOMPARE(entries(screen),
                 (QStringList{QStringLiteral("3|Relatório|LISTAGEM|S|N|N|N|S|Lista de donos"),
                              QStringLiteral("1|Formulário|CADASTRO|S|S|N|N|N|Donos e animais"),
                              QStringLiteral("1|Formulário|CADASTRO|N|N|N|N|N|Donos e animais")}));
        trigger(screen, Config::Post);
        QCOMPARE(messages->texts(), QStringList{kDone});
        QCOMPARE(scalar(QStringLiteral("select Id_Perfil || Nome || Inserido_Por from perfil")),
                 QVariant(QStringLiteral("1ATENDENTE7")));
        QCOMPARE(storedRights(1), QStringLiteral("3:SNNNS 1:SSNNN 1:NNNNN"));
        QCOMPARE(screen.principal().state(), db::RecordSet::State::Browse);
        QCOMPARE(entries(screen).size(), 3);
    }

    // Only this profile's rows are replaced, by the list as it stands when stored.
    void editingReplacesTheProfilesRights() {
        forms();
        rows().profile(1, QStringLiteral("ADMIN"));
        rows().profile(2, QStringLiteral("OUTRO"));
        grant(1, 1, QStringLiteral("SSSSS"));
        grant(1, 2, QStringLiteral("SSSSS"));
        grant(2, 1, QStringLiteral("SNNNN"));
        TfrmGrupo screen;
        trigger(screen, Config::Refresh);
        trigger(screen, Config::Edit);
        selectEntry(screen, 1);
        click(screen, "bmpExcluir");
        addRight(screen, kReport, 3, QStringLiteral("NNNNS"));
        addRight(screen, kForm, 1, QStringLiteral("SNSNS"));
        trigger(screen, Config::Post);
        QCOMPARE(messages->texts(), QStringList{kDone});
        QCOMPARE(storedRights(1), QStringLiteral("2:SSSSS 3:NNNNS 1:SNSNS"));
        QCOMPARE(storedRights(2), QStringLiteral("1:SNNNN"));
        QCOMPARE(scalar(QStringLiteral("select Modificado_Por from perfil where Id_Perfil = 1")),
                 QVariant(7));
        QCOMPARE(screen.principal().rowCount(), 2);  // all profiles read again
    }

    void cancellingAnEditRestoresTheStoredList() {
        forms();
        rows().profile(1, QStringLiteral("ADMIN"));
        grant(1, 1, QStringLiteral("SSSSS"));
        TfrmGrupo screen;
        trigger(screen, Config::Refresh);
        trigger(screen, Config::Edit);
        addRight(screen, kForm, 2);
        trigger(screen, Config::Cancel);
        QCOMPARE(entries(screen),
                 QStringList{QStringLiteral("1|Formulário|CADASTRO|S|S|S|S|S|Donos e animais")});
        QCOMPARE(storedRights(1), QStringLiteral("1:SSSSS"));
    }

    // The boxes show the last row's rights; a right stored as anything but S or N shows empty.
    void movingBetweenProfilesLoadsTheirRights() {
        forms();
        rows().profile(1, QStringLiteral("ADMIN"));
        rows().profile(2, QStringLiteral("VISITA"));
        rows().profile(3, QStringLiteral("VAZIO"));
        grant(1, 1, QStringLiteral("SSSSS"));
        grant(1, 3, QStringLiteral("SNNNS"));
        grant(2, 2, QStringLiteral("XSNSN"));
        TfrmGrupo screen;
        trigger(screen, Config::Refresh);
        QCOMPARE(entries(screen),
                 (QStringList{QStringLiteral("1|Formulário|CADASTRO|S|S|S|S|S|Donos e animais"),
                              QStringLiteral("3|Relatório|LISTAGEM|S|N|N|N|S|Lista de donos")}));
        QCOMPARE(checkedRights(screen), QStringLiteral("SNNNS"));
        QCOMPARE(find<QLabel>(screen, "lblPerfil")->text(), QStringLiteral("ADMIN"));

        trigger(screen, Config::Next);
        QCOMPARE(entries(screen),
                 QStringList{QStringLiteral("2|Formulário|AGENDA||S|N|S|N|Agenda do dia")});
        QCOMPARE(checkedRights(screen), QStringLiteral("NSNSN"));

        trigger(screen, Config::Next);
        QVERIFY(entries(screen).isEmpty());
        trigger(screen, Config::First);
        QCOMPARE(entries(screen).size(), 2);
    }

    // Profile: storing --------------------------------------------------------------------

    void profileNeedsAnEntry_data() {
        QTest::addColumn<bool>("existing");
        QTest::addColumn<bool>("granted");  // the stored profile has one right
        QTest::newRow("new profile") << false << false;
        QTest::newRow("stored without rights, only renamed") << true << false;
        QTest::newRow("its only entry removed") << true << true;
    }
    void profileNeedsAnEntry() {
        QFETCH(bool, existing);
        QFETCH(bool, granted);
        forms();
        rows().profile(1, QStringLiteral("ADMIN"));
        if (granted) grant(1, 1, QStringLiteral("SSSSS"));
        TfrmGrupo screen;
        if (existing) {
            trigger(screen, Config::Refresh);
            trigger(screen, Config::Edit);
            if (granted) {
                selectEntry(screen, 1);
                click(screen, "bmpExcluir");
            }
        } else {
            trigger(screen, Config::Append);
        }
        type(screen, "dbeNome", QStringLiteral("Novo nome"));
        trigger(screen, Config::Post);
        QCOMPARE(messages->texts(), QStringList{kNoEntries});
        QVERIFY(screen.principal().isEditing());
        QCOMPARE(scalar(QStringLiteral("select group_concat(Nome) from perfil")),
                 QVariant(QStringLiteral("ADMIN")));
        QCOMPARE(storedRights(1), granted ? QStringLiteral("1:SSSSS") : QString());
    }

    void profileNames_data() {
        QTest::addColumn<bool>("renaming");  // profile 2, else a new one
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("named");  // profiles then named ATENDENTE
        QTest::newRow("new, taken name in other case") << false << "atendente"
                                                       << "Já existe um perfil com este nome." << 1;
        QTest::newRow("new, free name") << false << "recepcao" << kDone << 1;
        QTest::newRow("renamed to a taken name") << true << "atendente" << kDone << 2;
    }
    void profileNames() {
        QFETCH(bool, renaming);
        QFETCH(QString, name);
        QFETCH(QString, message);
        QFETCH(int, named);
        forms();
        rows().profile(1, QStringLiteral("Atendente"));
        rows().profile(2, QStringLiteral("VISITA"));
        grant(2, 1, QStringLiteral("SSSSS"));
        TfrmGrupo screen;
        if (renaming) {
            screen.showRows({QStringLiteral("select * from perfil where Id_Perfil = 2")});
            trigger(screen, Config::Edit);
            type(screen, "dbeNome", name);
            trigger(screen, Config::Post);
        } else {
            storeProfile(screen, name, {1});
        }
        QCOMPARE(messages->texts(), QStringList{message});
        QCOMPARE(count(QStringLiteral("select count(*) from perfil where upper(Nome) = "
                                      "'ATENDENTE'")),
                 named);
    }

    void newKeyFollowsTheNewestProfile() {
        forms();
        rows().profile(4, QStringLiteral("ADMIN"));
        rows().profile(9, QStringLiteral("VISITA"));
        TfrmGrupo screen;
        storeProfile(screen, QStringLiteral("Novo"), {2});
        QCOMPARE(find<QLineEdit>(screen, "dbeCodigo")->text(), QStringLiteral("10"));
        QCOMPARE(storedRights(10), QStringLiteral("2:SSSSS"));
    }

    // The profile and its rights are one write: a refused right leaves nothing of it.
    void failedRightsWriteLeavesNothing_data() {
        QTest::addColumn<bool>("inserting");
        QTest::newRow("new profile") << true;
        QTest::newRow("stored profile changed") << false;
    }
    void failedRightsWriteLeavesNothing() {
        QFETCH(bool, inserting);
        forms();
        rows().profile(1, QStringLiteral("ADMIN"));
        grant(1, 1, QStringLiteral("SSSSS"));
        db->exec(
            QStringLiteral("create trigger refuse before insert on perfil_form when "
                           "new.Id_Form = 2 begin select raise(abort, 'direito recusado'); end"));
        TfrmGrupo screen;
        if (inserting) {
            storeProfile(screen, QStringLiteral("Novo"), {1, 1, 2});
        } else {
            trigger(screen, Config::Refresh);
            trigger(screen, Config::Edit);
            type(screen, "dbeNome", QStringLiteral("Mudado"));
            addRight(screen, kForm, 1);
            addRight(screen, kForm, 2);
            trigger(screen, Config::Post);
        }
        QCOMPARE(messageKinds(), QStringList{QStringLiteral("error")});
        QVERIFY(messages->texts().first().contains(QStringLiteral("direito recusado")));
        QCOMPARE(screen.principal().state(),
                 inserting ? db::RecordSet::State::Insert : db::RecordSet::State::Edit);
        QCOMPARE(entries(screen).size(), 3);
        QCOMPARE(scalar(QStringLiteral("select group_concat(Id_Perfil || Nome) from perfil")),
                 QVariant(QStringLiteral("1ADMIN")));
        QCOMPARE(count(QStringLiteral("select count(*) from perfil_form")), 1);
        QCOMPARE(storedRights(1), QStringLiteral("1:SSSSS"));

        db->exec(QStringLiteral("drop trigger refuse"));
        trigger(screen, Config::Post);
        QCOMPARE(messages->texts().last(), kDone);
        QCOMPARE(storedRights(inserting ? 2 : 1), QStringLiteral("1:SSSSS 1:SSSSS 2:SSSSS"));
    }

    // Profile: deleting -------------------------------------------------------------------

    void profileDeletion_data() {
        QTest::addColumn<bool>("used");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("left");  // profiles 2 left
        const QString question =
            QStringLiteral("Você esta preste a deletar o registro nº: 2\r deseje continuar?");
        QTest::newRow("used by a user: refused before the question")
            << true << QList<bool>{}
            << QStringList{QStringLiteral("Você não pode excluir este perfil.\rEle esta sendo "
                                          "usado pelo usuário.BRUNO")}
            << 1;
        QTest::newRow("answered no") << false << QList<bool>{false} << QStringList{question} << 1;
        QTest::newRow("answered yes")
            << false << QList<bool>{true} << QStringList{question, kDone} << 0;
    }
    void profileDeletion() {
        QFETCH(bool, used);
        QFETCH(QList<bool>, answers);
        QFETCH(QStringList, expected);
        QFETCH(int, left);
        forms();
        rows().unit(1, QStringLiteral("CENTRO"));
        rows().profile(1, QStringLiteral("ADMIN"));
        rows().profile(2, QStringLiteral("VISITA"));
        grant(1, 1, QStringLiteral("SSSSS"));
        grant(2, 1, QStringLiteral("SNNNN"));
        grant(2, 2, QStringLiteral("SNNNN"));
        user(5, QStringLiteral("ANA"), 1);
        if (used) user(6, QStringLiteral("BRUNO"), 2);
        messages->answers = answers;
        TfrmGrupo screen;
        screen.showRows({QStringLiteral("select * from perfil where Id_Perfil = 2")});
        trigger(screen, Config::Delete);
        QCOMPARE(messages->texts(), expected);
        QCOMPARE(count(QStringLiteral("select count(*) from perfil where Id_Perfil = 2")), left);
        QCOMPARE(count(QStringLiteral("select count(*) from perfil_form where Id_Perfil = 2")),
                 left * 2);
        QCOMPARE(storedRights(1), QStringLiteral("1:SSSSS"));
    }

    // Users -------------------------------------------------------------------------------

    void newUserIsStored() {
        rows().unit(1, QStringLiteral("CENTRO"));
        rows().profile(2, QStringLiteral("ATENDENTE"));
        user(5, QStringLiteral("ANA"));
        TfrmUsuario screen;
        trigger(screen, Config::Append);
        QVERIFY(!find<QCheckBox>(screen, "dbcBloqueado")->isChecked());
        QVERIFY(!find<QCheckBox>(screen, "dbcInativo")->isChecked());
        pickKey(find<QComboBox>(screen, "dblUnidade"), 1);
        pickKey(find<QComboBox>(screen, "dblPerfil"), 2);
        type(screen, "dbeNome", QStringLiteral("maria"));
        type(screen, "dbeUsuario", QStringLiteral("maria"));
        type(screen, "dbeSenha", QStringLiteral("segredo"));
        trigger(screen, Config::Post);
        QCOMPARE(messages->texts(), QStringList{kDone});
        QCOMPARE(find<QLineEdit>(screen, "dbeCodigo")->text(), QStringLiteral("6"));
        QCOMPARE(scalar(QStringLiteral(
                     "select Id_Unidade_Trabalho || Id_Perfil || Nome || '/' || Login || '/' || "
                     "Bloqueado || Inativo || Inserido_Por from usuario where Id_Usuario = 6")),
                 QVariant(QStringLiteral("12MARIA/MARIA/NAONAO7")));
        // Typed in small letters, taken in capitals: sign-in then wants it in capitals.
        QCOMPARE(scalar(QStringLiteral("select senha_crip from usuario where Id_Usuario = 6")),
                 QVariant(passwordDigest(QStringLiteral("SEGREDO"))));

        // Columns the screen never sets keep their defaults, so the user reaches sign-in.
        test::ShellFixture shell;
        const auto signsIn = [](const QString& password) {
            app::TfrmLogin_2 dialog;
            dialog.show();
            test::signIn(dialog, QStringLiteral("1"), QStringLiteral("6"), password);
            return dialog.result() == QDialog::Accepted;
        };
        QVERIFY(!signsIn(QStringLiteral("segredo")));
        QVERIFY(signsIn(QStringLiteral("SEGREDO")));
    }

    void ticksStoreSim_data() {
        QTest::addColumn<QString>("ticked");
        QTest::addColumn<QString>("stored");
        QTest::newRow("blocked") << "dbcBloqueado"
                                 << "SIM/NAO";
        QTest::newRow("inactive") << "dbcInativo"
                                  << "NAO/SIM";
    }
    void ticksStoreSim() {
        QFETCH(QString, ticked);
        QFETCH(QString, stored);
        TfrmUsuario screen;
        trigger(screen, Config::Append);
        type(screen, "dbeNome", QStringLiteral("maria"));
        find<QCheckBox>(screen, qPrintable(ticked))->click();
        trigger(screen, Config::Post);
        QCOMPARE(scalar(QStringLiteral("select Bloqueado || '/' || Inativo from usuario")),
                 QVariant(stored));
    }

    void passwordOnEdit_data() {
        QTest::addColumn<QString>("typed");  // empty: the box is left alone
        QTest::addColumn<QString>("password");
        QTest::newRow("nothing typed keeps it") << ""
                                                << "VELHA";
        QTest::newRow("a new one replaces it") << "nova"
                                               << "NOVA";
    }
    void passwordOnEdit() {
        QFETCH(QString, typed);
        QFETCH(QString, password);
        rows().unit(1, QStringLiteral("CENTRO"));
        rows().profile(1, QStringLiteral("ADMIN"));
        user(5, QStringLiteral("ANA"), 1, 1, QStringLiteral("VELHA"));
        TfrmUsuario screen;
        trigger(screen, Config::Refresh);
        trigger(screen, Config::Edit);
        type(screen, "dbeNome", QStringLiteral("ana maria"));
        if (!typed.isEmpty()) type(screen, "dbeSenha", typed);
        trigger(screen, Config::Post);
        QCOMPARE(messages->texts(), QStringList{kDone});
        QCOMPARE(scalar(QStringLiteral("select Nome || Modificado_Por from usuario")),
                 QVariant(QStringLiteral("ANA MARIA7")));
        QCOMPARE(scalar(QStringLiteral("select senha_crip from usuario")),
                 QVariant(passwordDigest(password)));
    }

    // Typing into the box that shows the stored digest, without selecting it first.
    void passwordTypedIntoTheStoredDigest_data() {
        QTest::addColumn<int>("key");  // where the cursor goes first
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("password");
        QTest::newRow("after it") << int(Qt::Key_End) << "nova"
                                  << "NOVA";
        QTest::newRow("before it") << int(Qt::Key_Home) << "nova"
                                   << "NOVA";
        QTest::newRow("rubbing out its end") << int(Qt::Key_End) << "\bxy"
                                             << "XY";
    }
    void passwordTypedIntoTheStoredDigest() {
        QFETCH(int, key);
        QFETCH(QString, typed);
        QFETCH(QString, password);
        rows().unit(1, QStringLiteral("CENTRO"));
        rows().profile(1, QStringLiteral("ADMIN"));
        user(5, QStringLiteral("ANA"), 1, 1, QStringLiteral("VELHA"));
        TfrmUsuario screen;
        trigger(screen, Config::Refresh);
        trigger(screen, Config::Edit);
        auto* box = find<QLineEdit>(screen, "dbeSenha");
        QTest::keyClick(box, Qt::Key(key));
        for (const QChar c : typed)
            c == u'\b' ? QTest::keyClick(box, Qt::Key_Backspace)
                       : QTest::keyClicks(box, QString(c));
        QCOMPARE(box->text(), password);
        trigger(screen, Config::Post);
        QCOMPARE(scalar(QStringLiteral("select senha_crip from usuario")),
                 QVariant(passwordDigest(password)));
    }

    // A password typed in an edit that was cancelled is not taken by the next edit.
    void cancelledPasswordIsForgotten() {
        rows().unit(1, QStringLiteral("CENTRO"));
        rows().profile(1, QStringLiteral("ADMIN"));
        user(5, QStringLiteral("ANA"), 1, 1, QStringLiteral("VELHA"));
        TfrmUsuario screen;
        trigger(screen, Config::Refresh);
        trigger(screen, Config::Edit);
        type(screen, "dbeSenha", QStringLiteral("outra"));
        trigger(screen, Config::Cancel);
        trigger(screen, Config::Edit);
        type(screen, "dbeNome", QStringLiteral("ana maria"));
        trigger(screen, Config::Post);
        QCOMPARE(scalar(QStringLiteral("select senha_crip from usuario")),
                 QVariant(passwordDigest(QStringLiteral("VELHA"))));
    }

    void userNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("refused");
        QTest::newRow("same name") << "MARIA SILVA" << true;
        QTest::newRow("other case, blanks around") << "  maria silva  " << true;
        QTest::newRow("name that starts the same") << "maria silvano" << false;
        QTest::newRow("quote in the name") << "maria d'avila" << false;
    }
    void userNames() {
        QFETCH(QString, name);
        QFETCH(bool, refused);
        rows().unit(1, QStringLiteral("CENTRO"));
        rows().profile(1, QStringLiteral("ADMIN"));
        user(5, QStringLiteral("Maria Silva"));
        TfrmUsuario screen;
        trigger(screen, Config::Append);
        type(screen, "dbeNome", name);
        trigger(screen, Config::Post);
        QCOMPARE(
            messages->texts(),
            QStringList{refused ? QStringLiteral("Já existe um usuário cadastrado com este nome.")
                                : kDone});
        QCOMPARE(count(QStringLiteral("select count(*) from usuario")), refused ? 1 : 2);
        QCOMPARE(screen.principal().isEditing(), refused);
    }

    void cancelReloadsAllUsers() {
        user(5, QStringLiteral("ANA"));
        user(6, QStringLiteral("BRUNO"));
        TfrmUsuario screen;
        QCOMPARE(screen.principal().rowCount(), 0);
        trigger(screen, Config::Append);
        type(screen, "dbeNome", QStringLiteral("nova"));
        trigger(screen, Config::Cancel);
        QCOMPARE(column(screen, gridColumn(screen, QStringLiteral("Nome"))),
                 (QStringList{QStringLiteral("ANA"), QStringLiteral("BRUNO")}));
        QCOMPARE(count(QStringLiteral("select count(*) from usuario")), 2);
    }

    void unitListOffersActiveUnitsOnly() {
        rows().unit(1, QStringLiteral("Sul"));
        rows().unit(2, QStringLiteral("NORTE"), QStringLiteral("INATIVO"));
        rows().unit(3, QStringLiteral("Centro"));
        rows().profile(1, QStringLiteral("zeta"));
        rows().profile(2, QStringLiteral("ALFA"));
        TfrmUsuario screen;
        QCOMPARE(itemTexts(find<QComboBox>(screen, "dblUnidade")),
                 (QStringList{QStringLiteral("CENTRO"), QStringLiteral("SUL")}));
        QCOMPARE(itemTexts(find<QComboBox>(screen, "dblPerfil")),
                 (QStringList{QStringLiteral("ALFA"), QStringLiteral("ZETA")}));
    }

    // Names of profiles and units sort differently from their keys, so either mistake shows.
    void gridShowsNamesAndSortsByKeys_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("users");
        QTest::newRow("Grupo de usuário") << "Grupo de usuário" << QStringList{"BIA", "CAU", "ANA"};
        QTest::newRow("Unidade") << "Unidade" << QStringList{"ANA", "CAU", "BIA"};
        QTest::newRow("Nome") << "Nome" << QStringList{"ANA", "BIA", "CAU"};
    }
    void gridShowsNamesAndSortsByKeys() {
        QFETCH(QString, title);
        QFETCH(QStringList, users);
        rows().unit(1, QStringLiteral("SUL"));
        rows().unit(2, QStringLiteral("CENTRO"));
        rows().unit(3, QStringLiteral("NORTE"), QStringLiteral("INATIVO"));
        rows().profile(1, QStringLiteral("ZETA"));
        rows().profile(2, QStringLiteral("ALFA"));
        rows().profile(3, QStringLiteral("MEIO"));
        user(1, QStringLiteral("CAU"), 2, 2);
        user(2, QStringLiteral("BIA"), 1, 3);
        user(3, QStringLiteral("ANA"), 3, 1);
        TfrmUsuario screen;
        screen.show();
        trigger(screen, Config::Refresh);
        const int profiles = gridColumn(screen, QStringLiteral("Grupo de usuário"));
        const int units = gridColumn(screen, QStringLiteral("Unidade"));
        QCOMPARE(
            column(screen, profiles),
            (QStringList{QStringLiteral("ALFA"), QStringLiteral("ZETA"), QStringLiteral("MEIO")}));
        QCOMPARE(column(screen, units),
                 (QStringList{QStringLiteral("CENTRO"), QStringLiteral("NORTE"),
                              QStringLiteral("SUL")}));

        clickTitle(screen, QStringLiteral("Usuário"));  // a second title replaces the first order
        clickTitle(screen, title);
        const int clicked = gridColumn(screen, title);
        QCOMPARE(column(screen, gridColumn(screen, QStringLiteral("Nome"))), users);
        QCOMPARE(screen.grid()->model()->index(0, clicked).data(Qt::BackgroundRole),
                 QVariant(QPalette().color(QPalette::ToolTipBase)));
        QVERIFY(messages->texts().isEmpty());
    }

    void userDeletion_data() {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<int>("left");
        QTest::newRow("answered yes") << true << 1;
        QTest::newRow("answered no") << false << 2;
    }
    void userDeletion() {
        QFETCH(bool, answer);
        QFETCH(int, left);
        user(5, QStringLiteral("ANA"));
        user(6, QStringLiteral("BRUNO"));
        messages->answers = {answer};
        TfrmUsuario screen;
        screen.showRows({QStringLiteral("select * from usuario where Id_Usuario = 6")});
        trigger(screen, Config::Delete);
        const QString question = QStringLiteral(
            "Você esta preste a deletar a definitivamento o usuário nº: 6\r deseje continuar?");
        QCOMPARE(messages->texts(),
                 answer ? (QStringList{question, kDone}) : QStringList{question});
        QCOMPARE(count(QStringLiteral("select count(*) from usuario")), left);
        QCOMPARE(count(QStringLiteral("select count(*) from usuario where Id_Usuario = 5")), 1);
        if (answer) QCOMPARE(screen.principal().rowCount(), 1);  // all users read again
    }

    // Search dialogs ----------------------------------------------------------------------

    // Profiles and users under the same names, so one table drives both dialogs.
    void searchRows() {
        forms();
        rows().unit(1, QStringLiteral("CENTRO"));
        const QStringList names{QStringLiteral("D'AVILA"), QStringLiteral("DANTAS"),
                                QStringLiteral("SILVA")};
        for (int id = 1; id <= names.size(); ++id) {
            rows().profile(id, names[id - 1]);
            user(id, names[id - 1], id);
        }
        grant(3, 1, QStringLiteral("SSSSS"));
        grant(3, 2, QStringLiteral("SSSSS"));
    }

    void searchRefusals_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        for (const char* kind : {"perfil", "usuario"}) {
            QTest::addRow("%s: no column", kind) << kind << -1 << "DANTAS" << kSearchMissing;
            QTest::addRow("%s: no text", kind) << kind << int(Name) << "" << kSearchMissing;
            QTest::addRow("%s: blank text", kind) << kind << int(Name) << "   " << kSearchMissing;
            QTest::addRow("%s: code with letters", kind) << kind << int(Code) << "1 or 1=1"
                                                         << "O código deve conter apenas números.";
        }
    }
    void searchRefusals() {
        QFETCH(QString, kind);
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(QString, message);
        searchRows();
        auto screen = screenFor(kind);
        SearchDialog* dialog = openSearch(*screen);
        search(*dialog, column, text);
        QCOMPARE(messages->texts(), QStringList{message});
        QCOMPARE(messageKinds(), QStringList{QStringLiteral("information")});
        QCOMPARE(dialog->rows().rowCount(), 0);
        QVERIFY(dialog->isVisible());
    }

    void searchFinds_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("found");
        for (const char* kind : {"perfil", "usuario"}) {
            QTest::addRow("%s: name start", kind)
                << kind << int(Name) << "d" << QStringList{"D'AVILA", "DANTAS"};
            QTest::addRow("%s: quote in the name", kind)
                << kind << int(Name) << "d'a" << QStringList{"D'AVILA"};
            QTest::addRow("%s: code", kind) << kind << int(Code) << "3" << QStringList{"SILVA"};
            QTest::addRow("%s: nothing", kind) << kind << int(Name) << "x" << QStringList{};
        }
    }
    void searchFinds() {
        QFETCH(QString, kind);
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(QStringList, found);
        searchRows();
        auto screen = screenFor(kind);
        SearchDialog* dialog = openSearch(*screen);
        search(*dialog, column, text);
        QStringList names;
        for (int r = 0; r < dialog->rows().rowCount(); ++r)
            names << dialog->rows()
                         .value(r, dialog->rows().fieldIndex(QStringLiteral("nome")))
                         .toString();
        names.sort();
        QCOMPARE(names, found);
        QCOMPARE(find<QLabel>(*dialog, "pnlStatus0")->text(),
                 QStringLiteral("%1 registros encontrado.").arg(found.size()));
        QVERIFY(messages->texts().isEmpty());
    }

    // "&OK" loads the row into the screen opened last, not the one the dialog came from.
    void okLoadsTheRowIntoTheLatestScreen_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("perfil") << "perfil";
        QTest::newRow("usuario") << "usuario";
    }
    void okLoadsTheRowIntoTheLatestScreen() {
        QFETCH(QString, kind);
        searchRows();
        auto older = screenFor(kind);
        older->show();
        auto latest = screenFor(kind);
        latest->show();
        QPointer<SearchDialog> dialog = openSearch(*older);
        search(*dialog, Name, QStringLiteral("sil"));
        click(*dialog, "bmpOK");
        QVERIFY(messages->texts().isEmpty());
        QVERIFY(!dialog || !dialog->isVisible());
        QCOMPARE(latest->principal().rowCount(), 1);
        QCOMPARE(latest->principal().text(QStringLiteral("Nome")), QStringLiteral("SILVA"));
        QCOMPARE(older->principal().rowCount(), 0);
        if (auto* profiles = qobject_cast<TfrmGrupo*>(latest.get()))
            QCOMPARE(entries(*profiles).size(), 2);
    }

    void okWithoutARow_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("searched");
        for (const char* kind : {"perfil", "usuario"}) {
            QTest::addRow("%s: before searching", kind) << kind << false;
            QTest::addRow("%s: nothing found", kind) << kind << true;
        }
    }
    void okWithoutARow() {
        QFETCH(QString, kind);
        QFETCH(bool, searched);
        searchRows();
        auto screen = screenFor(kind);
        screen->show();
        QPointer<SearchDialog> dialog = openSearch(*screen);
        if (searched) search(*dialog, Name, QStringLiteral("zz"));
        click(*dialog, "bmpOK");
        QCOMPARE(messages->texts(), QStringList{QStringLiteral("Nenhum registro localizado!")});
        QVERIFY(!dialog || !dialog->isVisible());
        QCOMPARE(screen->principal().rowCount(), 0);
    }
};

QTEST_MAIN(AdminTest)
#include "tst_admin.moc"
