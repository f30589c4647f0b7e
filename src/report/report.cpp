#include "report/report.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QTextLayout>
#include <algorithm>
#include <optional>
#include <stdexcept>

#include "common/formats.h"

namespace orbadil::report {

QString defaultText(const QVariant& value) {
    if (value.isNull()) return {};
    switch (value.typeId()) {
        case QMetaType::QDate:
            return formatDate(value.toDate());
        case QMetaType::QDateTime: {
            const QDateTime at = value.toDateTime();
            return at.time() == QTime(0, 0) ? formatDate(at.date()) : formatDateTime(at);
        }
        case QMetaType::Double:
        case QMetaType::Float:
            return formatDecimal(value.toDouble());
        default:
            return value.toString();
    }
}

Format decimals(int places) {
    return [places](const QVariant& value) {
        if (value.isNull()) return QString();
        QLocale brazil(QLocale::Portuguese, QLocale::Brazil);
        brazil.setNumberOptions(QLocale::OmitGroupSeparator);
        return brazil.toString(value.toDouble(), 'f', places);
    };
}

void Totals::add(const Row& row) {
    ++count;
    for (auto it = sums.begin(); it != sums.end(); ++it)
        it.value() += row.value(it.key()).toDouble();
}

// ---- Band

Band& Band::add(Element element) {
    elements_.push_back(std::move(element));
    return *this;
}

Band& Band::addValue(double x, double y, double w, double h,
                     std::function<QVariant(const PrintContext&)> value) {
    Element e;
    e.rect = QRectF(x, y, w, h);
    e.value = std::move(value);
    return add(std::move(e));
}

Band::Element& Band::last() {
    if (elements_.empty()) throw std::logic_error("report band: no element to change");
    return elements_.back();
}

Band& Band::text(double x, double y, double w, double h, const QString& text) {
    return addValue(x, y, w, h, [text](const PrintContext&) { return QVariant(text); });
}

Band& Band::field(double x, double y, double w, double h, const QString& field) {
    return addValue(x, y, w, h, [field](const PrintContext& c) { return c.row.value(field); });
}

Band& Band::expr(double x, double y, double w, double h, std::function<QString(const Row&)> calc) {
    return addValue(x, y, w, h, [calc = std::move(calc)](const PrintContext& c) {
        return QVariant(calc(c.row));
    });
}

Band& Band::count(double x, double y, double w, double h) {
    return addValue(x, y, w, h, [](const PrintContext& c) { return QVariant(c.totals.count); });
}

Band& Band::sum(double x, double y, double w, double h, const QString& field) {
    const QString key = field.toLower();
    addValue(x, y, w, h,
             [key](const PrintContext& c) { return QVariant(c.totals.sums.value(key)); });
    last().summed = key;
    return *this;
}

Band& Band::date(double x, double y, double w, double h) {
    return addValue(x, y, w, h,
                    [](const PrintContext& c) { return QVariant(formatDate(c.printedAt.date())); });
}

Band& Band::time(double x, double y, double w, double h) {
    return addValue(x, y, w, h, [](const PrintContext& c) {
        return QVariant(c.printedAt.time().toString(QStringLiteral("HH:mm:ss")));
    });
}

Band& Band::dateTime(double x, double y, double w, double h) {
    return addValue(x, y, w, h,
                    [](const PrintContext& c) { return QVariant(formatDateTime(c.printedAt)); });
}

Band& Band::pageNumber(double x, double y, double w, double h) {
    return addValue(x, y, w, h, [](const PrintContext& c) { return QVariant(c.page); });
}

Band& Band::hline(double x, double y, double w) {
    Element e;
    e.kind = Element::Line;
    e.rect = QRectF(x, y, w, 0);
    return add(std::move(e));
}

Band& Band::vline(double x, double y, double h) {
    Element e;
    e.kind = Element::Line;
    e.rect = QRectF(x, y, 0, h);
    return add(std::move(e));
}

Band& Band::box(double x, double y, double w, double h) {
    Element e;
    e.kind = Element::Box;
    e.rect = QRectF(x, y, w, h);
    return add(std::move(e));
}

Band& Band::picture(double x, double y, double w, double h, const QImage& image) {
    Element e;
    e.kind = Element::Picture;
    e.rect = QRectF(x, y, w, h);
    e.image = image;
    return add(std::move(e));
}

Band& Band::standardHeading(const QString& code, const QString& subtitle) {
    code_ = code;
    subtitle_ = subtitle;
    const double w = width_;
    text(0, 0, w, 6, QStringLiteral("Orbadil - TRUV")).size(12).bold().centre();
    dateTime(w - 62, 0.5, 40, 5).size(8).right();
    text(w - 20, 0.5, 20, 5, code).size(8).right();
    text(0, 7, w, 6, subtitle).size(11).bold().centre();
    hline(0, 14.5, w);
    height_ = std::max(height_, 16.0);
    return *this;
}

Band& Band::size(double points) {
    last().size = points;
    return *this;
}

Band& Band::bold(bool on) {
    last().bold = on;
    return *this;
}

Band& Band::left() {
    last().align = Qt::AlignLeft;
    return *this;
}

Band& Band::centre() {
    last().align = Qt::AlignHCenter;
    return *this;
}

Band& Band::right() {
    last().align = Qt::AlignRight;
    return *this;
}

Band& Band::wrap() {
    last().wrap = true;
    return *this;
}

Band& Band::format(Format format) {
    last().format = std::move(format);
    return *this;
}

Band& Band::pen(double mm) {
    last().pen = mm;
    return *this;
}

// ---- Group and report declaration

Band& Group::header(double height) {
    header_ = std::make_unique<Band>(height, width_);
    return *header_;
}

Band& Group::footer(double height) {
    footer_ = std::make_unique<Band>(height, width_);
    return *footer_;
}

Report::Report(Orientation orientation, const QMarginsF& margins)
    : orientation_(orientation), margins_(margins) {}

double Report::contentWidth() const {
    const double page = orientation_ == Orientation::Portrait ? 210 : 297;
    return page - margins_.left() - margins_.right();
}

Group& Report::lastGroup() {
    if (groups_.empty()) throw std::logic_error("report: group band declared before a group");
    return *groups_.back();
}

Band& Report::band(BandKind kind, double height) {
    if (kind == BandKind::GroupHeader) return lastGroup().header(height);
    if (kind == BandKind::GroupFooter) return lastGroup().footer(height);
    if (kind == BandKind::SubDetail) throw std::logic_error("report: use subDetail()");
    auto band = std::make_unique<Band>(height, contentWidth());
    Band& made = *band;
    const auto same = std::find_if(bands_.begin(), bands_.end(),
                                   [kind](const auto& entry) { return entry.first == kind; });
    if (same != bands_.end())
        same->second = std::move(band);
    else
        bands_.emplace_back(kind, std::move(band));
    return made;
}

Group& Report::group(const QString& field) {
    return group([field](const Row& row) { return row.value(field); });
}

Group& Report::group(std::function<QVariant(const Row&)> key) {
    groups_.push_back(std::make_unique<Group>(std::move(key), contentWidth()));
    return *groups_.back();
}

Band& Report::subDetail(double height, std::function<std::unique_ptr<RowSource>(const Row&)> rows) {
    subDetails_.push_back({std::move(rows), std::make_unique<Band>(height, contentWidth())});
    return *subDetails_.back().band;
}

const Band* Report::find(BandKind kind) const {
    for (const auto& [k, band] : bands_)
        if (k == kind) return band.get();
    return nullptr;
}

// ---- Laying out

namespace {

// Text is measured at a printer's resolution so that wrapping agrees with print and PDF.
const QImage& measuringDevice() {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(47244);  // 1200 dpi
        image.setDotsPerMeterY(47244);
        return image;
    }();
    return device;
}

double pixelsToMm(double pixels) {
    return pixels * 25.4 / measuringDevice().logicalDpiY();
}

double lineSpacing(const QFont& font) {
    return pixelsToMm(QFontMetricsF(font, &measuringDevice()).lineSpacing());
}

QStringList wrapped(QString text, const QFont& font, double widthMm) {
    text.remove(u'\r');
    text.replace(u'\n', QChar::LineSeparator);
    QTextLayout layout(text, font, &measuringDevice());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    const double width = widthMm / pixelsToMm(1);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        QString part = text.mid(line.textStart(), line.textLength());
        while (!part.isEmpty() && (part.back().isSpace() || part.back() == QChar::LineSeparator))
            part.chop(1);
        lines << part;
    }
    layout.endLayout();
    return lines;
}

