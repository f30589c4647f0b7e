#include "report/output.h"

#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <algorithm>

#include "common/error.h"
#include "common/formats.h"

namespace orbadil::report {

namespace {

constexpr double kColumnMm = 2.0;  // a character of a 10-point monospaced font

Error writeFailure(const QString& path) {
    return Error(QStringLiteral("Não foi possível gravar o arquivo %1.")
                     .arg(QDir::toNativeSeparators(path)));
}

const TextItem* text(const Item& item) {
    return std::get_if<TextItem>(&item);
}

int column(double mm, const Document& document) {
    return std::max(0, qRound((mm - document.margins.left()) / kColumnMm));
}

QString textLine(const QList<TextItem>& items, const Document& document) {
    QString line;
    for (const TextItem& item : items) {
        if (item.text.isEmpty()) continue;
        const int left = column(item.rect.left(), document);
        const int right = column(item.rect.right(), document);
        const int length = int(item.text.size());
        int start = left;
        if (item.align & Qt::AlignRight) start = right - length;
        if (item.align & Qt::AlignHCenter) start = left + (right - left - length) / 2;
        const bool gap = !line.isEmpty() && !line.back().isSpace() && !item.text.front().isSpace();
        start = std::max({start, 0, int(line.size()) + (gap ? 1 : 0)});
        line = line.leftJustified(start, u' ') + item.text;
    }
    while (!line.isEmpty() && line.back().isSpace()) line.chop(1);
    return line;
}

// Empty fields print nothing, but keep their place among a line's fields.
bool blank(const QList<TextItem>& line) {
    return std::all_of(line.begin(), line.end(),
                       [](const TextItem& item) { return item.text.trimmed().isEmpty(); });
}

QString csvField(QString text) {
    text = text.trimmed();
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') &&
        !text.contains(u'\r'))
        return text;
    return u'"' + text.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString mm(double value) {
    return QString::number(value, 'f', 1) + QStringLiteral("mm");
}

QString htmlSpan(const TextItem& item, const Document& document) {
    QString style = QStringLiteral("left:%1;width:%2;font-size:%3pt")
                        .arg(mm(item.rect.left() - document.margins.left()), mm(item.rect.width()),
                             QString::number(item.size));
    if (item.bold) style += QStringLiteral(";font-weight:bold");
    if (item.align & Qt::AlignRight) style += QStringLiteral(";text-align:right");
    if (item.align & Qt::AlignHCenter) style += QStringLiteral(";text-align:center");
    return QStringLiteral("<span style=\"%1\">%2</span>").arg(style, item.text.toHtmlEscaped());
}

void writeText(const QString& path, const QString& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) throw writeFailure(path);
    file.write(text.toUtf8());
    if (!file.commit()) throw writeFailure(path);
}

}  // namespace

QList<QList<TextItem>> printedLines(const Page& page) {
    std::vector<TextItem> items;
    for (const Item& item : page.items)
        if (const TextItem* t = text(item)) items.push_back(*t);
    std::stable_sort(items.begin(), items.end(), [](const TextItem& a, const TextItem& b) {
        return a.rect.top() < b.rect.top();
    });
    QList<QList<TextItem>> lines;
    QRectF first;
    for (const TextItem& item : items) {
        const double centre = item.rect.center().y();
        if (lines.isEmpty() || centre < first.top() || centre >= first.bottom()) {
            lines.append(QList<TextItem>());
            first = item.rect;
            // A zero-height item still has a line to itself.
            if (first.height() <= 0) first.setHeight(0.01);
        }
        lines.back().append(item);
    }
    for (auto& line : lines)
        std::stable_sort(line.begin(), line.end(), [](const TextItem& a, const TextItem& b) {
            return a.rect.left() < b.rect.left();
        });
    return lines;
}

QString toText(const Document& document) {
    QString out;
    for (int i = 0; i < document.pageCount(); ++i) {
        if (i > 0) out += QStringLiteral("\f\n");
        for (const auto& line : printedLines(document.pages[size_t(i)]))
            if (!blank(line)) out += textLine(line, document) + u'\n';
    }
    return out;
}

QString toHtml(const Document& document) {
    const QSizeF size = document.pageSize();
    QString out = QStringLiteral(
                      "<!DOCTYPE html>\n<html lang=\"pt-BR\">\n<head>\n<meta charset=\"utf-8\">\n"
                      "<title>%1</title>\n<style>\n"
                      "body { background: #ddd; font-family: Arial, sans-serif; }\n"
                      ".page { position: relative; background: #fff; margin: 1em auto;"
                      " width: %2; height: %3; }\n"
                      ".line { position: absolute; left: %4; right: %5; }\n"
                      ".line span { position: absolute; top: 0; white-space: pre; }\n"
                      "</style>\n</head>\n<body>\n")
                      .arg(document.title.toHtmlEscaped(), mm(size.width()), mm(size.height()),
                           mm(document.margins.left()), mm(document.margins.right()));
    for (int i = 0; i < document.pageCount(); ++i) {
        out += QStringLiteral("<div class=\"page\" id=\"pagina%1\">\n").arg(i + 1);
        for (const auto& line : printedLines(document.pages[size_t(i)])) {
            if (blank(line)) continue;
            out += QStringLiteral("<div class=\"line\" style=\"top:%1\">")
                       .arg(mm(line.front().rect.top()));
            for (const TextItem& item : line) out += htmlSpan(item, document);
            out += QStringLiteral("</div>\n");
        }
        out += QStringLiteral("</div>\n");
    }
    return out + QStringLiteral("</body>\n</html>\n");
}

QString toCsv(const Document& document) {
    QString out;
    for (const Page& page : document.pages) {
        for (const auto& line : printedLines(page)) {
            if (blank(line)) continue;
            QStringList fields;
            for (const TextItem& item : line) fields << csvField(item.text);
            out += fields.join(u',') + QStringLiteral("\r\n");
        }
    }
    return out;
}

void writePdf(const Document& document, const QString& path) {
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(document.orientation == Orientation::Landscape
                                  ? QPageLayout::Landscape
                                  : QPageLayout::Portrait);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(300);
    writer.setTitle(document.title);
    writer.setCreator(applicationTitle().trimmed());
    QPainter painter;
    if (!painter.begin(&writer)) throw writeFailure(path);
    for (int i = 0; i < document.pageCount(); ++i) {
        if (i > 0) writer.newPage();
        document.paint(painter, i);
    }
    if (!painter.end()) throw writeFailure(path);
}

void saveDocument(const Document& document, const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"txt")
        writeText(path, toText(document));
    else if (suffix == u"html" || suffix == u"htm")
        writeText(path, toHtml(document));
    else if (suffix == u"csv")
        writeText(path, toCsv(document));
    else if (suffix == u"pdf")
        writePdf(document, path);
    else
        throw Error(QStringLiteral("Formato de arquivo não reconhecido: %1. "
                                   "Use .txt, .html, .csv ou .pdf.")
                        .arg(QDir::toNativeSeparators(path)));
}

bool printDocument(const Document& document, QPrinter& printer) {
    printer.setFullPage(true);
    const int last = document.pageCount();
    const int from = printer.fromPage() > 0 ? std::max(printer.fromPage(), 1) : 1;
    const int to = printer.toPage() > 0 ? std::min(printer.toPage(), last) : last;
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    for (int page = from; page <= to; ++page) {
        if (page > from) printer.newPage();
        document.paint(painter, page - 1);
    }
    return painter.end();
}

}  // namespace orbadil::report
