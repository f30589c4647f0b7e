#include "common/password.h"

#include <QCryptographicHash>

namespace orbadil {

QString passwordDigest(const QString& password) {
    const QByteArray bytes = password.trimmed().toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha512).toHex());
}

}  // namespace orbadil
