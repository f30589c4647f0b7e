#include "admin/tfrmunidadeconsultar.h"

#include "admin/tfrmunidade.h"

namespace orbadil::admin {

namespace {
SearchConfig makeConfig() {
    SearchConfig s;
    s.statement = {QStringLiteral("select id_unidade_trabalho, nome from unidade_trabalho ")};
    s.keyField = QStringLiteral("id_unidade_trabalho");
    s.nameField = QStringLiteral("nome");
    s.columns = {{QStringLiteral("Código"), QStringLiteral("id_unidade_trabalho")},
                 {QStringLiteral("Nome"), QStringLiteral("nome")}};
    s.load = [](const QString& key) {
        if (auto* screen = latestWindow<TfrmUnidade>())
            screen->showRows(
                {QStringLiteral(" select * from  unidade_trabalho "),
                 QStringLiteral(" where id_unidade_trabalho = ") + key + QStringLiteral(" ")});
    };
    return s;
}
}  // namespace

TfrmUnidadeConsultar::TfrmUnidadeConsultar(QWidget* parent) : SearchDialog(makeConfig(), parent) {
    setObjectName(QStringLiteral("frmUnidadeConsultar"));
    start();
}

}  // namespace orbadil::admin
