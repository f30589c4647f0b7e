#pragma once

#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QMarginsF>
#include <QRectF>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

#include "report/document.h"
#include "report/rowsource.h"

// A banded report, declared once and laid out over rows read in one pass:
//
//   Report r;  // A4 portrait, 10 mm margins
//   r.band(BandKind::Title, 16).standardHeading("REL025", "Unidade de Trabalho");
//   r.band(BandKind::Detail, 9)
//       .field(0, 0, 15, 5, "id_unidade_trabalho").right()
//       .text(15, 0, 5, 5, " - ")
//       .field(20, 0, 120, 5, "nome")
//       .field(150, 0, 30, 5, "ind_status")
//       .field(20, 5, 120, 4, "descricao").size(8).wrap();
//   r.band(BandKind::Summary, 8).text(0, 2, 40, 5, "Total de registro:").count(40, 2, 20, 5);
//   r.band(BandKind::PageFooter, 6).text(160, 1, 15, 5, "Pag.:").pageNumber(175, 1, 15, 5);
//   QueryRows rows(query);
//   showPreview(r, rows, parent, false);  // report/preview.h
//
// Positions and sizes are millimetres inside the band; x = 0 is the left margin. Modifiers
// (size, bold, right, wrap, format...) change the element added just before them. Fields are
// read by name without regard to case. Each page prints the page header, then (first page
// only) the title, then the column header; the page footer sits at the bottom margin. A band
// that does not fit moves to a new page, and a group header moves with room for one detail
// band.

namespace orbadil::report {

enum class BandKind {
    Title,
    PageHeader,
    ColumnHeader,
    GroupHeader,
    GroupFooter,
    Detail,
    SubDetail,
    Summary,
    PageFooter
};

// Turns a value into its printed text. By default NULL prints nothing, dates dd/MM/yyyy
// (with HH:mm:ss when the time is not midnight) and non-integral numbers with the decimal
// comma.
using Format = std::function<QString(const QVariant&)>;
QString defaultText(const QVariant& value);
Format decimals(int places);  // 1234,50: a fixed number of decimals, decimal comma

// Running count and sums, of the report or of one group.
struct Totals {
    qlonglong count = 0;
    QHash<QString, double> sums;  // by lower-case field name
    void add(const Row& row);
};

// What a band's contents read while it is printed.
struct PrintContext {
    const Row& row;
    const Totals& totals;  // the group's in a group footer, else the report's
    int page;              // from 1
    QDateTime printedAt;
};

class Band {
  public:
    explicit Band(double height, double width) : height_(height), width_(width) {}

    Band& text(double x, double y, double w, double h, const QString& text);
    Band& field(double x, double y, double w, double h, const QString& field);
    Band& expr(double x, double y, double w, double h, std::function<QString(const Row&)> calc);
    // Rows of the report, or of the group when in a group footer; running elsewhere, so a
    // count in the detail band numbers the rows.
    Band& count(double x, double y, double w, double h);
    Band& sum(double x, double y, double w, double h, const QString& field);
    Band& date(double x, double y, double w, double h);      // dd/MM/yyyy, when printed
    Band& time(double x, double y, double w, double h);      // HH:mm:ss
    Band& dateTime(double x, double y, double w, double h);  // both
    Band& pageNumber(double x, double y, double w, double h);
    Band& hline(double x, double y, double w);
    Band& vline(double x, double y, double h);
    Band& box(double x, double y, double w, double h);
    Band& picture(double x, double y, double w, double h, const QImage& image);

    // The program's heading: "Orbadil - TRUV" centred, the printing date and time and the
    // report's code at the right, the subtitle below, a rule under them.
    Band& standardHeading(const QString& code, const QString& subtitle);

    // These change the element added last.
    Band& size(double points);
    Band& bold(bool on = true);
    Band& left();
    Band& centre();
    Band& right();
    // Word-wraps within the width; the band grows with the lines, and an empty text takes no
    // room at all (the band shrinks by its height when it is the lowest element).
    Band& wrap();
    Band& format(Format format);
    Band& pen(double mm);

    double height() const { return height_; }
    double width() const { return width_; }  // between the margins

    struct Element {
        enum Kind { Text, Line, Box, Picture } kind = Text;
        QRectF rect;
        std::function<QVariant(const PrintContext&)> value;
        Format format;
        double size = 9;
        bool bold = false;
        Qt::Alignment align = Qt::AlignLeft;
        bool wrap = false;
        double pen = 0.2;
        QImage image;
        QString summed;  // the field a sum adds up
    };
    const std::vector<Element>& elements() const { return elements_; }
    QString code() const { return code_; }
    QString subtitle() const { return subtitle_; }

  private:
    Band& add(Element element);
    Band& addValue(double x, double y, double w, double h,
                   std::function<QVariant(const PrintContext&)> value);
    Element& last();

    double height_;
    double width_;
    std::vector<Element> elements_;
    QString code_;
    QString subtitle_;
};

// Rows grouped by a key computed from each row; a new group whenever the key changes.
class Group {
  public:
    explicit Group(std::function<QVariant(const Row&)> key, double width)
        : key_(std::move(key)), width_(width) {}
    Band& header(double height);
    Band& footer(double height);

    QVariant key(const Row& row) const { return key_(row); }
    const Band* headerBand() const { return header_.get(); }
    const Band* footerBand() const { return footer_.get(); }

  private:
    std::function<QVariant(const Row&)> key_;
    double width_;
    std::unique_ptr<Band> header_;
    std::unique_ptr<Band> footer_;
};

// Child rows of one detail row, printed under it with their own band.
struct SubDetail {
    std::function<std::unique_ptr<RowSource>(const Row& master)> rows;
    std::unique_ptr<Band> band;
};

class Report {
  public:
    explicit Report(Orientation orientation = Orientation::Portrait,
                    const QMarginsF& margins = QMarginsF(10, 10, 10, 10));

    // Creates the band of that kind, replacing an earlier one; group bands belong to the
    // group declared last.
    Band& band(BandKind kind, double height);
    // Groups nest in the order declared, the first outermost.
    Group& group(const QString& field);
    Group& group(std::function<QVariant(const Row&)> key);
    // After each detail row, the rows the function yields for it (nullptr: none), each
    // printed with the band returned.
    Band& subDetail(double height, std::function<std::unique_ptr<RowSource>(const Row&)> rows);

    // What the preview window, the PDF and the HTML call the report; by default the standard
    // heading's subtitle.
    void setTitle(const QString& title) { title_ = title; }
    // The moment the date and time elements print; now, unless set (tests fix it).
    void setPrintedAt(const QDateTime& at) { printedAt_ = at; }

    Orientation orientation() const { return orientation_; }
    const QMarginsF& margins() const { return margins_; }
    double contentWidth() const;

    // Lays the report out, reading the rows once; text is measured, so a QGuiApplication
    // must exist. progress, when given, hears the number of rows read after each row.
    Document render(RowSource& rows, const std::function<void(int)>& progress = {}) const;

  private:
    friend class Layout;
    const Band* find(BandKind kind) const;
    Group& lastGroup();

    Orientation orientation_;
    QMarginsF margins_;
    QString title_;
    QDateTime printedAt_;
    std::vector<std::pair<BandKind, std::unique_ptr<Band>>> bands_;
    std::vector<std::unique_ptr<Group>> groups_;
    std::vector<SubDetail> subDetails_;
};

}  // namespace orbadil::report
