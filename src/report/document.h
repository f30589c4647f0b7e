#pragma once

#include <QFont>
#include <QImage>
#include <QLineF>
#include <QMarginsF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <variant>
#include <vector>

class QPainter;

namespace orbadil::report {

enum class Orientation { Portrait, Landscape };

// What a laid-out page holds: drawing items in millimetres from the page's top-left corner.
// A wrapped text is already split into one item per line.
struct TextItem {
    QRectF rect;
    QString text;
    double size = 9;  // points
    bool bold = false;
    Qt::Alignment align = Qt::AlignLeft;
};
struct LineItem {
    QLineF line;
    double width = 0.2;
};
struct BoxItem {
    QRectF rect;
    double width = 0.2;
};
struct ImageItem {
    QRectF rect;
    QImage image;
};
using Item = std::variant<TextItem, LineItem, BoxItem, ImageItem>;

struct Page {
    std::vector<Item> items;
};

// A laid-out report: A4 pages of items, painted on demand onto any painter, so no page's
// pixels are held.
struct Document {
    Orientation orientation = Orientation::Portrait;
    QMarginsF margins;  // mm
    QString title;      // the report's subtitle, for the window, the PDF and the HTML
    QString code;       // "REL025", for the suggested file name
    std::vector<Page> pages;

    QSizeF pageSize() const;  // mm
    int pageCount() const { return int(pages.size()); }

    // Paints one page at its real size on the painter's device, times zoom; the painter
    // stands at the page's top-left corner.
    void paint(QPainter& painter, int page, double zoom = 1) const;
};

// The font a text item is drawn and measured with.
QFont reportFont(double size, bool bold);

}  // namespace orbadil::report
