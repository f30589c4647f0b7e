#pragma once

#include <QString>
#include <QStringList>

#include "report/document.h"
#include "report/report.h"

class QWidget;

namespace orbadil {

// The printable listing of a maintenance screen: one row per record with its key, " - ",
// name and status, the description on the line below, the number of rows printed at the end
// and the page number at the foot of each page.
struct ListingConfig {
    QString code;      // "REL025"
    QString subtitle;  // "Unidade de Trabalho"
    QStringList statement;
    QString keyField, nameField, statusField, descriptionField;
    QString statusPrefix;  // printed before the status, as stored when empty
    QString totalCaption = QStringLiteral("Total de registro:");
};

report::Report listingReport(const ListingConfig& config);
// Reads the listing's statement once and lays it out.
report::Document listingDocument(const ListingConfig& config);
void showListing(const ListingConfig& config, QWidget* parent, bool modal);

// A report over the rows of one statement, read once: laid out, or shown in a preview.
report::Document renderStatement(const report::Report& report, const QStringList& statement);
void previewStatement(const report::Report& report, const QStringList& statement, QWidget* parent,
                      bool modal);

// The page footer every listing and report carries: "Pag.:" and the page number.
void addPageFooter(report::Report& report);

}  // namespace orbadil
