#include "admin/tfrmperfilusuariopesquisa.h"

#include "admin/tfrmgrupo.h"

namespace orbadil::admin {

namespace {
SearchConfig makeConfig() {
    SearchConfig s = filterSearch(QStringLiteral("Pesquisa"));
    s.statement = {QStringLiteral(" select id_perfil, nome, descricao from perfil  ")};
    s.codeCondition = QStringLiteral(" where id_perfil = ");
    s.keyField = QStringLiteral("id_perfil");
    s.nameField = QStringLiteral("nome");
    s.columns = {{.title = QStringLiteral("Código"), .field = QStringLiteral("id_perfil")},
                 {.title = QStringLiteral("Nome"), .field = QStringLiteral("nome")},
                 {.title = QStringLiteral("Descrição"), .field = QStringLiteral("descricao")}};
    s.load = [](const QString& key) {
        if (auto* screen = latestWindow<TfrmGrupo>())
            screen->showRows({QStringLiteral(" select * from perfil "),
                              QStringLiteral(" where id_perfil = ") + key});
    };
    return s;
}
}  // namespace

TfrmPerfilUsuarioPesquisa::TfrmPerfilUsuarioPesquisa(QWidget* parent)
    : SearchDialog(makeConfig(), parent) {
    setObjectName(QStringLiteral("frmPerfilUsuarioPesquisa"));
    start();
}

}  // namespace orbadil::admin
