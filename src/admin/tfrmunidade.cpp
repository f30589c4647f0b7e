#include "admin/tfrmunidade.h"

#include "admin/tfrmrelunidade.h"
#include "admin/tfrmunidadeconsultar.h"
#include "common/windows.h"

namespace orbadil::admin {

namespace {

DependencyCheck usedBy(const QString& table) {
    return {{QStringLiteral(" select id_unidade_trabalho from ") + table + u' ',
             QStringLiteral(" where id_unidade_trabalho = ")},
            QStringLiteral(
                "A unidade de trabalho não pode ser excluída, ela esta sendo usado pelo sistema.")};
}

MaintenanceConfig makeConfig() {
    MaintenanceConfig s;
    s.table = QStringLiteral("unidade_trabalho");
    s.keyField = QStringLiteral("Id_Unidade_Trabalho");
    s.keyStatement = {
        QStringLiteral(" select top 1 Id_Unidade_trabalho as MaxUnidade from Unidade_trabalho "),
        QStringLiteral(" order by  Id_Unidade_trabalho desc ")};
    s.openStatement = {QStringLiteral("Select * from unidade_trabalho where 1=2 ")};
    s.appendStatement = {QStringLiteral("select * from Unidade_trabalho "),
                         QStringLiteral(" where 1=2 ")};
    s.refreshStatement = {QStringLiteral("select * from Unidade_trabalho ")};
    s.reloadStatement = {QStringLiteral(" select * from Unidade_trabalho ")};
    s.defaults = {{QStringLiteral("Ind_Status"), QStringLiteral("ATIVO")}};
    s.validations = {
        requiredText(QStringLiteral("Nome"), QStringLiteral("Falta preencher o nome da unidade!"))};
    // The other tables that name a unit are left to the server, which may refuse the delete.
    s.dependencies = {usedBy(QStringLiteral("unidade_trabalho_profissional"))};
    s.deleteQuestion =
        QStringLiteral("Você esta preste a deletar a unidade nº: %1\r deseje continuar?");
    s.deleteStatement =
        QStringLiteral("delete from Unidade_trabalho where id_Unidade_trabalho = %1 ");
    s.deleteFailure =
        QStringLiteral("O registro esta sendo usado pelo sistema e não pode ser excluído!");
    s.sortByTitle = true;
    return s;
}

}  // namespace

TfrmUnidade::TfrmUnidade(QWidget* parent)
    : MaintenanceScreen(QStringLiteral("001 - Cadastro de unidade de trabalho."), makeConfig(),
                        parent) {
    setObjectName(QStringLiteral("frmUnidade"));
    addKey(QStringLiteral("Id_Unidade_Trabalho"));
    addEdit("dbeNome", QStringLiteral("&Nome:"), QStringLiteral("Nome"));
    addCheck("dbcAtivo", QStringLiteral("Registro &inativo."), QStringLiteral("Ind_Status"),
             QStringLiteral("INATIVO"), QStringLiteral("ATIVO"));
    addMemo("dbmDescricao", QStringLiteral("&Descrição:"), QStringLiteral("Descricao"));
    setGridColumns({
        {.title = QStringLiteral("Código"),
         .field = QStringLiteral("Id_Unidade_Trabalho"),
         .greyed = true},
        {.title = QStringLiteral("Nome"), .field = QStringLiteral("Nome")},
        {.title = QStringLiteral("Status"), .field = QStringLiteral("Ind_Status")},
        {.title = QStringLiteral("Descrição"), .field = QStringLiteral("Descricao")},
    });
    start();
}

void TfrmUnidade::openSearch() {
    showChildWindow(new TfrmUnidadeConsultar);
}

void TfrmUnidade::printListing() {
    TfrmRelUnidade::preview(this, true);
}

}  // namespace orbadil::admin
