#include "data/import/apertium_lexicon.h"

#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <algorithm>
#include <array>

#include <unistd.h>

namespace vorbix::import {

namespace {

struct Symbol
{
    enum Kind { Empty, Tag, Text } kind;
    QString text;  // a tag without its angle brackets
};

struct Arc
{
    int to;
    int input;
    int output;
};

// Arcs a section's paths may take in all, per arc of the section, before it
// is taken for a pattern. A word list shares its states among few paths
// (Apertium's eng-spa: 4 steps per arc); a number pattern branches at every
// digit (its section takes millions).
constexpr qsizetype kStepsPerArc = 64;
constexpr qsizetype kMinSteps = 100'000;

class SymbolTable
{
public:
    SymbolTable() { m_singleBytes.fill(-1); }

    int intern(const char *data, qsizetype size)
    {
        // Most symbols are one ASCII letter.
        if (size == 1 && m_singleBytes[uchar(data[0])] >= 0)
            return m_singleBytes[uchar(data[0])];
        const QByteArray field = QByteArray::fromRawData(data, size);
        if (const auto found = m_ids.constFind(field); found != m_ids.constEnd())
            return *found;
        Symbol symbol{Symbol::Text, QString::fromUtf8(field)};
        // lt-print writes ε for an empty side; HFST-style escapes (-H)
        // write @0@ and @_SPACE_@.
        if (field == "\xCE\xB5" || field == "@0@") {
            symbol = {Symbol::Empty, {}};
        } else if (field == "@_SPACE_@") {
            symbol.text = QStringLiteral(" ");
        } else if (size > 2 && field.startsWith('<') && field.endsWith('>')) {
            symbol = {Symbol::Tag, QString::fromUtf8(field.mid(1, size - 2))};
        }
        const int id = int(m_symbols.size());
        m_symbols.append(std::move(symbol));
        m_ids.insert(QByteArray(data, size), id);
        if (size == 1)
            m_singleBytes[uchar(data[0])] = id;
        return id;
    }
    const Symbol &at(int id) const { return m_symbols.at(id); }

private:
    std::array<int, 256> m_singleBytes;
    QHash<QByteArray, int> m_ids;
    QVector<Symbol> m_symbols;
};

// A section's states, numbered densely in the order met (state 0 first), so
// that large state numbers on a damaged line cost nothing.
struct Section
{
    QHash<int, int> index;       // state number -> dense index
    QVector<QVector<Arc>> arcs;  // by dense index
    QVector<bool> final;
    qsizetype arcCount = 0;

    Section() { state(0); }

    int state(int number)
    {
        const auto found = index.constFind(number);
        if (found != index.constEnd())
            return *found;
        const int dense = int(arcs.size());
        index.insert(number, dense);
        arcs.append(QVector<Arc>());
        final.append(false);
        return dense;
    }
};

// Reads one side of a path: letters up to the first tag, then tags only.
// False when text follows a tag (compounds joined with "+") or the lemma is
// empty.
bool splitSide(const QVector<int> &symbols, const SymbolTable &table, QString &lemma, QStringList &tags)
{
    lemma.clear();
    tags.clear();
    for (const int id : symbols) {
        const Symbol &symbol = table.at(id);
        if (symbol.kind == Symbol::Empty)
            continue;
        if (symbol.kind == Symbol::Tag) {
            tags.append(symbol.text);
        } else if (!tags.isEmpty()) {
            return false;
        } else {
            lemma += symbol.text;
        }
    }
    lemma.remove(QLatin1Char('#'));
    lemma = lemma.simplified();
    return !lemma.isEmpty();
}

// Adds the entries of a section to `reading`; none of a section found to be
// a pattern.
void collectPaths(const Section &section, const SymbolTable &table, TransducerReading &reading)
{
    if (section.arcCount == 0)
        return;
    const qsizetype budget = kMinSteps + section.arcCount * kStepsPerArc;
    qsizetype steps = 0;
    QVector<LexiconEntry> found;
    // Depth-first, without recursion: the arc taken at each depth.
    QVector<bool> onPath(section.arcs.size());
    QVector<std::pair<int, qsizetype>> stack{{0, 0}};  // state, next arc
    QVector<int> inputs;
    QVector<int> outputs;
    onPath[0] = true;
    auto emitPath = [&]() {
        LexiconEntry entry;
        if (splitSide(inputs, table, entry.source, entry.sourceTags)
            && splitSide(outputs, table, entry.target, entry.targetTags)) {
            found.append(std::move(entry));
        }
    };
    while (!stack.isEmpty()) {
        auto &[state, next] = stack.last();
        const QVector<Arc> &arcs = section.arcs.at(state);
        if (next == arcs.size()) {
            onPath[state] = false;
            stack.removeLast();
            if (!stack.isEmpty()) {
                inputs.removeLast();
                outputs.removeLast();
            }
            continue;
        }
        const Arc arc = arcs.at(next++);
        if (onPath.at(arc.to))
            continue;
        if (++steps > budget) {
            ++reading.sectionsCut;
            return;
        }
        onPath[arc.to] = true;
        inputs.append(arc.input);
        outputs.append(arc.output);
        stack.append({arc.to, 0});
        if (section.final.at(arc.to))
            emitPath();
    }
    if (reading.entries.isEmpty()) {
        reading.entries = std::move(found);
    } else {
        reading.entries.reserve(reading.entries.size() + found.size());
        for (LexiconEntry &entry : found)
            reading.entries.append(std::move(entry));
    }
}

bool toState(const char *data, qsizetype size, int &state)
{
    if (size == 0 || size > 9)
        return false;
    state = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (data[i] < '0' || data[i] > '9')
            return false;
        state = state * 10 + (data[i] - '0');
    }
    return true;
}

} // namespace

