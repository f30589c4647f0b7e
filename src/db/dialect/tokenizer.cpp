#include "db/dialect/tokenizer.h"

#include "db/dialect/rewriter.h"

namespace orbadil::db {

namespace {

QString excerpt(QStringView text) {
    constexpr qsizetype kMax = 40;
    const QString shown = text.left(kMax).toString().simplified();
    return text.size() > kMax ? shown + QStringLiteral("...") : shown;
}

[[noreturn]] void fail(const QString& what, QStringView at) {
    throw DialectError(QStringLiteral("%1: %2").arg(what, excerpt(at)));
}

bool isWordStart(QChar c) {
    return c.isLetter() || c == u'_';
}
bool isWordPart(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c == u'$';
}
bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}
bool isHexDigit(QChar c) {
    return isDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

class Scanner {
  public:
    explicit Scanner(QStringView text) : text_(text) {}

    QList<Token> run() {
        QList<Token> tokens;
        tokens.reserve(text_.size() / 4);
        while (skipBlanksAndComments()) tokens.append(next());
        return tokens;
    }

  private:
    QChar at(qsizetype i) const { return i < text_.size() ? text_[i] : QChar(); }

    bool skipBlanksAndComments() {
        while (pos_ < text_.size()) {
            const QChar c = text_[pos_];
            if (c.isSpace()) {
                ++pos_;
            } else if (c == u'-' && at(pos_ + 1) == u'-') {
                while (pos_ < text_.size() && text_[pos_] != u'\n') ++pos_;
            } else if (c == u'/' && at(pos_ + 1) == u'*') {
                skipBlockComment();
            } else {
                return true;
            }
        }
        return false;
    }

    // The server nests block comments.
    void skipBlockComment() {
        const qsizetype start = pos_;
        int depth = 0;
        while (pos_ < text_.size()) {
            if (text_[pos_] == u'/' && at(pos_ + 1) == u'*') {
                ++depth;
                pos_ += 2;
            } else if (text_[pos_] == u'*' && at(pos_ + 1) == u'/') {
                pos_ += 2;
                if (--depth == 0) return;
            } else {
                ++pos_;
            }
        }
        fail(QStringLiteral("Comentário /* sem fechamento na instrução SQL"), text_.mid(start));
    }

    Token make(TokenKind kind, qsizetype start) const {
        return Token{kind, text_.mid(start, pos_ - start), Keyword::None};
    }

    Token next() {
        const qsizetype start = pos_;
        const QChar c = text_[pos_];
        if ((c == u'N' || c == u'n') && at(pos_ + 1) == u'\'') {
            ++pos_;
            return quoted(u'\'', TokenKind::String, start,
                          QStringLiteral("Texto sem aspas de fechamento"));
        }
        if (isWordStart(c)) return word(start);
        if (isDigit(c) || (c == u'.' && isDigit(at(pos_ + 1)))) return number(start);
        switch (c.unicode()) {
            case u'\'':
                return quoted(u'\'', TokenKind::String, start,
                              QStringLiteral("Texto sem aspas de fechamento"));
            case u'"':
                return quoted(u'"', TokenKind::DoubleQuoted, start,
                              QStringLiteral("Texto sem aspas de fechamento"));
            case u'[':
                return quoted(u']', TokenKind::Bracketed, start,
                              QStringLiteral("Nome entre colchetes sem fechamento"));
            case u':':
                return parameter(start);
            default:
                return symbol(start);
        }
    }

    Token word(qsizetype start) {
        while (pos_ < text_.size() && isWordPart(text_[pos_])) ++pos_;
        Token token = make(TokenKind::Word, start);
        token.keyword = keywordOf(token.text);
        return token;
    }

    Token number(qsizetype start) {
        if (text_[pos_] == u'0' && (at(pos_ + 1) == u'x' || at(pos_ + 1) == u'X')) {
            pos_ += 2;
            while (pos_ < text_.size() && isHexDigit(text_[pos_])) ++pos_;
            return make(TokenKind::Number, start);
        }
        while (isDigit(at(pos_))) ++pos_;
        if (at(pos_) == u'.') {
            ++pos_;
            while (isDigit(at(pos_))) ++pos_;
        }
        const bool signedExponent = at(pos_ + 1) == u'+' || at(pos_ + 1) == u'-';
        if ((at(pos_) == u'e' || at(pos_) == u'E') &&
            isDigit(at(pos_ + (signedExponent ? 2 : 1)))) {
            pos_ += signedExponent ? 2 : 1;
            while (isDigit(at(pos_))) ++pos_;
        }
        if (isWordStart(at(pos_)))
            fail(QStringLiteral("Número mal formado na instrução SQL"), text_.mid(start));
        return make(TokenKind::Number, start);
    }

    // A closing quote written twice stands for itself.
    Token quoted(QChar close, TokenKind kind, qsizetype start, const QString& error) {
        ++pos_;
        while (pos_ < text_.size()) {
            if (text_[pos_] == close) {
                if (at(pos_ + 1) != close) {
                    ++pos_;
                    return make(kind, start);
                }
                ++pos_;
            }
            ++pos_;
        }
        fail(error + QStringLiteral(" na instrução SQL"), text_.mid(start));
    }

    Token parameter(qsizetype start) {
        ++pos_;
        if (!isWordStart(at(pos_)))
            fail(QStringLiteral("Parâmetro sem nome na instrução SQL"), text_.mid(start));
        while (pos_ < text_.size() && isWordPart(text_[pos_])) ++pos_;
        return make(TokenKind::Parameter, start);
    }

    Token symbol(qsizetype start) {
        static constexpr QStringView kPairs[] = {u"<>", u"<=", u">=", u"!=", u"!<", u"!>"};
        for (QStringView pair : kPairs) {
            if (text_.mid(pos_).startsWith(pair)) {
                pos_ += 2;
                return make(TokenKind::Symbol, start);
            }
        }
        static constexpr QStringView kSingles = u"(),.;=<>+-*/%&|^~?";
        if (!kSingles.contains(text_[pos_])) {
            qsizetype end = pos_ + 1;
            while (end < text_.size() && isWordPart(text_[end])) ++end;
            fail(QStringLiteral("Construção SQL não suportada no banco embutido"),
                 text_.mid(start, end - start));
        }
        ++pos_;
        return make(TokenKind::Symbol, start);
    }

    QStringView text_;
    qsizetype pos_ = 0;
};

}  // namespace

QList<Token> tokenize(QStringView batch) {
    return Scanner(batch).run();
}

QString unquoted(const Token& token) {
    QStringView body = token.text;
    if (token.kind == TokenKind::String && (body.startsWith(u'N') || body.startsWith(u'n')))
        body = body.mid(1);
    if (token.kind != TokenKind::String && token.kind != TokenKind::DoubleQuoted &&
        token.kind != TokenKind::Bracketed)
        return body.toString();
    const QChar close = body.back();
    QString text = body.mid(1, body.size() - 2).toString();
    text.replace(QString(2, close), QString(close));
    return text;
}

}  // namespace orbadil::db
