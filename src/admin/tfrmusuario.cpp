#include "admin/tfrmusuario.h"

#include <QFormLayout>
#include <QGroupBox>

#include "admin/tfrmrelusuario.h"
#include "admin/tfrmusuarioconsultar.h"
#include "common/guard.h"
#include "common/messages.h"
#include "common/password.h"
#include "common/windows.h"
#include "db/quoting.h"

namespace orbadil::admin {

namespace {

MaintenanceConfig makeConfig() {
    MaintenanceConfig s;
    s.table = QStringLiteral("usuario");
    s.keyField = QStringLiteral("Id_Usuario");
    s.keyRule = MaintenanceConfig::KeyRule::Assigned;
    s.openStatement = {QStringLiteral(" select * from usuario where 1=2")};
    s.appendStatement = {QStringLiteral(" select * from Usuario "), QStringLiteral(" where 1=2 ")};
    s.refreshStatement = {QStringLiteral("SELECT * FROM USUARIO ")};
    s.reloadStatement = {QStringLiteral(" select * from Usuario ")};
    s.defaults = {{QStringLiteral("Inativo"), QStringLiteral("NAO")},
                  {QStringLiteral("Bloqueado"), QStringLiteral("NAO")}};
    // No dependency is checked: audit columns that name the user keep the number.
    s.deleteQuestion = QStringLiteral(
        "Você esta preste a deletar a definitivamento o usuário nº: %1\r deseje continuar?");
    s.deleteStatement = QStringLiteral("delete from Usuario where id_Usuario = %1 ");
    s.editNeedsRow = true;
    s.sortByTitle = true;
    s.helpDisabled = true;
    return s;
}

// The name of the row's profile or unit, read for each row the grid shows.
GridColumn nameOf(const QString& title, const QString& table, const QString& keyField,
                  const QString& condition) {
    return {.title = title,
            .compute = [table, keyField, condition](const db::RecordSet& set, int row) -> QVariant {
                const QString key = set.value(row, set.fieldIndex(keyField)).toString().trimmed();
                if (!db::isDigitsOnly(key)) return {};
                db::Query query;
                query.add(QStringLiteral(" select nome from ") + table + u' ');
                query.add(condition + key);
                query.open();
                return query.eof() ? QVariant() : query.value(0);
            },
            .sortField = keyField};
}

QFormLayout* group(const QString& title, QFormLayout* parentForm, QWidget* owner) {
    auto* box = new QGroupBox(title, owner);
    auto* form = new QFormLayout(box);
    parentForm->addRow(box);
    return form;
}

}  // namespace

TfrmUsuario::TfrmUsuario(QWidget* parent)
    : MaintenanceScreen(QStringLiteral("003 - Cadastro de Usuário."), makeConfig(), parent) {
    setObjectName(QStringLiteral("frmUsuario"));
    dblUnidade_ = addLookup("dblUnidade", QStringLiteral("&Unidade de trabalho:"),
                            QStringLiteral("Id_Unidade_Trabalho"));
    addKey(QStringLiteral("Id_Usuario"));
    dblPerfil_ = addLookup("dblPerfil", QStringLiteral("&Perfil:"), QStringLiteral("Id_Perfil"));
    addEdit("dbeNome", QStringLiteral("&Nome:"), QStringLiteral("Nome"));
    QFormLayout* access = group(QStringLiteral(" Acesso: "), principalForm(), this);
    addEdit("dbeUsuario", QStringLiteral("&Login:"), QStringLiteral("Login"), true, access);
    DbEdit* password =
        addEdit("dbeSenha", QStringLiteral("&Senha:"), QStringLiteral("senha_crip"), true, access);
    password->setEchoMode(QLineEdit::Password);
    QFormLayout* user = group(QStringLiteral(" Usuário: "), principalForm(), this);
    addCheck("dbcBloqueado", QStringLiteral("&Bloqueado."), QStringLiteral("Bloqueado"),
             QStringLiteral("SIM"), QStringLiteral("NAO"), user);
    addCheck("dbcInativo", QStringLiteral("In&ativo."), QStringLiteral("Inativo"),
             QStringLiteral("SIM"), QStringLiteral("NAO"), user);
    setGridColumns({
        {.title = QStringLiteral("Usuário"), .field = QStringLiteral("Id_Usuario"), .greyed = true},
        {.title = QStringLiteral("Nome"), .field = QStringLiteral("Nome")},
        {.title = QStringLiteral("Usuário bloqueado"), .field = QStringLiteral("Bloqueado")},
        {.title = QStringLiteral("Usuário inativo"), .field = QStringLiteral("Inativo")},
        nameOf(QStringLiteral("Grupo de usuário"), QStringLiteral("perfil"),
               QStringLiteral("Id_Perfil"), QStringLiteral(" where id_perfil = ")),
        nameOf(QStringLiteral("Unidade"), QStringLiteral("unidade_trabalho"),
               QStringLiteral("Id_Unidade_Trabalho"),
               QStringLiteral(" where id_Unidade_trabalho = ")),
    });

    // The box shows the stored digest until a new password is typed over it.
    connect(password, &QLineEdit::textEdited, this, &TfrmUsuario::passwordEdited);
    connect(&principal(), &db::RecordSet::stateChanged, this, [this] {
        storedDigest_ = principal().text(QStringLiteral("senha_crip"));
        typedPassword_.clear();
        passwordTyped_ = false;
    });
    connect(dblUnidade_, &QComboBox::currentIndexChanged, this, [this] {
        dblUnidade_->setToolTip(dblUnidade_->currentText() + QStringLiteral(" : ") +
                                dblUnidade_->extra());
    });
    connect(dblPerfil_, &QComboBox::activated, this, [this] { setToolTip(dblPerfil_->extra()); });
    reportErrors([this] { loadLists(); });
    start();
}

void TfrmUsuario::loadLists() {
    db::Query units;
    units.add(QStringLiteral(
        " select id_unidade_trabalho, upper(nome) as nome, descricao  from unidade_trabalho "));
    units.add(QStringLiteral(" where ind_status = 'ATIVO' order by nome"));
    dblUnidade_->loadList(units, QStringLiteral("id_unidade_trabalho"), QStringLiteral("nome"),
                          QStringLiteral("descricao"));
    db::Query profiles;
    profiles.add(QStringLiteral(
        " select id_perfil, upper(nome) as nome, descricao from perfil order by nome"));
    dblPerfil_->loadList(profiles, QStringLiteral("id_perfil"), QStringLiteral("nome"),
                         QStringLiteral("descricao"));
}

bool TfrmUsuario::validate() {
    if (principal().state() != db::RecordSet::State::Insert) return true;
    db::Query& same = auxiliary();
    same.clear();
    same.add(QStringLiteral(" select top 1 nome from usuario "));
    same.add(QStringLiteral(" where nome =  ") +
             db::quoted(principal().text(QStringLiteral("Nome")).trimmed()));
    same.open();
    if (same.eof()) return true;
    MessageService::current().information(
        QStringLiteral("Já existe um usuário cadastrado com este nome."));
    return false;
}

namespace {
// What the user typed into a box that held the stored text: the characters around the
// typing that are still the stored text's are not part of the new password. The box shows
// the stored text in capitals.
QString typedOver(const QString& text, const QString& storedText) {
    const QString stored = storedText.toUpper();
    qsizetype head = 0;
    while (head < text.size() && head < stored.size() && text[head] == stored[head]) ++head;
    qsizetype tail = 0;
    while (tail < text.size() - head && tail < stored.size() - head &&
           text[text.size() - 1 - tail] == stored[stored.size() - 1 - tail])
        ++tail;
    return text.mid(head, text.size() - head - tail);
}
}  // namespace

void TfrmUsuario::passwordEdited(const QString& text) {
    if (!principal().isEditing()) return;
    const QString typed = passwordTyped_ ? text : typedOver(text, storedDigest_);
    passwordTyped_ = true;
    typedPassword_ = typed;
    if (typed != text) principal().setValue(QStringLiteral("senha_crip"), typed);
}

// A stored digest is never digested again: only a password typed now replaces it.
void TfrmUsuario::beforeWrite(bool inserting) {
    if (!inserting && !passwordTyped_) return;
    principal().setValue(QStringLiteral("senha_crip"), passwordDigest(typedPassword_.toUpper()));
}

void TfrmUsuario::afterCancel() {
    runStatement({QStringLiteral(" select * from Usuario ")});
}

void TfrmUsuario::openSearch() {
    showChildWindow(new TfrmUsuarioConsultar);
}

void TfrmUsuario::printListing() {
    TfrmRelUsuario::preview(this, false);
}

}  // namespace orbadil::admin