TransducerReading readPrintedTransducer(const QByteArray &text)
{
    TransducerReading reading;
    SymbolTable table;
    Section section;
    auto finishSection = [&]() {
        collectPaths(section, table, reading);
        section = Section();
    };
    const char *const data = text.constData();
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        qsizetype lineEnd = end;
        if (lineEnd > start && data[lineEnd - 1] == '\r')
            --lineEnd;
        const qsizetype lineStart = start;
        start = end + 1;
        if (lineEnd == lineStart)
            continue;
        if (lineEnd - lineStart == 2 && data[lineStart] == '-' && data[lineStart + 1] == '-') {
            finishSection();
            continue;
        }
        // Fields are not trimmed: a blank is the symbol " ". A tab may end
        // the line.
        std::array<std::pair<qsizetype, qsizetype>, 6> fields;  // start, size
        int count = 0;
        for (qsizetype from = lineStart; from <= lineEnd && count < int(fields.size());) {
            qsizetype tab = from;
            while (tab < lineEnd && data[tab] != '\t')
                ++tab;
            fields[count++] = {from, tab - from};
            from = tab + 1;
        }
        if (count > 1 && fields[count - 1].second == 0)
            --count;
        auto field = [&](int i) { return data + fields[i].first; };
        int from = 0;
        int to = 0;
        if (count >= 4 && count <= 5 && toState(field(0), fields[0].second, from)
            && toState(field(1), fields[1].second, to) && fields[2].second > 0 && fields[3].second > 0) {
            const int dense = section.state(from);
            const int target = section.state(to);
            section.arcs[dense].append({target, table.intern(field(2), fields[2].second),
                                        table.intern(field(3), fields[3].second)});
            ++section.arcCount;
        } else if (count <= 2 && toState(field(0), fields[0].second, from)) {
            section.final[section.state(from)] = true;
        } else {
            ++reading.linesRefused;
        }
    }
    finishSection();
    return reading;
}

