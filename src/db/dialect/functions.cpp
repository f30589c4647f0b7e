// Names and function calls of the server's dialect: three-part names, and the functions that
// SQLite lacks, spells differently or reads with other types.
#include "db/dialect/dateparts.h"
#include "db/dialect/rewriter.h"
#include "db/dialect/sqltext.h"
#include "db/dialect/translator.h"

namespace orbadil::db {

namespace {

enum class Fn {
    Count,
    Aggregate,
    Now,
    IsNull,
    Native,
    NativeNumeric,
    Text,
    LeftRight,
    Numeric,
    DatePart,
    DateAdd,
    DateDiff,
    Convert,
    Cast,
    ScopeIdentity,
};

const QHash<QString, Fn>& functions() {
    static const QHash<QString, Fn> table{
        {QStringLiteral("count"), Fn::Count},
        {QStringLiteral("sum"), Fn::Aggregate},
        {QStringLiteral("min"), Fn::Aggregate},
        {QStringLiteral("max"), Fn::Aggregate},
        {QStringLiteral("avg"), Fn::Aggregate},
        {QStringLiteral("getdate"), Fn::Now},
        {QStringLiteral("sysdatetime"), Fn::Now},
        {QStringLiteral("isnull"), Fn::IsNull},
        {QStringLiteral("coalesce"), Fn::Native},
        {QStringLiteral("nullif"), Fn::Native},
        {QStringLiteral("abs"), Fn::NativeNumeric},
        {QStringLiteral("round"), Fn::NativeNumeric},
        {QStringLiteral("upper"), Fn::Text},
        {QStringLiteral("lower"), Fn::Text},
        {QStringLiteral("ltrim"), Fn::Text},
        {QStringLiteral("rtrim"), Fn::Text},
        {QStringLiteral("replace"), Fn::Text},
        {QStringLiteral("replicate"), Fn::Text},
        {QStringLiteral("space"), Fn::Text},
        {QStringLiteral("str"), Fn::Text},
        {QStringLiteral("substring"), Fn::Text},
        {QStringLiteral("left"), Fn::LeftRight},
        {QStringLiteral("right"), Fn::LeftRight},
        {QStringLiteral("len"), Fn::Numeric},
        {QStringLiteral("charindex"), Fn::Numeric},
        {QStringLiteral("year"), Fn::Numeric},
        {QStringLiteral("month"), Fn::Numeric},
        {QStringLiteral("day"), Fn::Numeric},
        {QStringLiteral("datepart"), Fn::DatePart},
        {QStringLiteral("dateadd"), Fn::DateAdd},
        {QStringLiteral("datediff"), Fn::DateDiff},
        {QStringLiteral("convert"), Fn::Convert},
        {QStringLiteral("cast"), Fn::Cast},
        {QStringLiteral("scope_identity"), Fn::ScopeIdentity},
    };
    return table;
}

QString joined(const QList<StatementTranslator::Piece>& pieces) {
    QStringList sql;
    for (const auto& piece : pieces) sql << piece.sql;
    return sql.join(QStringLiteral(", "));
}

// A number that SQLite compares as a number with text, the way the server converts the text.
StatementTranslator::Piece integer(const QString& call) {
    return StatementTranslator::Piece{
        QStringLiteral("CAST(") + call + QStringLiteral(" AS INTEGER)"),
        StatementTranslator::Piece::Kind::Numeric,
        true,
        {}};
}

QString bareName(const QString& part) {
    return part.startsWith(u'[') || part.startsWith(u'"') ? part.mid(1, part.size() - 2) : part;
}

bool isDbo(const QString& part) {
    return bareName(part).compare(u"dbo", Qt::CaseInsensitive) == 0;
}
bool isSchemaSkipped(const QString& part) {
    return part.isEmpty() || isDbo(part);
}

}  // namespace

// ---- Names ----------------------------------------------------------------------------------

QString StatementTranslator::namePart(const Token& token) {
    if (token.kind == TokenKind::Word) return foldedIdentifier(token.text);
    const QString name = foldedIdentifier(unquoted(token));
    if (!name.contains(u']')) return u'[' + name + u']';
    return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString StatementTranslator::catalogSchema(const QString& catalog) const {
    const QString schema = catalogs_.value(bareName(catalog).toLower());
    if (schema.isEmpty())
        throw DialectError(QStringLiteral("Catálogo desconhecido no banco embutido: ") +
                           bareName(catalog));
    return schema;
}

// catalog..table and catalog.dbo.table name a table of another database attached under its
// schema name; the dbo schema is the only one.
StatementTranslator::Piece StatementTranslator::name() {
    QStringList parts{namePart(take())};
    bool star = false;
    while (acceptSymbol(u".")) {
        if (peekSymbol(u".")) {
            parts << QString();
        } else if (acceptSymbol(u"*")) {
            star = true;
            break;
        } else if (peek().kind == TokenKind::Word || peek().kind == TokenKind::Bracketed) {
            parts << namePart(take());
        } else {
            unexpected();
        }
    }
    QString sql;
    const qsizetype n = parts.size();
    if (n == 1) {
        sql = parts[0];
    } else if (n == 2 && !parts[1].isEmpty()) {
        sql = isDbo(parts[0]) ? parts[1] : parts[0] + u'.' + parts[1];
    } else if (n == 3 && isDbo(parts[0]) && !parts[1].isEmpty() && !parts[2].isEmpty()) {
        sql = parts[1] + u'.' + parts[2];
    } else if (n >= 3 && n <= 4 && isSchemaSkipped(parts[1]) && !parts[0].isEmpty() &&
               !parts.mid(2).contains(QString())) {
        sql = catalogSchema(parts[0]) + u'.' + parts.mid(2).join(u'.');
    } else {
        unsupported(QStringLiteral("nome ") + parts.join(u'.'));
    }
    if (star) return Piece{sql + QStringLiteral(".*"), Kind::Other, true, {}};
    return Piece{sql, Kind::Column, true, {}};
}

void StatementTranslator::addParameter(QStringView name) {
    for (const QString& known : std::as_const(parameters_))
        if (known.compare(name, Qt::CaseInsensitive) == 0) return;
    parameters_ << name.toString();
}

// ---- Calls ----------------------------------------------------------------------------------

StatementTranslator::Piece StatementTranslator::call() {
    const QString written = take().text.toString();
    const QString function = written.toLower();
    expectSymbol(u"(");
    const auto found = functions().constFind(function);
    if (found == functions().constEnd()) unsupported(QStringLiteral("função ") + written);
    switch (*found) {
        case Fn::Count:
            if (acceptSymbol(u"*")) {
                expectSymbol(u")");
                return Piece{QStringLiteral("count(*)"), Kind::Numeric, true, {}};
            }
            return aggregate(function);
        case Fn::Aggregate:
            return aggregate(function);
        case Fn::Now:
            expectSymbol(u")");
            return Piece{QStringLiteral("getdate()"), Kind::DateTime, true, {}};
        case Fn::IsNull:
            return Piece{
                QStringLiteral("ifnull(") + joined(arguments()) + u')', Kind::Other, true, {}};
        case Fn::Native:
            return Piece{function + u'(' + joined(arguments()) + u')', Kind::Other, true, {}};
        case Fn::NativeNumeric:
            return Piece{function + u'(' + joined(arguments()) + u')', Kind::Numeric, true, {}};
        case Fn::Text:
            return Piece{function + u'(' + joined(arguments()) + u')', Kind::Text, true, {}};
        case Fn::LeftRight:  // keywords of SQLite's joins
            return Piece{QStringLiteral("tsql_") + function + u'(' + joined(arguments()) + u')',
                         Kind::Text,
                         true,
                         {}};
        case Fn::Numeric:
            return integer(function + u'(' + joined(arguments()) + u')');
        case Fn::DatePart:
        case Fn::DateDiff:
            return integer(datePartCall(function).sql);
        case Fn::DateAdd:
            return datePartCall(function);
        case Fn::Convert:
            return convertCall();
        case Fn::Cast:
            return castCall();
        case Fn::ScopeIdentity:
            expectSymbol(u")");
            return Piece{QStringLiteral("last_insert_rowid()"), Kind::Numeric, true, {}};
    }
    unexpected();
}

QList<StatementTranslator::Piece> StatementTranslator::arguments() {
    QList<Piece> args;
    if (acceptSymbol(u")")) return args;
    do args << expression();
    while (acceptSymbol(u","));
    expectSymbol(u")");
    return args;
}

// The server averages integers into an integer.
StatementTranslator::Piece StatementTranslator::aggregate(const QString& function) {
    const bool distinct = acceptKeyword(Keyword::Distinct);
    if (!distinct) acceptKeyword(Keyword::All);
    const Piece value = expression();
    expectSymbol(u")");
    const QString name = function == u"avg" ? QStringLiteral("tsql_avg") : function;
    Kind kind = Kind::Numeric;
    if (function == u"min" || function == u"max")
        kind = value.kind == Kind::Number || value.kind == Kind::Numeric ||
                       value.kind == Kind::DateTime
                   ? value.kind
               : value.kind == Kind::String || value.kind == Kind::Text ? Kind::Text
                                                                        : Kind::Other;
    return Piece{
        name + u'(' + (distinct ? QStringLiteral("distinct ") : QString()) + value.sql + u')',
        kind == Kind::Number ? Kind::Numeric : kind,
        true,
        {}};
}

// The part is a bare word on the server; here it travels as text.
StatementTranslator::Piece StatementTranslator::datePartCall(const QString& function) {
    if (peek().kind != TokenKind::Word) unexpected();
    const Token& part = take();
    if (!datePartFromName(part.text))
        unsupported(QStringLiteral("%1(%2, ...)").arg(function, part.text.toString()));
    expectSymbol(u",");
    const QList<Piece> rest = arguments();
    return Piece{function + QStringLiteral("('") + part.text.toString().toLower() +
                     QStringLiteral("', ") + joined(rest) + u')',
                 Kind::DateTime,
                 true,
                 {}};
}

StatementTranslator::Piece StatementTranslator::convertCall() {
    const TypeSpec type = typeSpec();
    expectSymbol(u",");
    const Piece value = expression();
    QString style;
    if (acceptSymbol(u",")) style = expression().sql;
    expectSymbol(u")");
    return converted(type, value, style);
}

StatementTranslator::Piece StatementTranslator::castCall() {
    const Piece value = expression();
    expectKeyword(Keyword::As, "as");
    const TypeSpec type = typeSpec();
    expectSymbol(u")");
    return converted(type, value, {});
}

StatementTranslator::Piece StatementTranslator::converted(const TypeSpec& type, const Piece& value,
                                                          const QString& style) {
    const QString call = QStringLiteral("tsql_convert('") + type.text + QStringLiteral("', ") +
                         value.sql + (style.isEmpty() ? QString() : QStringLiteral(", ") + style) +
                         u')';
    switch (type.category) {
        case TypeSpec::Category::Text:
            return Piece{call, Kind::Text, true, {}};
        case TypeSpec::Category::Integer:
            return integer(call);
        case TypeSpec::Category::Decimal:
            return Piece{QStringLiteral("CAST(") + call + QStringLiteral(" AS REAL)"),
                         Kind::Numeric,
                         true,
                         {}};
        case TypeSpec::Category::DateTime:
            return Piece{call, Kind::DateTime, true, {}};
    }
    unexpected();
}

StatementTranslator::TypeSpec StatementTranslator::typeSpec() {
    using Category = TypeSpec::Category;
    static const QHash<QString, Category> kTypes{
        {QStringLiteral("char"), Category::Text},
        {QStringLiteral("varchar"), Category::Text},
        {QStringLiteral("nchar"), Category::Text},
        {QStringLiteral("nvarchar"), Category::Text},
        {QStringLiteral("text"), Category::Text},
        {QStringLiteral("ntext"), Category::Text},
        {QStringLiteral("int"), Category::Integer},
        {QStringLiteral("integer"), Category::Integer},
        {QStringLiteral("bigint"), Category::Integer},
        {QStringLiteral("smallint"), Category::Integer},
        {QStringLiteral("tinyint"), Category::Integer},
        {QStringLiteral("bit"), Category::Integer},
        {QStringLiteral("decimal"), Category::Decimal},
        {QStringLiteral("numeric"), Category::Decimal},
        {QStringLiteral("float"), Category::Decimal},
        {QStringLiteral("real"), Category::Decimal},
        {QStringLiteral("money"), Category::Decimal},
        {QStringLiteral("smallmoney"), Category::Decimal},
        {QStringLiteral("datetime"), Category::DateTime},
        {QStringLiteral("smalldatetime"), Category::DateTime},
        {QStringLiteral("datetime2"), Category::DateTime},
        {QStringLiteral("date"), Category::DateTime},
    };
    if (peek().kind != TokenKind::Word) unexpected();
    QString text = take().text.toString().toLower();
    const auto found = kTypes.constFind(text);
    if (acceptSymbol(u"(")) {
        QStringList sizes;
        do {
            const Token& size = take();
            if (size.kind != TokenKind::Number &&
                size.text.compare(u"max", Qt::CaseInsensitive) != 0) {
                --pos_;
                unexpected();
            }
            sizes << size.text.toString().toLower();
        } while (acceptSymbol(u","));
        expectSymbol(u")");
        text += u'(' + sizes.join(u',') + u')';
    }
    if (found == kTypes.constEnd()) unsupported(QStringLiteral("conversão para ") + text);
    return TypeSpec{text, *found};
}

}  // namespace orbadil::db
