#include "admin/tfrmperfilusuariopesquisa.h"

#include "admin/tfrmgrupo.h"

namespace orbadil::admin {

namespace {
SearchSpec makeSpec() {
    SearchSpec s;
    s.kind = SearchSpec::Kind::Filter;
    s.caption = QStringLiteral("Pesquisa");
    s.statement = {QStringLiteral(" select id_perfil, nome, descricao from perfil  ")};
    s.codeCondition = QStringLiteral(" where id_perfil = ");
    s.nameCondition = QStringLiteral(" where nome like '");
    s.keyField = QStringLiteral("id_perfil");
    s.nameField = QStringLiteral("nome");
    s.columns = {{.title = QStringLiteral("Código"), .field = QStringLiteral("id_perfil")},
                 {.title = QStringLiteral("Nome"), .field = QStringLiteral("nome")},
                 {.title = QStringLiteral("Descrição"), .field = QStringLiteral("descricao")}};
    s.missingMessage = QStringLiteral("Falta selecionar o campo ou o texto para a pesquisa. ");
    s.notFoundMessage = QStringLiteral("Nenhum registro localizado!");
    s.countInStatus = true;
    s.load = [](const QString& key) {
        if (auto* screen = latestWindow<TfrmGrupo>())
            screen->showRows({QStringLiteral(" select * from perfil "),
                              QStringLiteral(" where id_perfil = ") + key});
    };
    return s;
}
}  // namespace

TfrmPerfilUsuarioPesquisa::TfrmPerfilUsuarioPesquisa(QWidget* parent)
    : SearchDialog(makeSpec(), parent) {
    setObjectName(QStringLiteral("frmPerfilUsuarioPesquisa"));
    start();
}

}  // namespace orbadil::admin
