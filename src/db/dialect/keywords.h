#pragma once

#include <QStringView>

namespace orbadil::db {

// The words of the server's dialect that the rewriter acts on or that cannot name a column.
enum class Keyword {
    None,
    All,
    And,
    As,
    Asc,
    Between,
    By,
    Case,
    Collate,
    Cross,
    Delete,
    Desc,
    Distinct,
    Else,
    End,
    Escape,
    Except,
    Exists,
    From,
    Full,
    Group,
    Having,
    In,
    Inner,
    Insert,
    Intersect,
    Into,
    Is,
    Join,
    Left,
    Like,
    Limit,
    Natural,
    Not,
    Null,
    Offset,
    On,
    Or,
    Order,
    Outer,
    Percent,
    Right,
    Select,
    Set,
    Then,
    Ties,
    Top,
    Union,
    Update,
    Using,
    Values,
    When,
    Where,
    With,
};

// Keyword::None for a word that spells none of them (in any case).
Keyword keywordOf(QStringView word);

}  // namespace orbadil::db
