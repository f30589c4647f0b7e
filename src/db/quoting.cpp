#include "db/quoting.h"

namespace orbadil::db {

QString escaped(QStringView text) {
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (c == u'\'') out += u'\'';
        // A NUL would end the statement early at the driver.
        if (c != QChar(0)) out += c;
    }
    return out;
}

QString quoted(QStringView text) {
    return u'\'' + escaped(text) + u'\'';
}

bool isDigitsOnly(QStringView text) {
    if (text.isEmpty()) return false;
    for (const QChar c : text)
        if (c < u'0' || c > u'9') return false;
    return true;
}

}  // namespace orbadil::db
