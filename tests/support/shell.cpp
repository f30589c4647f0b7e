#include "support/shell.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/processexit.h"
#include "app/signinstate.h"
#include "app/tfrmlogin_2.h"
#include "common/password.h"
#include "db/quoting.h"
#include "support/testdatabases.h"

namespace orbadil::test {

namespace {
QString literal(const QVariant& value) {
    return value.isNull() ? QStringLiteral("NULL") : db::quoted(value.toString());
}

void resetState() {
    app::signInState() = {};
    app::bookingHandOver() = {};
}
}  // namespace

ShellFixture::ShellFixture() {
    resetState();
    app::setProcessEndHandler([this](int code) { processEnds << code; });
}

ShellFixture::~ShellFixture() {
    app::setProcessEndHandler({});
    resetState();
}

void AccessRows::unit(int id, const QString& name, const QString& status) {
    db_.exec(QStringLiteral("insert into unidade_trabalho (Id_Unidade_Trabalho, Nome, Ind_Status) "
                            "values (%1, %2, %3)")
                 .arg(id)
                 .arg(literal(name), literal(status)));
}

void AccessRows::profile(int id, const QString& name) {
    db_.exec(QStringLiteral("insert into perfil (Id_Perfil, Nome, Ind_Status) values (%1, %2, "
                            "'ATIVO')")
                 .arg(id)
                 .arg(literal(name)));
}

void AccessRows::form(int id, int tag) {
    db_.exec(QStringLiteral("insert into form (Id_Form, Nome, Tipo_Form, Tag, Ind_Status) "
                            "values (%1, 'TELA %1', 'F', %2, 'ATIVO')")
                 .arg(id)
                 .arg(tag));
}

void AccessRows::right(int profile, int form, const QStringList& rights) {
    db_.exec(QStringLiteral("insert into perfil_form (Id_Perfil, Id_Form, Visualizar, Incluir, "
                            "Alterar, Excluir, Imprimir) values (%1, %2, 'S', %3, %4, %5, %6)")
                 .arg(profile)
                 .arg(form)
                 .arg(literal(rights.value(0)), literal(rights.value(1)), literal(rights.value(2)),
                      literal(rights.value(3))));
}

void AccessRows::user(const User& u) {
    const QVariant digest = u.password.isEmpty() ? QVariant() : passwordDigest(u.password);
    db_.exec(QStringLiteral("insert into usuario (Id_Usuario, Id_Unidade_Trabalho, Id_Perfil, "
                            "Nome, Login, Bloqueado, Inativo, Status_Registro, senha_crip, Senha) "
                            "values (%1, %2, %3, %4, %5, %6, %7, %8, %9, %10)")
                 .arg(u.id)
                 .arg(u.unit)
                 .arg(u.profile)
                 .arg(literal(u.name), literal(u.login), literal(u.blocked), literal(u.inactive),
                      literal(u.status), literal(digest), literal(u.legacy)));
}

void pick(QComboBox* list, const QString& key) {
    const int row = list->findData(key);
    QVERIFY2(row >= 0, qPrintable(QStringLiteral("no entry for key ") + key));
    list->setCurrentIndex(row);
}

void signIn(app::TfrmLogin_2& dialog, const QString& unit, const QString& user,
            const QString& password) {
    pick(dialog.findChild<QComboBox*>(QStringLiteral("dblUnidade")), unit);
    pick(dialog.findChild<QComboBox*>(QStringLiteral("dblUsuario")), user);
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("edtSenha"));
    edit->setText(password);
    dialog.findChild<QPushButton*>(QStringLiteral("bmpOK"))->click();
}

}  // namespace orbadil::test