// Places a text element's items; returns how far down they reach.
double placeText(const Band::Element& e, const QRectF& rect, QString text,
                 std::vector<Item>& items) {
    if (!e.wrap) {
        text.replace(u'\n', u' ').remove(u'\r');
        items.push_back(TextItem{rect, text, e.size, e.bold, e.align});
        return rect.bottom();
    }
    // An empty wrapped text takes no room, so a row without a description leaves no gap.
    if (text.trimmed().isEmpty()) return rect.top();
    const QFont font = reportFont(e.size, e.bold);
    const double spacing = lineSpacing(font);
    const QStringList lines = wrapped(text, font, rect.width());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QRectF line(rect.left(), rect.top() + double(i) * spacing, rect.width(),
                          i == 0 ? std::max(spacing, rect.height()) : spacing);
        items.push_back(TextItem{line, lines[i], e.size, e.bold, e.align});
    }
    return rect.top() + std::max(rect.height(), double(lines.size()) * spacing);
}

}  // namespace

// One rendering: the cursor on the current page, the open groups and their totals.
class Layout {
  public:
    Layout(const Report& report, QDateTime printedAt);

    void start(const Row& first);
    void detail(const Row& row);
    size_t firstBreak(const Row& next) const;
    void closeGroups(size_t from);
    void finish();
    Document take() { return std::move(document_); }

