#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

namespace vorbix::import {

// What a foreign (French or Spanish) and an English word have in common
// through German: the German words FreeDict's fra-deu or spa-deu gives for
// the foreign word that trans-de-en translates to the English one. Two
// dictionaries made apart from the small pair (fra-deu or spa-deu, and
// trans-de-en) agreeing on a pair is evidence of its main sense: "brun"
// reaches "brown" through "braun", never "black"; "rencontrer" reaches
// "meet" and "encounter", not "sink" or "bore"; "olla" reaches "pot"
// through "Topf", not "jug".
class GermanPivot
{
public:
    void addForeignGerman(const QString &foreign, const QStringList &german);
    void addGermanEnglish(const QString &german, const QStringList &english);

    // Adds the English words trans-de-en gives the German words of the
    // foreign ones added so far: those of every synonym group of a line that
    // is one of them ("Hut {m}" but not "Hut {m} mit Band"). Lines that do
    // not read as "German :: English" with as many groups on each side are
    // passed over.
    void addTransDeEn(QByteArrayView trans);

    // How many German words link the two; 0 when none does or a dictionary
    // was missing. English items compare without case, a leading "to" or a
    // placeholder object ("sb.", "sth.").
    int links(const QString &foreign, const QString &english) const;

    // Whether the foreign word has German words that trans-de-en translates:
    // only then does links() == 0 tell against a pairing.
    bool knows(const QString &foreign) const;

    // Whether the foreign-German dictionary gives two foreign words a German
    // word in common ("Abscheu" for "horreur" and "dégoût"): they are near
    // in sense even where neither links to a given English word.
    bool shareGerman(const QString &foreignA, const QString &foreignB) const;

    // Indexes the German words by the English words trans-de-en gives them,
    // for englishShareGerman() and germanOfEnglish(). Only the French rows
    // ask those, so the index is built on request, after reading: it holds
    // every English key again, which the Spanish pivots need not carry.
    void indexGermanByEnglish();

    // Whether trans-de-en translates one German word of the foreign words
    // added to both English words ("böse": "bad" and "nasty"); needs
    // indexGermanByEnglish().
    bool englishShareGerman(const QString &englishA, const QString &englishB) const;

    // How many German words of the foreign word trans-de-en translates.
    int knownGerman(const QString &foreign) const;

    // How many German words of the foreign words added trans-de-en
    // translates to the English word; needs indexGermanByEnglish().
    int germanOfEnglish(const QString &english) const;

    // Whether the foreign-German dictionary lists the word at all.
    bool lists(const QString &foreign) const { return !germanOf(foreign).isEmpty(); }

    bool isEmpty() const { return m_germanEnglish.isEmpty(); }

    // Why the foreign-German dictionary could not be read; empty when it
    // was, or was missing.
    const QString &problem() const { return m_problem; }

    // Reads `dictionary` ("fra-deu", "spa-deu") from the FreeDict directory
    // for the foreign words in `foreign`, and trans-de-en's text for the
    // German words it gives; empty when either is missing, and when the
    // dictionary cannot be read (problem() then says why).
    static GermanPivot read(const QString &directory, const QString &dictionary, const QByteArray &trans,
                            const QSet<QString> &foreign);

private:
    // The German words of a foreign word, or of its singular.
    QStringList germanOf(const QString &foreign) const;

    QHash<QString, QStringList> m_foreignGerman;  // lower-case foreign word -> German words
    QHash<QString, QSet<QString>> m_germanEnglish;  // German word -> English keys
    QHash<QString, QSet<QString>> m_englishGerman;  // English key -> German words
    QString m_problem;
};

// The form an English item is compared in: lower case, hyphens as blanks
// ("plane-tree" is "plane tree"), no leading "to", no placeholder object.
QString englishPivotKey(const QString &english);

} // namespace vorbix::import
