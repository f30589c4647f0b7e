#include "db/dialect/sqltext.h"

#include "db/datetext.h"
#include "db/dialect/rewriter.h"

namespace orbadil::db {

void unsupported(const QString& construct) {
    throw DialectError(QStringLiteral("Construção SQL não suportada no banco embutido: ") +
                       construct);
}

QString quotedLiteral(QString text) {
    text.replace(u'\'', QStringLiteral("''"));
    return u'\'' + text + u'\'';
}

QString foldedIdentifier(QStringView word) {
    const bool ascii =
        std::all_of(word.begin(), word.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii) return word.toString();
    QString folded = word.toString().normalized(QString::NormalizationForm_D);
    folded.removeIf([](QChar c) { return c.isMark(); });
    return folded;
}

QString storedDateLiteral(const QString& text) {
    if (text.size() < 8 || !text.front().isDigit() || !text.contains(u'/')) return {};
    const auto value = fromBrazilianText(text);
    return value ? quotedLiteral(toStoredText(*value)) : QString();
}

}  // namespace orbadil::db
