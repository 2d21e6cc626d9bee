#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace vorbix::import {

// How an entry lays out its translations.
enum class EntryStyle {
    // The small FreeDict pairs: every line after the header up to the first
    // blank line is "a, b, c" or "1. a, b"; lines that begin with a blank or
    // a quote are examples.
    SenseList,
    // The German pairs: one sense per entry, the second line is the
    // translation line; later lines (notes, examples, synonyms, see:) are not.
    SingleSense,
};

// An example sentence of an entry: "source sentence" - its translation.
struct ExampleSentence
{
    QString source;
    QString target;
};

struct DictdEntry
{
    QString headword;  // from the header line, never the normalised index key
    QString pronunciation;  // the IPA between the slashes of the header
    QStringList translations;  // cleaned, duplicates removed, in entry order
    // The items of the first of several numbered senses ("1. a, b" before
    // "2. c"); empty where the entry gives one sense.
    QStringList firstSense;
    // The items of the last numbered sense where the entry numbers three or
    // more; empty otherwise. The farthest side sense of a long entry.
    QStringList lastSense;
    // The items the dictionary narrows with a note in brackets ("pile:
    // 3. pier (of wall or structure)"), as they read once the note is taken
    // off; filled where the French pairs' items are vetted.
    QStringList narrowed;
    QVector<ExampleSentence> examples;
    bool verb = false;  // the header tags the headword a verb ("<v>", "<vt>", "<vi>")
};

// Reads the header "HEADWORD /IPA/[ (VARIANTS)][ <POS>]" and the translations
// of one entry.
DictdEntry parseDictdEntry(const QString &text, EntryStyle style);

// The headword of a header line.
QString headwordOfHeader(const QString &header);

// The header line of an entry's text (its first line that is not blank).
QString headerOfEntry(const QString &text);

// The example sentences of an entry, without reading its translations.
QVector<ExampleSentence> examplesOfEntry(const QString &text);

// Maps characters the sources use by mistake or inconsistently: the
// non-breaking hyphens to "-", the non-breaking space to a blank, and the
// C1 controls U+0085 and U+0096 (Windows-1252 bytes read as Latin-1) to the
// ellipsis and the en dash they stand for.
QString normaliseCharacters(QString text);

// Splits a translation line at ", " where it is not inside (), [], {} or <>.
QStringList splitTranslationLine(const QString &line);

// Cleans one split item of its markup (see withoutMarkup). Returns an empty
// string for items that are not translations: IPA, sentences with an acronym
// glued on, fragments with "..." or "…", affixes.
QString cleanTranslationItem(const QString &item);

// The cleaned translations of one line, in order, without duplicates.
QStringList translationsOfLine(const QString &line);

// Appends the items of `more` that `list` does not hold yet.
void appendUnique(QStringList &list, const QStringList &more);

} // namespace vorbix::import
