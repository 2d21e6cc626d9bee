#pragma once

#include "data/language_pairs.h"
#include "data/schema.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <functional>

namespace vorbix::import {

// The Debian package that ships the dictd files of a dictionary ("eng-spa").
QString freedictPackage(const QString &dictionary);

// What the FreeDict import changed in the sources, for the report.
struct FreedictReport
{
    int headwordsRepaired = 0;  // eng-spa headwords cut to their first word, put back whole
    int headwordsDropped = 0;   // cut ones whose whole phrase could not be found
    int blanksRepaired = 0;     // glued translations split into words
    int gluedDropped = 0;       // glued translations left out: no sure split
    int cutTranslationsDropped = 0;  // eng-spa senses of compounds cut to their first word, unconfirmed
    int translationsShortened = 0;  // rows whose translation list was cut at 255 characters
    int germanRowsCapped = 0;   // German-pair rows left out by the table limit
    int frenchPlacesDropped = 0;      // eng-fra and fra-eng gazetteer rows left out
    int frenchTranslationsAdded = 0;  // French-pair translations taken from the other direction
    int frenchItemsMended = 0;  // French-pair items cut from a bracketed note or run-together words, or left out
    int frenchContradictedDropped = 0;  // French-pair items that fra-deu and trans-de-en tell against
    QString frenchLinkProblem;  // why no French-pair translation is linked through German; empty when linked
    QString germanSource;       // where the German pairs came from, for the report
    int spanishRowsAdded = 0;   // Spanish-pair rows from Apertium's lexicons that FreeDict lacks
    int spanishRowsMended = 0;  // Spanish-pair rows whose translations Apertium's lexicons changed
    int spanishItemsDropped = 0;  // FreeDict translations left out of those rows
    int spanishMisspeltDropped = 0;  // spa-eng headwords with wrong accents beside the right spelling
    int spanishMisspeltWordsDropped = 0;  // FreeDict items and spa-eng rows with a misspelt Spanish word
    int spanishAccentsMended = 0;  // spa-eng headwords written without a wrong accent
    int spanishContradictedDropped = 0;  // Spanish-pair translations that spa-deu and trans-de-en tell against
    QString spanishLinkProblem;  // why no Spanish-pair translation was checked through German; empty when checked
    int articleRowsMended = 0;  // rows an English article was paired with a word of another kind in
    int everydayRowsSupplemented = 0;  // rows given an everyday word the dictionaries lack
    QString lexiconProblem;     // why Apertium's lexicons were not used, or empty
    QStringList details;        // one line per repair, for --verbose
};

struct FreedictTables
{
    std::array<QVector<WordRow>, kPairCount> tables;  // in kLanguagePairs order
    FreedictReport report;
};

// The longest translation text a row gets; the original tables kept their
// words in 255-character text fields.
inline constexpr int kMaxTranslationLength = 255;

// Joins translations with ", ", leaving out those that would make the text
// longer than kMaxTranslationLength. Sets `shortened` when one was left out.
QString joinTranslations(const QStringList &translations, bool &shortened);

// Builds the six tables from the dictd files of Debian's dict-freedict-*
// packages in `directory`; the German pairs from the trans-de-en list at
// `transDeEn` when that file exists (kTransDeEnPath where installed), else
// from the eng-deu and deu-eng dictionaries, which `progress` then says.
// Throws RecordError naming the file and its package when one that is
// needed is missing or unreadable. The Spanish tables also draw on
// Apertium's lexicons in `directory`/../apertium/apertium-eng-spa (Debian's
// apertium-eng-spa, printed with lt-print); without them they are FreeDict's
// alone and the report says why.
FreedictTables importFreedict(const QString &directory, const QString &transDeEn,
                              const std::function<void(const QString &)> &progress);

} // namespace vorbix::import