  private:
    struct Placed {
        std::vector<Item> items;
        double height = 0;
    };
    Placed place(const Band& band, const Row& row, const Totals& totals, double top) const;
    void print(const Band* band, const Row& row, const Totals& totals, double keepWith = 0);
    void put(const Band* band, double top);
    void openGroups();
    void newPage();
    void endPage();
    double bodyBottom() const;

    const Report& report_;
    QDateTime printedAt_;
    Document document_;
    double y_ = 0;
    bool bodyOnPage_ = false;
    Totals zero_;  // every summed field at nought
    Totals reportTotals_;
    std::vector<Totals> groupTotals_;
    std::vector<std::optional<QVariant>> keys_;  // of the open groups
    Row pageRow_;  // the detail row page bands read, also while its sub-detail rows print
};

Layout::Layout(const Report& report, QDateTime printedAt)
    : report_(report), printedAt_(std::move(printedAt)) {
    const auto collect = [this](const Band* band) {
        if (!band) return;
        for (const auto& e : band->elements())
            if (!e.summed.isEmpty()) zero_.sums.insert(e.summed, 0);
    };
    for (const auto& entry : report.bands_) collect(entry.second.get());
    for (const auto& group : report.groups_) {
        collect(group->headerBand());
        collect(group->footerBand());
    }
    for (const auto& sub : report.subDetails_) collect(sub.band.get());
    reportTotals_ = zero_;
    groupTotals_.assign(report.groups_.size(), zero_);
    keys_.resize(report.groups_.size());
    document_.orientation = report.orientation_;
    document_.margins = report.margins_;
    document_.title = report.title_;
    for (const auto& entry : report.bands_) {
        if (document_.code.isEmpty()) document_.code = entry.second->code();
        if (document_.title.isEmpty()) document_.title = entry.second->subtitle();
    }
}

Layout::Placed Layout::place(const Band& band, const Row& row, const Totals& totals,
                             double top) const {
    const PrintContext context{row, totals, document_.pageCount(), printedAt_};
    const QPointF origin(report_.margins_.left(), top);
    Placed placed;
    double declared = 0;  // the lowest element's bottom, as declared and as laid out
    double reached = 0;
    for (const Band::Element& e : band.elements()) {
        const QRectF rect = e.rect.translated(origin);
        declared = std::max(declared, e.rect.bottom());
        double bottom = rect.bottom();
        switch (e.kind) {
            case Band::Element::Line:
                placed.items.emplace_back(std::in_place_type<LineItem>,
                                          QLineF(rect.topLeft(), rect.bottomRight()), e.pen);
                break;
            case Band::Element::Box:
                placed.items.emplace_back(std::in_place_type<BoxItem>, rect, e.pen);
                break;
            case Band::Element::Picture:
                placed.items.push_back(ImageItem{rect, e.image});
                break;
            case Band::Element::Text: {
                const QVariant value = e.value(context);
                const QString text = e.format ? e.format(value) : defaultText(value);
                bottom = placeText(e, rect, text, placed.items);
                break;
            }
        }
        reached = std::max(reached, bottom - top);
    }
    placed.height = std::max(0.0, band.height() + reached - declared);
    return placed;
}

