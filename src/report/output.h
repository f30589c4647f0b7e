#pragma once

#include <QString>
#include <QStringList>

#include "report/document.h"

class QPrinter;

namespace orbadil::report {

// A page's texts as printed lines: items whose vertical centre falls within the first item
// of a line join that line, ordered left to right. Lines, boxes and pictures are left out.
// The outputs below skip a line with no text at all (a NULL description under a row).
QList<QList<TextItem>> printedLines(const Page& page);

// Each printed line, items at character columns of 2 mm from the left margin (right-aligned
// items end at their right edge), trailing blanks trimmed, "\n" after each line. A page
// after the first begins with a line holding only a form feed ("\f").
QString toText(const Document& document);
// UTF-8 page, texts escaped: one <div class="page"> per page, one <div class="line"> per
// printed line, a positioned <span> per item, so a browser shows it like the page.
QString toHtml(const Document& document);
// One record per printed line, fields left to right, quoted as RFC 4180 says, CRLF.
QString toCsv(const Document& document);

// These throw Error with the message to show when the file cannot be written.
void writePdf(const Document& document, const QString& path);
// By the extension: .txt, .html/.htm, .csv or .pdf; texts in UTF-8.
void saveDocument(const Document& document, const QString& path);

// Prints the pages the printer's range asks for (all when none). False when the printer
// cannot start.
bool printDocument(const Document& document, QPrinter& printer);

}  // namespace orbadil::report