bool isLearnersWord(const LexiconEntry &entry)
{
    static const QSet<QString> partsOfSpeech{
        QStringLiteral("n"),      QStringLiteral("vblex"),  QStringLiteral("vbser"),  QStringLiteral("vbhaver"),
        QStringLiteral("vbmod"),  QStringLiteral("adj"),    QStringLiteral("adv"),    QStringLiteral("pr"),
        QStringLiteral("prn"),    QStringLiteral("det"),    QStringLiteral("cnjcoo"), QStringLiteral("cnjsub"),
        QStringLiteral("cnjadv"), QStringLiteral("ij"),     QStringLiteral("preadv"), QStringLiteral("predet")};
    // Proper nouns and their kinds, numbers, abbreviations, punctuation and
    // inflected forms (comparatives, tenses, persons, cases).
    static const QSet<QString> leftOut{
        QStringLiteral("np"),   QStringLiteral("ant"),  QStringLiteral("cog"),    QStringLiteral("loc"),
        QStringLiteral("al"),   QStringLiteral("org"),  QStringLiteral("top"),    QStringLiteral("num"),
        QStringLiteral("percent"), QStringLiteral("time"), QStringLiteral("acr"), QStringLiteral("abbr"),
        QStringLiteral("web"),  QStringLiteral("sent"), QStringLiteral("cm"),     QStringLiteral("lpar"),
        QStringLiteral("rpar"), QStringLiteral("lquest"), QStringLiteral("guio"), QStringLiteral("apos"),
        QStringLiteral("comp"), QStringLiteral("sup"),  QStringLiteral("pres"),   QStringLiteral("past"),
        QStringLiteral("pri"),  QStringLiteral("pii"),  QStringLiteral("ifi"),    QStringLiteral("p1"),
        QStringLiteral("p2"),   QStringLiteral("p3"),   QStringLiteral("inf"),    QStringLiteral("ger"),
        QStringLiteral("pp"),   QStringLiteral("subj"), QStringLiteral("obj"),    QStringLiteral("ref"),
        QStringLiteral("gen")};
    auto sound = [&](const QString &lemma, const QStringList &tags) {
        if (tags.isEmpty() || !partsOfSpeech.contains(tags.first()))
            return false;
        if (std::any_of(tags.begin(), tags.end(), [](const QString &tag) { return leftOut.contains(tag); }))
            return false;
        bool letter = false;
        for (const QChar c : lemma) {
            if (c.isLetter())
                letter = true;
            else if (c != QLatin1Char(' ') && c != QLatin1Char('-') && c != QLatin1Char('\'') && c != QChar(0x2019))
                return false;
        }
        return letter;
    };
    return sound(entry.source, entry.sourceTags) && sound(entry.target, entry.targetTags);
}

LexiconPrinter::LexiconPrinter(const QString &path, const QString &package)
    : m_path(path)
{
    if (!QFileInfo(path).isFile()) {
        m_problem = QStringLiteral("%1 is missing; install the package %2").arg(path, package);
        return;
    }
    const QString program = QStandardPaths::findExecutable(QStringLiteral("lt-print"));
    if (program.isEmpty()) {
        m_problem = QStringLiteral("lt-print is missing; install the package lttoolbox-dev");
        return;
    }
    m_output = std::make_unique<QTemporaryFile>();
    if (!m_output->open()) {
        m_problem = QStringLiteral("no temporary file for the output of lt-print: %1").arg(m_output->errorString());
        return;
    }
    m_process = std::make_unique<QProcess>();
    m_process->setStandardInputFile(QProcess::nullDevice());
    m_process->setStandardOutputFile(m_output->fileName());
    m_process->setStandardErrorFile(QProcess::nullDevice());
    // A little less priority than the import itself, whose reading of the
    // dictionaries is the longer task: on two cores the import keeps one.
    m_process->setChildProcessModifier([] { (void)::nice(5); });
    m_process->start(program, {path});
}

LexiconPrinter::~LexiconPrinter()
{
    if (m_process && m_process->state() != QProcess::NotRunning) {
        m_process->kill();
        m_process->waitForFinished(1000);
    }
}

QVector<LexiconEntry> LexiconPrinter::entries(int timeoutMs, QString &problem)
{
    problem = m_problem;
    if (!m_process)
        return {};
    if (!m_process->waitForStarted(timeoutMs)) {
        problem = QStringLiteral("lt-print could not be started: %1").arg(m_process->errorString());
        return {};
    }
    if (!m_process->waitForFinished(timeoutMs)) {
        m_process->kill();
        m_process->waitForFinished(1000);
        problem = QStringLiteral("lt-print %1 took longer than %2 s and was stopped").arg(m_path).arg(timeoutMs / 1000);
        return {};
    }
    if (m_process->exitStatus() != QProcess::NormalExit || m_process->exitCode() != 0) {
        problem = QStringLiteral("lt-print %1 failed (exit status %2)").arg(m_path).arg(m_process->exitCode());
        return {};
    }
    m_output->seek(0);
    TransducerReading reading = readPrintedTransducer(m_output->readAll());
    // The entries are sifted in place and the list then shrunk to them: a
    // second list grown step by step would move the tens of thousands of
    // entries kept several times.
    reading.entries.removeIf([](const LexiconEntry &entry) { return !isLearnersWord(entry); });
    QVector<LexiconEntry> kept = std::move(reading.entries);
    kept.squeeze();
    if (kept.isEmpty())
        problem = QStringLiteral("lt-print %1 printed no words").arg(m_path);
    return kept;
}

} // namespace vorbix::import
