#include "admin/tfrmrel_perfil.h"

#include "common/listing.h"
#include "db/query.h"

namespace orbadil::admin {

namespace {

using report::BandKind;

const QStringList kRights{QStringLiteral("visualizar"), QStringLiteral("incluir"),
                          QStringLiteral("alterar"), QStringLiteral("excluir"),
                          QStringLiteral("imprimir")};
constexpr double kRightsAt = 95;
constexpr double kRightWidth = 19;

QString screenName(const report::Row& row) {
    const QString type = row.text(QStringLiteral("tipo_form")).trimmed();
    const QString name = row.text(QStringLiteral("nome_form"));
    if (type == u"F") return QStringLiteral("Formulário :") + name;
    if (type == u"R") return QStringLiteral("Relatório :") + name;
    return QStringLiteral("-----------------");
}

report::Report layout() {
    report::Report r(report::Orientation::Portrait);
    r.setTitle(QStringLiteral("Grupo de usuário cadastrado"));
    const double width = r.contentWidth();
    report::Band& header = r.band(BandKind::PageHeader, 24);
    header.standardHeading(QStringLiteral("REL001"), QStringLiteral("Grupo de usuário cadastrado"));
    const QStringList headings{QStringLiteral("Visualizar:"), QStringLiteral("Incluir:"),
                               QStringLiteral("Alterar:"), QStringLiteral("Excluir:"),
                               QStringLiteral("Imprimir:")};
    for (int i = 0; i < headings.size(); ++i)
        header.text(kRightsAt + i * kRightWidth, 18, kRightWidth, 5, headings[i]).bold().centre();

    report::Group& profile = r.group(QStringLiteral("nome_perfil"));
    profile.header(12)
        .field(0, 1, width, 5, QStringLiteral("nome_perfil"))
        .bold()
        .expr(0, 6, width, 5, [](const report::Row& row) {
            return QStringLiteral("Descrição: ") + row.text(QStringLiteral("desc_perfil"));
        });

    report::Band& detail = r.band(BandKind::Detail, 5);
    detail.expr(6, 0, kRightsAt - 6, 5, screenName);
    for (int i = 0; i < kRights.size(); ++i)
        detail.field(kRightsAt + i * kRightWidth, 0, kRightWidth, 5, kRights[i]).centre();
    addPageFooter(r);
    return r;
}

QStringList statement() {
    return {QStringLiteral(
        "select a.id_perfil, a.id_form, a.visualizar, a.incluir, a.alterar, a.excluir, "
        "a.imprimir ,b.nome as nome_perfil, b.descricao as desc_perfil, b.ind_status, c.nome as "
        "nome_form, c.descricao as desc_form, c.tipo_form from perfil_form a left join perfil b "
        "on (a.id_perfil = b.id_perfil) left join form c on (a.id_form = c.id_form) order by "
        "b.nome")};
}

}  // namespace

report::Document TfrmRel_Perfil::document() {
    return renderStatement(layout(), statement());
}

void TfrmRel_Perfil::preview(QWidget* parent, bool modal) {
    previewStatement(layout(), statement(), parent, modal);
}

}  // namespace orbadil::admin
