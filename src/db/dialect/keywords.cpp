#include "db/dialect/keywords.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace orbadil::db {

namespace {

struct Entry {
    std::string_view word;
    Keyword keyword;
};

// Sorted by word: looked up by binary search.
constexpr std::array kKeywords{
    Entry{"all", Keyword::All},
    Entry{"and", Keyword::And},
    Entry{"as", Keyword::As},
    Entry{"asc", Keyword::Asc},
    Entry{"between", Keyword::Between},
    Entry{"by", Keyword::By},
    Entry{"case", Keyword::Case},
    Entry{"collate", Keyword::Collate},
    Entry{"cross", Keyword::Cross},
    Entry{"delete", Keyword::Delete},
    Entry{"desc", Keyword::Desc},
    Entry{"distinct", Keyword::Distinct},
    Entry{"else", Keyword::Else},
    Entry{"end", Keyword::End},
    Entry{"escape", Keyword::Escape},
    Entry{"except", Keyword::Except},
    Entry{"exists", Keyword::Exists},
    Entry{"from", Keyword::From},
    Entry{"full", Keyword::Full},
    Entry{"group", Keyword::Group},
    Entry{"having", Keyword::Having},
    Entry{"in", Keyword::In},
    Entry{"inner", Keyword::Inner},
    Entry{"insert", Keyword::Insert},
    Entry{"intersect", Keyword::Intersect},
    Entry{"into", Keyword::Into},
    Entry{"is", Keyword::Is},
    Entry{"join", Keyword::Join},
    Entry{"left", Keyword::Left},
    Entry{"like", Keyword::Like},
    Entry{"limit", Keyword::Limit},
    Entry{"natural", Keyword::Natural},
    Entry{"not", Keyword::Not},
    Entry{"null", Keyword::Null},
    Entry{"offset", Keyword::Offset},
    Entry{"on", Keyword::On},
    Entry{"or", Keyword::Or},
    Entry{"order", Keyword::Order},
    Entry{"outer", Keyword::Outer},
    Entry{"percent", Keyword::Percent},
    Entry{"right", Keyword::Right},
    Entry{"select", Keyword::Select},
    Entry{"set", Keyword::Set},
    Entry{"then", Keyword::Then},
    Entry{"ties", Keyword::Ties},
    Entry{"top", Keyword::Top},
    Entry{"union", Keyword::Union},
    Entry{"update", Keyword::Update},
    Entry{"using", Keyword::Using},
    Entry{"values", Keyword::Values},
    Entry{"when", Keyword::When},
    Entry{"where", Keyword::Where},
    Entry{"with", Keyword::With},
};

static_assert(std::is_sorted(kKeywords.begin(), kKeywords.end(),
                             [](const Entry& a, const Entry& b) { return a.word < b.word; }));

constexpr qsizetype kLongest = 9;

}  // namespace

Keyword keywordOf(QStringView word) {
    if (word.size() > kLongest) return Keyword::None;
    char lower[kLongest];
    for (qsizetype i = 0; i < word.size(); ++i) {
        const char16_t c = word[i].unicode();
        if (c >= 0x80) return Keyword::None;
        lower[i] = static_cast<char>(c >= u'A' && c <= u'Z' ? c + 32 : c);
    }
    const std::string_view key(lower, static_cast<size_t>(word.size()));
    const auto found =
        std::lower_bound(kKeywords.begin(), kKeywords.end(), key,
                         [](const Entry& e, std::string_view w) { return e.word < w; });
    return found != kKeywords.end() && found->word == key ? found->keyword : Keyword::None;
}

}  // namespace orbadil::db
