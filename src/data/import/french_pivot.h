#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

namespace vorbix::import {

// What a French and an English word have in common through German: the
// German words fra-deu gives for the French word that deu-eng translates to
// the English one. Two dictionaries made apart from the small French pair
// (WikDict's fra-deu and trans-de-en) agreeing on a pair is evidence of its main sense:
// "brun" reaches "brown" through "braun", never "black"; "rencontrer"
// reaches "meet" and "encounter", not "sink" or "bore".
class FrenchPivot
{
public:
    void addFrenchGerman(const QString &french, const QStringList &german);
    void addGermanEnglish(const QString &german, const QStringList &english);

    // Adds the English words trans-de-en gives the German words of the
    // French ones added so far: those of every synonym group of a line that
    // is one of them ("Hut {m}" but not "Hut {m} mit Band"). Lines that do
    // not read as "German :: English" with as many groups on each side are
    // passed over.
    void addTransDeEn(QByteArrayView trans);

    // How many German words link the two; 0 when none does or a dictionary
    // was missing. English items compare without case, a leading "to" or a
    // placeholder object ("sb.", "sth.").
    int links(const QString &french, const QString &english) const;

    bool isEmpty() const { return m_germanEnglish.isEmpty(); }

    // Why fra-deu could not be read; empty when it was, or was missing.
    const QString &problem() const { return m_problem; }

    // Reads fra-deu from the FreeDict directory for the French words in
    // `french`, and trans-de-en's text for the German words it gives; empty
    // when either is missing, and when fra-deu cannot be read (problem()
    // then says why).
    static FrenchPivot read(const QString &directory, const QByteArray &trans, const QSet<QString> &french);

private:
    QHash<QString, QStringList> m_frenchGerman;  // lower-case French word -> German words
    QHash<QString, QSet<QString>> m_germanEnglish;  // German word -> English keys
    QString m_problem;
};

// The form an English item is compared in: lower case, hyphens as blanks
// ("plane-tree" is "plane tree"), no leading "to", no placeholder object.
QString englishPivotKey(const QString &english);

} // namespace vorbix::import
