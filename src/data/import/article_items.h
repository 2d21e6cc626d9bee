#pragma once

#include "data/schema.h"

#include <QVector>

namespace vorbix::import {

// An English article is a translation of an article only. The small
// dictionaries list "a" and "the" among the items of prepositions and
// pronouns ("alguien: somebody, someone, anybody, a", "aux: the, to the",
// "dans: in, on, into, per, a, inside") and, the other way, prepositions
// and pronouns among the articles' ("a: un, une, dans, parmi, à,
// quelqu'un"), where a learner would be taught "a" for "alguien" and
// "the" for "aux". In a table of English words (`englishFirst`) the rows
// of "a", "an" and "the" keep only the other language's articles; in a
// table into English a bare "a", "an" or "the" stays only in the row of an
// article, or of the same word ("A", a note). A row whose items are all of
// the wrong kind is left as it is: no rule here can give it a better one.
// `otherField` is the other language's field code ("spa", "fra",
// "ger"). Returns the number of rows changed.
int keepArticlesToArticles(QVector<WordRow> &rows, const char *otherField, bool englishFirst);

} // namespace vorbix::import
