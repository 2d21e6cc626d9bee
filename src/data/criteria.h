#pragma once

#include <QString>

#include <variant>

namespace vorbix {

// Search criteria are typed values, never text spliced from what the user
// typed: a quote or a percent sign in a word is an ordinary character.

// The first `length` characters of the source word, with blanks (U+0020)
// removed at both ends, equal `text`, ignoring letter case. `text` is used as
// given: a typed text with a blank at either end never matches.
struct PrefixEquals
{
    int length = 0;
    QString text;
};

// The record whose Index equals `number`.
struct IndexEquals
{
    qint64 number = 0;
};

using Criterion = std::variant<PrefixEquals, IndexEquals>;

} // namespace vorbix
