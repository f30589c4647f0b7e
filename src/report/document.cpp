#include "report/document.h"

#include <QPaintDevice>
#include <QPainter>

namespace orbadil::report {

namespace {

// Device pixels per millimetre, on each axis.
struct Scale {
    double x;
    double y;
    QPointF point(const QPointF& mm) const { return {mm.x() * x, mm.y() * y}; }
    QRectF rect(const QRectF& mm) const { return {point(mm.topLeft()), point(mm.bottomRight())}; }
    double pen(double mm) const { return mm * (x + y) / 2; }
};

struct Painter {
    QPainter& p;
    Scale s;
    double zoom;

    void operator()(const TextItem& item) const {
        QFont font = reportFont(item.size * zoom, item.bold);
        p.setFont(font);
        p.setPen(Qt::black);
        // A text longer than its box is cut at the box, as on the printed page.
        p.drawText(s.rect(item.rect), int(item.align | Qt::AlignTop), item.text);
    }
    void operator()(const LineItem& item) const {
        p.setPen(QPen(Qt::black, s.pen(item.width)));
        p.drawLine(s.point(item.line.p1()), s.point(item.line.p2()));
    }
    void operator()(const BoxItem& item) const {
        p.setPen(QPen(Qt::black, s.pen(item.width)));
        p.setBrush(Qt::NoBrush);
        p.drawRect(s.rect(item.rect));
    }
    void operator()(const ImageItem& item) const { p.drawImage(s.rect(item.rect), item.image); }
};

}  // namespace

QSizeF Document::pageSize() const {
    return orientation == Orientation::Portrait ? QSizeF(210, 297) : QSizeF(297, 210);
}

void Document::paint(QPainter& painter, int page, double zoom) const {
    if (page < 0 || page >= pageCount()) return;
    const QPaintDevice* device = painter.device();
    const Scale scale{device->logicalDpiX() / 25.4 * zoom, device->logicalDpiY() / 25.4 * zoom};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const Painter draw{painter, scale, zoom};
    for (const Item& item : pages[size_t(page)].items) std::visit(draw, item);
    painter.restore();
}

QFont reportFont(double size, bool bold) {
    // Where Arial is missing, fontconfig gives a font of the same metrics.
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(size);
    font.setBold(bold);
    return font;
}

}  // namespace orbadil::report
