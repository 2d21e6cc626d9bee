#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>

class QProcess;
class QTemporaryFile;

namespace vorbix::import {

// One entry of a bilingual lexicon of Apertium (Debian's apertium-eng-spa):
// a lemma with its tags ("house", {"n"}) and its translation ("casa",
// {"n", "f"}). The group marker "#" of multiword lemmas is removed ("abide#
// by" -> "abide by").
struct LexiconEntry
{
    QString source;
    QStringList sourceTags;
    QString target;
    QStringList targetTags;
};

// What reading a printed transducer met besides its entries.
struct TransducerReading
{
    QVector<LexiconEntry> entries;
    int linesRefused = 0;  // lines that are neither an arc nor a final state
    int sectionsCut = 0;   // sections left out as patterns: their paths exceeded the budget
};

// The entries of a compiled lexicon as `lt-print` prints it (AT&T text: one
// arc "from TAB to TAB input TAB output TAB weight" a line, a final state as a
// line of one or two fields, sections separated by "--"). Every path from
// state 0 to a final state is one entry. A path never passes a state twice,
// and a section whose paths take many more steps than it has arcs is left
// out whole: such sections are looping or branching number patterns, not
// words. Paths whose symbols do not read as a lemma followed by tags are
// left out.
TransducerReading readPrintedTransducer(const QByteArray &text);

// Whether an entry is a word for a learner on both sides: a lemma of letters
// (blanks, hyphens and apostrophes allowed) whose first tag is a part of
// speech, and no proper noun, number, abbreviation, punctuation or inflected
// form.
bool isLearnersWord(const LexiconEntry &entry);

// Runs `lt-print` on a compiled lexicon in the background; its output goes
// to a temporary file so that it never waits for the reader. Starting it is
// enough; entries() waits for it.
class LexiconPrinter
{
public:
    // `package`: the Debian package that ships `path`, for the message when
    // it is missing.
    LexiconPrinter(const QString &path, const QString &package);
    ~LexiconPrinter();
    LexiconPrinter(const LexiconPrinter &) = delete;
    LexiconPrinter &operator=(const LexiconPrinter &) = delete;

    // The learner's words of the lexicon, or none with `problem` saying why
    // (package or lt-print missing, lt-print failed or timed out).
    QVector<LexiconEntry> entries(int timeoutMs, QString &problem);

private:
    QString m_path;
    QString m_problem;
    std::unique_ptr<QTemporaryFile> m_output;
    std::unique_ptr<QProcess> m_process;
};

} // namespace vorbix::import
