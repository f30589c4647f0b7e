#include "admin/tfrmrelusuario.h"

#include "common/listing.h"
#include "db/query.h"
#include "db/quoting.h"

namespace orbadil::admin {

namespace {

using report::BandKind;

QString flag(const QString& stored) {
    if (stored == u"N") return QStringLiteral("Não");
    if (stored == u"S") return QStringLiteral("Sim");
    return stored;
}

// The name of the row's profile or unit, read for each user printed.
QString nameOf(const QStringList& statement, const QString& key) {
    if (!db::isDigitsOnly(key.trimmed())) return {};
    db::Query query;
    query.add(statement.first());
    query.add(statement.last() + key.trimmed());
    query.open();
    return query.eof() ? QString() : query.text(QStringLiteral("Nome"));
}

QString total() {
    db::Query query;
    query.add(QStringLiteral("select count(*) as total from usuario"));
    query.open();
    return query.text(QStringLiteral("total"));
}

struct Columns {
    double name = 0, blocked = 66, inactive = 86, profile = 104, unit = 140;
};

report::Report layout() {
    report::Report r(report::Orientation::Portrait);
    r.setTitle(QStringLiteral("Usuários cadastrados"));
    const double width = r.contentWidth();
    const Columns c;
    r.band(BandKind::Title, 18)
        .standardHeading(QStringLiteral("REL027"), QStringLiteral("Usuários cadastrados"));
    r.band(BandKind::ColumnHeader, 7)
        .text(c.name, 1, c.blocked, 5, QStringLiteral("Cód - Nome"))
        .bold()
        .text(c.blocked, 1, 20, 5, QStringLiteral("Bloqueado"))
        .bold()
        .text(c.inactive, 1, 18, 5, QStringLiteral("Inativo"))
        .bold()
        .text(c.profile, 1, 36, 5, QStringLiteral("Perfil:"))
        .bold()
        .text(c.unit, 1, width - c.unit, 5, QStringLiteral("Unidade de trabalho:"))
        .bold()
        .hline(0, 6.5, width);
    r.band(BandKind::Detail, 5)
        .expr(c.name, 0, c.blocked - 2, 5,
              [](const report::Row& row) {
                  return row.text(QStringLiteral("id_usuario")) + QStringLiteral(" - ") +
                         row.text(QStringLiteral("nome"));
              })
        .expr(c.blocked, 0, 18, 5,
              [](const report::Row& row) { return flag(row.text(QStringLiteral("Bloqueado"))); })
        .expr(c.inactive, 0, 18, 5,
              [](const report::Row& row) { return flag(row.text(QStringLiteral("Inativo"))); })
        .expr(c.profile, 0, 36, 5,
              [](const report::Row& row) {
                  return nameOf({QStringLiteral(" select Nome from perfil "),
                                 QStringLiteral(" where id_perfil = ")},
                                row.text(QStringLiteral("id_perfil")));
              })
        .expr(c.unit, 0, width - c.unit, 5, [](const report::Row& row) {
            return nameOf({QStringLiteral(" select Nome from Unidade_Trabalho "),
                           QStringLiteral(" where Id_Unidade_Trabalho = ")},
                          row.text(QStringLiteral("Id_Unidade_Trabalho")))
                .left(40);
        });
    const QString count = total();
    r.band(BandKind::Summary, 9)
        .hline(0, 1, width)
        .text(0, 2.5, 40, 5, QStringLiteral("Total de usuário:"))
        .bold()
        .text(40, 2.5, 25, 5, count)
        .bold();
    addPageFooter(r);
    return r;
}

QStringList statement() {
    return {
        QStringLiteral("select id_usuario,upper(nome)as nome,id_perfil,Id_Unidade_Trabalho,"
                       "Bloqueado,Inativo from usuario")};
}

}  // namespace

report::Document TfrmRelUsuario::document() {
    return renderStatement(layout(), statement());
}

void TfrmRelUsuario::preview(QWidget* parent, bool modal) {
    previewStatement(layout(), statement(), parent, modal);
}

}  // namespace orbadil::admin
