#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include "db/dialect/keywords.h"

namespace orbadil::db {

// The pieces of a statement in the server's dialect. Comments are dropped.
enum class TokenKind {
    Word,          // keyword or plain identifier: select, Nome, proprietário
    Bracketed,     // [identifier]
    DoubleQuoted,  // "text": the statements use it for text, not for names
    String,        // 'text' or N'text', quotes doubled inside
    Number,        // 12, 2.5, 1e3, 0x1F
    Parameter,     // :name
    Symbol,        // operators and punctuation: ( ) , . ; = <> <= + ...
};

struct Token {
    TokenKind kind;
    QStringView text;                 // as written, quotes and brackets included
    Keyword keyword = Keyword::None;  // for a Word
};

// Splits a batch into tokens. Throws DialectError on text that never closes (a string,
// a bracketed name, a block comment) and on characters the dialect layer does not know.
QList<Token> tokenize(QStringView batch);

// The content of a String, DoubleQuoted or Bracketed token, with doubled quotes undone.
QString unquoted(const Token& token);

}  // namespace orbadil::db
