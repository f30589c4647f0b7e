#include "admin/tfrmrelunidade.h"

#include "common/listing.h"

namespace orbadil::admin {

namespace {
ListingConfig listing() {
    return {.code = QStringLiteral("REL025"),
            .subtitle = QStringLiteral("Unidade de Trabalho"),
            .statement = {QStringLiteral(
                "select id_unidade_trabalho, nome, descricao, ind_status from unidade_trabalho")},
            .keyField = QStringLiteral("id_unidade_trabalho"),
            .nameField = QStringLiteral("nome"),
            .statusField = QStringLiteral("ind_status"),
            .descriptionField = QStringLiteral("descricao"),
            .statusPrefix = QStringLiteral(" Registro: ")};
}
}  // namespace

report::Document TfrmRelUnidade::document() {
    return listingDocument(listing());
}

void TfrmRelUnidade::preview(QWidget* parent, bool modal) {
    showListing(listing(), parent, modal);
}

}  // namespace orbadil::admin
