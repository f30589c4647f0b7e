#include "admin/tfrmfrmsistema.h"

#include "common/inputs.h"

namespace orbadil::admin {

namespace {
MaintenanceConfig makeConfig() {
    using C = MaintenanceConfig;
    MaintenanceConfig s;
    s.table = QStringLiteral("form");
    s.keyField = QStringLiteral("Id_Form");
    s.keyStatement = {QStringLiteral(" select Max(Id_form) as MaxUnidade from form ")};
    s.appendStatement = {QStringLiteral("select * from form "), QStringLiteral(" where 1=2 ")};
    s.refreshStatement = {QStringLiteral("select * from form ")};
    s.reloadStatement = {QStringLiteral(" select * from form ")};
    s.validations = {requiredText(QStringLiteral("Nome"),
                                  QStringLiteral("Falta preencher o nome do formulário!"))};
    // Rights rows of a deleted screen stay behind in perfil_form.
    s.deleteQuestion =
        QStringLiteral("Você esta preste a deletar o formulário nº: %1\r deseje continuar?");
    s.deleteStatement = QStringLiteral("delete from form where id_form = %1 ");
    s.commands = {C::Append, C::Edit,  C::Delete, C::Refresh, C::Post, C::Cancel,
                  C::First,  C::Prior, C::Next,   C::Last,    C::Exit};
    return s;
}
}  // namespace

TfrmFrmSistema::TfrmFrmSistema(QWidget* parent)
    : MaintenanceScreen(QStringLiteral("047 - Formulário do sistema "), makeConfig(), parent) {
    setObjectName(QStringLiteral("frmFrmSistema"));
    addKey(QStringLiteral("Id_Form"));
    addEdit("dbeNome", QStringLiteral("&Nome:"), QStringLiteral("Nome"));
    addMemo("dbmDescricao", QStringLiteral("&Descrição:"), QStringLiteral("Descricao"));
    addCheck("dbcAtivo", QStringLiteral("Registro &inativo."), QStringLiteral("Ind_Status"),
             QStringLiteral("INATIVO"), QStringLiteral("ATIVO"));
    digitsOnly(addEdit("dbeTag", QStringLiteral("&Tag:"), QStringLiteral("Tag"), false));
    addLookup("dbcTipoForm", QStringLiteral("Tipo &formul.:"), QStringLiteral("Tipo_Form"))
        ->setValues({QStringLiteral("F"), QStringLiteral("R")});
    setGridColumns({
        {.title = QStringLiteral("Código"), .field = QStringLiteral("Id_Form"), .hidden = true},
        {.title = QStringLiteral("Nome"), .field = QStringLiteral("Nome")},
        {.title = QStringLiteral("Tag"), .field = QStringLiteral("Tag")},
    });
    start();
}

}  // namespace orbadil::admin