double Layout::bodyBottom() const {
    const Band* footer = report_.find(BandKind::PageFooter);
    return document_.pageSize().height() - report_.margins_.bottom() -
           (footer ? footer->height() : 0);
}

void Layout::put(const Band* band, double top) {
    if (!band) return;
    Placed placed = place(*band, pageRow_, reportTotals_, top);
    auto& items = document_.pages.back().items;
    std::move(placed.items.begin(), placed.items.end(), std::back_inserter(items));
    y_ = top + placed.height;
}

void Layout::print(const Band* band, const Row& row, const Totals& totals, double keepWith) {
    if (!band) return;
    Placed placed = place(*band, row, totals, y_);
    // A band taller than a whole page prints where it stands rather than paging forever.
    if (bodyOnPage_ && y_ + placed.height + keepWith > bodyBottom() + 1e-6) {
        endPage();
        newPage();
        placed = place(*band, row, totals, y_);
    }
    auto& items = document_.pages.back().items;
    std::move(placed.items.begin(), placed.items.end(), std::back_inserter(items));
    y_ += placed.height;
    bodyOnPage_ = true;
}

void Layout::newPage() {
    document_.pages.emplace_back();
    y_ = report_.margins_.top();
    put(report_.find(BandKind::PageHeader), y_);
    if (document_.pageCount() == 1) put(report_.find(BandKind::Title), y_);
    put(report_.find(BandKind::ColumnHeader), y_);
    bodyOnPage_ = false;
}

void Layout::endPage() {
    const double y = y_;
    put(report_.find(BandKind::PageFooter), bodyBottom());
    y_ = y;
}

void Layout::start(const Row& first) {
    pageRow_ = first;
    newPage();
}

void Layout::openGroups() {
    const Band* detailBand = report_.find(BandKind::Detail);
    const double keepWith = detailBand ? detailBand->height() : 0;
    for (size_t i = 0; i < keys_.size(); ++i) {
        if (keys_[i]) continue;
        keys_[i] = report_.groups_[i]->key(pageRow_);
        groupTotals_[i] = zero_;
        print(report_.groups_[i]->headerBand(), pageRow_, reportTotals_, keepWith);
    }
}

void Layout::detail(const Row& row) {
    pageRow_ = row;
    openGroups();
    reportTotals_.add(row);
    for (Totals& totals : groupTotals_) totals.add(row);
    print(report_.find(BandKind::Detail), row, reportTotals_);
    for (const SubDetail& sub : report_.subDetails_) {
        const std::unique_ptr<RowSource> children = sub.rows(row);
        while (children && children->next())
            print(sub.band.get(), children->current(), reportTotals_);
    }
}

size_t Layout::firstBreak(const Row& next) const {
    for (size_t i = 0; i < keys_.size(); ++i)
        if (!keys_[i] || *keys_[i] != report_.groups_[i]->key(next)) return i;
    return keys_.size();
}

// Footers read the group's last row, which a one-pass reader keeps until the next row
// shows the group has ended.
void Layout::closeGroups(size_t from) {
    for (size_t i = keys_.size(); i-- > from;) {
        print(report_.groups_[i]->footerBand(), pageRow_, groupTotals_[i]);
        keys_[i].reset();
    }
}

void Layout::finish() {
    print(report_.find(BandKind::Summary), pageRow_, reportTotals_);
    endPage();
}

Document Report::render(RowSource& rows, const std::function<void(int)>& progress) const {
    Layout layout(*this, printedAt_.isValid() ? printedAt_ : QDateTime::currentDateTime());
    std::optional<Row> row;
    if (rows.next()) row = rows.current();
    layout.start(row ? *row : Row());
    int read = row ? 1 : 0;
    while (row) {
        layout.detail(*row);
        std::optional<Row> next;
        if (rows.next()) {
            next = rows.current();
            ++read;
        }
        layout.closeGroups(next ? layout.firstBreak(*next) : 0);
        if (progress) progress(read);
        row = std::move(next);
    }
    layout.finish();
    return layout.take();
}

}  // namespace orbadil::report
