#pragma once

#include <QString>

namespace orbadil {

// SHA-512 of the password's UTF-8 bytes after leading and trailing blanks are removed, as
// 128 lowercase hex digits: the form usuario.senha_crip stores and sign-in compares.
QString passwordDigest(const QString& password);

}  // namespace orbadil
