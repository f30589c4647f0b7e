#include "common/listing.h"

#include "db/query.h"
#include "report/preview.h"

namespace orbadil {

using report::BandKind;

void addPageFooter(report::Report& report) {
    const double width = report.contentWidth();
    report.band(BandKind::PageFooter, 7)
        .hline(0, 0.5, width)
        .text(width - 30, 1.5, 12, 5, QStringLiteral("Pag.:"))
        .right()
        .pageNumber(width - 17, 1.5, 17, 5);
}

report::Report listingReport(const ListingConfig& config) {
    report::Report r(report::Orientation::Portrait);
    r.setTitle(config.subtitle);
    const double width = r.contentWidth();
    r.band(BandKind::Title, 18).standardHeading(config.code, config.subtitle);
    const QString prefix = config.statusPrefix;
    const QString status = config.statusField;
    r.band(BandKind::Detail, 10)
        .field(0, 0, 16, 5, config.keyField)
        .right()
        .text(16, 0, 5, 5, QStringLiteral(" - "))
        .field(21, 0, width - 71, 5, config.nameField)
        .expr(width - 50, 0, 50, 5,
              [prefix, status](const report::Row& row) { return prefix + row.text(status); })
        .field(21, 5, width - 21, 5, config.descriptionField)
        .wrap();
    r.band(BandKind::Summary, 9)
        .hline(0, 1, width)
        .text(0, 2.5, 40, 5, config.totalCaption)
        .bold()
        .count(40, 2.5, 25, 5)
        .bold();
    addPageFooter(r);
    return r;
}

namespace {
db::Query queryOf(const QStringList& statement) {
    db::Query query;
    for (const QString& line : statement) query.add(line);
    return query;
}
}  // namespace

report::Document renderStatement(const report::Report& report, const QStringList& statement) {
    db::Query query = queryOf(statement);
    report::QueryRows rows(query);
    return report.render(rows);
}

void previewStatement(const report::Report& report, const QStringList& statement, QWidget* parent,
                      bool modal) {
    db::Query query = queryOf(statement);
    report::QueryRows rows(query);
    report::showPreview(report, rows, parent, modal);
}

report::Document listingDocument(const ListingConfig& config) {
    return renderStatement(listingReport(config), config.statement);
}

void showListing(const ListingConfig& config, QWidget* parent, bool modal) {
    previewStatement(listingReport(config), config.statement, parent, modal);
}

}  // namespace orbadil
