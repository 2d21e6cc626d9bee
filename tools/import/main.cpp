// vorbix-import: builds the word databases under the data root from Debian's
// FreeDict dictionaries, from a user's word list (TSV, CSV, KVTML, flash-card
// text), or from Access files.

#include "command_line.h"
#include "data/import/flashcard_reader.h"
#include "data/import/freedict_import.h"
#include "data/import/import_jobs.h"
#include "data/import/kvtml_reader.h"
#include "data/import/language_names.h"
#include "data/import/trans_de_en.h"
#include "data/import/word_list_reader.h"
#include "data/import/word_order.h"
#include "data/language_pairs.h"
#include "data/record_error.h"
#include "data/store_paths.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

using namespace vorbix;
using namespace vorbix::import;

namespace {

const char *const kDescription =
    "Builds the word databases of Vorbix under the data root:\n"
    "  English/engmi.db and Convdiv/engmi.db (the six word tables), and\n"
    "  Engleza/eng.db (the tests' settings record; created when missing).\n"
    "\n"
    "Commands:\n"
    "  freedict [DIR]     all six pairs from the dictd files of Debian's\n"
    "                     dict-freedict-{eng-spa,spa-eng,eng-fra,fra-eng,\n"
    "                     eng-deu,deu-eng} packages (DIR: /usr/share/dictd);\n"
    "                     the German pairs from Debian's trans-de-en word\n"
    "                     list instead where it is installed.\n"
    "                     The Spanish pairs also draw on the lexicons of\n"
    "                     apertium-eng-spa beside DIR (DIR/../apertium), read\n"
    "                     with lt-print (lttoolbox-dev).\n"
    "                     Builds the files that are missing; rebuilds\n"
    "                     existing ones only with --replace.\n"
    "  tsv PAIR FILE      one pair's table from a word list: one word and its\n"
    "                     translations per line, word TAB translations (or\n"
    "                     word,translations in a .csv file); PAIR is a table\n"
    "                     code (enspa spaen enfra fraen enger geren) or a\n"
    "                     caption (eng-spa ...). Lines starting with # and\n"
    "                     blank lines are skipped.\n"
    "  csv PAIR FILE      the same, read as CSV whatever the file is named.\n"
    "  kvtml FILE [PAIR]  a KVTML 2 file of the KDE vocabulary programs; the\n"
    "                     pair comes from its languages unless PAIR is given.\n"
    "  flashcards FILE PAIR\n"
    "                     the plain-text export of flash-card programs (tab or\n"
    "                     #separator:, #html:true, #columns:); the first two\n"
    "                     fields unless #columns names the languages or\n"
    "                     --fields says which.\n"
    "  mdb FILE TARGET    an Access 2000 file of the original layout into\n"
    "                     TARGET: English/engmi, Convdiv/engmi or Engleza/eng.\n"
    "  mdb-root DIR       DIR/English/engmi.mdb, DIR/Convdiv/engmi.mdb and\n"
    "                     DIR/Engleza/eng.mdb, whichever exist (a copy of the\n"
    "                     old C: drive).\n"
    "\n"
    "An existing database file is changed only with --replace. The files\n"
    "that exist change together, in one SQLite transaction; missing ones are\n"
    "built beside their place and moved there after it. A refused input, an\n"
    "error or a crash leaves every file wholly old or wholly new, and every\n"
    "settings record in line with the table it counts. An empty new table\n"
    "never replaces one with words unless --allow-empty is given.\n"
    "\n"
    "Examples:\n"
    "  vorbix-import freedict\n"
    "  vorbix-import freedict --replace --data-root /tmp/vx\n"
    "  vorbix-import tsv eng-spa mywords.tsv --replace\n"
    "  vorbix-import csv fraen words.csv --skip-bad --replace\n"
    "  vorbix-import kvtml example.kvtml --replace\n"
    "  vorbix-import flashcards deck.txt eng-ger --fields 2,1 --replace\n"
    "  vorbix-import tsv enspa empty.tsv --replace --allow-empty\n"
    "  vorbix-import mdb /media/old/English/engmi.mdb English/engmi --replace\n"
    "  vorbix-import mdb-root /media/old-c-drive";

bool isTerminal()
{
    return ::isatty(STDERR_FILENO) == 1;
}

using tools::print;

void report(const ImportOutcome &outcome)
{
    for (const QString &line : outcome.written)
        print(stdout, line);
    for (const QString &line : outcome.kept)
        print(stdout, line);
    for (const QString &line : outcome.settings)
        print(stdout, line);
}

int usageError(const QString &message)
{
    return tools::usageError(QStringLiteral("vorbix-import"), message);
}

int runFreedict(const QStringList &args, const QString &transDeEn, const DataFiles &files, bool replace,
                const WriteOptions &options, bool verbose)
{
    if (args.size() > 2)
        return usageError(QStringLiteral("freedict takes at most one folder"));
    const QString directory = args.size() == 2 ? args.at(1) : QStringLiteral("/usr/share/dictd");
    if (!replace && QFileInfo::exists(files.main) && QFileInfo::exists(files.learningFrench)) {
        // Nothing to build from the dictionaries; still create the settings
        // file when missing and bring the settings records in line.
        report(completeSettings(files, options));
        return 0;
    }
    const bool terminal = isTerminal();
    QElapsedTimer timer;
    timer.start();
    const FreedictTables result = importFreedict(directory, transDeEn, [terminal, &timer](const QString &step) {
        if (terminal)
            print(stderr, QStringLiteral("[%1 s] %2").arg(timer.elapsed() / 1000.0, 0, 'f', 1).arg(step));
    });
    const FreedictReport &r = result.report;
    QStringList counts;
    for (int i = 0; i < kPairCount; ++i)
        counts.append(QStringLiteral("%1 %2").arg(QLatin1String(kLanguagePairs[i].caption)).arg(result.tables[i].size()));
    print(stdout, QStringLiteral("FreeDict words: %1").arg(counts.join(QLatin1String(", "))));
    print(stdout, QStringLiteral("German pairs from: %1").arg(r.germanSource));
    print(stdout, QStringLiteral("Source repairs: %1 eng-spa headwords made whole again, %2 cut ones dropped, "
                                 "%3 translations with lost blanks split, %4 translation lists cut at %5 "
                                 "characters, %6 German rows over the table limit left out")
                      .arg(r.headwordsRepaired)
                      .arg(r.headwordsDropped)
                      .arg(r.blanksRepaired)
                      .arg(r.translationsShortened)
                      .arg(kMaxTranslationLength)
                      .arg(r.germanRowsCapped));
    print(stdout, QStringLiteral("French pairs: %1 gazetteer rows left out, %2 translations taken from the "
                                 "other direction, %3 bracketed, misspelt or run-together items mended or left "
                                 "out, %4 translations no German word of fra-deu leads to left out")
                      .arg(r.frenchPlacesDropped)
                      .arg(r.frenchTranslationsAdded)
                      .arg(r.frenchItemsMended)
                      .arg(r.frenchContradictedDropped));
    if (!r.frenchLinkProblem.isEmpty()) {
        print(stdout, QStringLiteral("French pairs ranked without links through German: %1")
                          .arg(r.frenchLinkProblem));
    }
    if (!r.lexiconProblem.isEmpty()) {
        print(stdout, QStringLiteral("Spanish tables from FreeDict only (Apertium's lexicons unused): %1")
                          .arg(r.lexiconProblem));
    } else {
        print(stdout, QStringLiteral("Apertium's lexicons: %1 Spanish-pair rows added, %2 mended, %3 unconfirmed "
                                     "FreeDict translations left out, %4 Spanish headwords with wrong accents "
                                     "and %5 misspelt Spanish translations or headwords left out, %6 "
                                     "headwords written without a wrong accent")
                          .arg(r.spanishRowsAdded)
                          .arg(r.spanishRowsMended)
                          .arg(r.spanishItemsDropped)
                          .arg(r.spanishMisspeltDropped)
                          .arg(r.spanishMisspeltWordsDropped)
                          .arg(r.spanishAccentsMended));
    }
    print(stdout, QStringLiteral("Spanish pairs: %1 glued translations left out, as no split of them was sure; "
                                 "%2 senses of compounds cut to their first word left out; %3 translations "
                                 "no German word of spa-deu leads to left out")
                      .arg(r.gluedDropped)
                      .arg(r.cutTranslationsDropped)
                      .arg(r.spanishContradictedDropped));
    if (!r.spanishLinkProblem.isEmpty()) {
        print(stdout, QStringLiteral("Spanish pairs not checked through German: %1").arg(r.spanishLinkProblem));
    }
    print(stdout, QStringLiteral("English articles: %1 rows left pairing them only with articles")
                      .arg(r.articleRowsMended));
    print(stdout, QStringLiteral("Everyday words the dictionaries lack: %1 rows completed from the supplement")
                      .arg(r.everydayRowsSupplemented));
    if (verbose) {
        for (const QString &line : r.details)
            print(stdout, QStringLiteral("  ") + line);
    }
    report(installAllTables(files, result.tables, replace, options));
    return 0;
}

// Installs a word list read from `path`: refused lines stop the import
// unless `skipBad`; then the rows are ordered and replace the pair's table.
int installList(const QString &path, WordList list, const LanguagePair &languagePair, const DataFiles &files,
                bool replace, const WriteOptions &options, bool skipBad)
{
    for (const RefusedLine &line : std::as_const(list.refused)) {
        const QString place = line.column > 0 ? QStringLiteral("%1:%2").arg(line.line).arg(line.column)
                                              : QString::number(line.line);
        print(stderr, QStringLiteral("%1:%2: %3").arg(path, place, line.reason));
    }
    const QString listed = list.refusedCount > list.refused.size()
                               ? QStringLiteral("the first %1 listed above").arg(list.refused.size())
                               : QStringLiteral("listed above");
    const QString refused = list.refusedCount == 1 ? QStringLiteral("1 line") : QStringLiteral("%1 lines").arg(list.refusedCount);
    // A file whose every line was refused holds words the reader could not
    // take: it never empties a table, whatever the options say.
    if (list.refusedCount > 0 && list.rows.isEmpty()) {
        print(stderr, QStringLiteral("%1: every line with words was refused (%2, %3); nothing written")
                          .arg(path, refused, listed));
        return 1;
    }
    if (list.refusedCount > 0 && !skipBad) {
        print(stderr, QStringLiteral("%1: %2 refused (%3); nothing written (--skip-bad imports the other lines)")
                          .arg(path, refused, listed));
        return 1;
    }
    if (list.refusedCount > 0)
        print(stdout, QStringLiteral("%1: skipped %2 (%3)").arg(path, refused, listed));
    for (const QString &note : std::as_const(list.notes))
        print(stdout, QStringLiteral("%1: %2").arg(path, note));
    // A word without a translation is stored (as the list has it), but the
    // user is told: Write words and the grid test have nothing to ask for it.
    const auto untranslated = std::count_if(list.rows.cbegin(), list.rows.cend(), [](const ImportRow &row) {
        return !row.target || row.target->trimmed().isEmpty();
    });
    if (untranslated > 0)
        print(stdout, QStringLiteral("%1: %2 without a translation; stored without one")
                          .arg(path, untranslated == 1 ? QStringLiteral("1 word") : QStringLiteral("%1 words").arg(untranslated)));
    if (list.rows.isEmpty() && !options.allowEmpty) {
        print(stderr, QStringLiteral("%1 holds no words; nothing written (--allow-empty empties the table on purpose)")
                          .arg(path));
        return 1;
    }
    report(installOneTable(files, languagePair, orderRows(std::move(list.rows), localeForField(languagePair.sourceField)),
                           replace, options));
    return 0;
}

int runWordList(const QStringList &args, const DataFiles &files, bool replace, const WriteOptions &options,
                bool skipBad)
{
    if (args.size() != 3)
        return usageError(QStringLiteral("%1 needs PAIR and FILE").arg(args.at(0)));
    const auto pair = pairIndexForName(args.at(1));
    if (!pair)
        return usageError(QStringLiteral("unknown pair %1").arg(args.at(1)));
    const QString &path = args.at(2);
    WordList list =
        readWordList(path, args.at(0) == QLatin1String("csv") ? ListFormat::Csv : listFormatForPath(path));
    return installList(path, std::move(list), kLanguagePairs[*pair], files, replace, options, skipBad);
}

int runKvtml(const QStringList &args, const DataFiles &files, bool replace, const WriteOptions &options, bool skipBad)
{
    if (args.size() != 2 && args.size() != 3)
        return usageError(QStringLiteral("kvtml needs FILE and takes PAIR after it"));
    std::optional<int> pair;
    if (args.size() == 3) {
        pair = pairIndexForName(args.at(2));
        if (!pair)
            return usageError(QStringLiteral("unknown pair %1").arg(args.at(2)));
    }
    KvtmlList read = readKvtml(args.at(1), pair);
    print(stdout, QStringLiteral("%1: %2").arg(args.at(1), QLatin1String(kLanguagePairs[read.pair].caption)));
    return installList(args.at(1), std::move(read.list), kLanguagePairs[read.pair], files, replace, options, skipBad);
}

int runFlashcards(const QStringList &args, const QString &fieldOption, const DataFiles &files, bool replace,
                  const WriteOptions &options, bool skipBad)
{
    if (args.size() != 3)
        return usageError(QStringLiteral("flashcards needs FILE and PAIR"));
    const auto pair = pairIndexForName(args.at(2));
    if (!pair)
        return usageError(QStringLiteral("unknown pair %1").arg(args.at(2)));
    std::optional<FieldChoice> fields;
    if (!fieldOption.isEmpty()) {
        const QStringList numbers = fieldOption.split(QLatin1Char(','));
        bool wordOk = false;
        bool translationOk = false;
        if (numbers.size() == 2)
            fields = FieldChoice{numbers.at(0).toInt(&wordOk), numbers.at(1).toInt(&translationOk)};
        if (!wordOk || !translationOk || fields->first < 1 || fields->second < 1 || fields->first == fields->second)
            return usageError(QStringLiteral("--fields takes two different field numbers, e.g. 2,1"));
    }
    WordList list = readFlashcards(args.at(1), kLanguagePairs[*pair], fields);
    return installList(args.at(1), std::move(list), kLanguagePairs[*pair], files, replace, options, skipBad);
}

int runAccess(const QStringList &args, const DataFiles &files, bool replace, const WriteOptions &options)
{
    QVector<std::pair<QString, QString>> sources;
    if (args.at(0) == QLatin1String("mdb")) {
        if (args.size() != 3)
            return usageError(QStringLiteral("mdb needs FILE and TARGET"));
        const auto target = accessTargetPath(files, args.at(2));
        if (!target)
            return usageError(QStringLiteral("TARGET must be English/engmi, Convdiv/engmi or Engleza/eng"));
        sources.append({args.at(1), *target});
    } else {
        if (args.size() != 2)
            return usageError(QStringLiteral("mdb-root needs DIR"));
        const QDir dir(args.at(1));
        for (const char *name : {"English/engmi", "Convdiv/engmi", "Engleza/eng"}) {
            const QString source = dir.filePath(QLatin1String(name) + QLatin1String(".mdb"));
            if (QFileInfo::exists(source))
                sources.append({source, *accessTargetPath(files, QLatin1String(name))});
        }
        if (sources.isEmpty()) {
            print(stderr, QStringLiteral("%1 holds none of English/engmi.mdb, Convdiv/engmi.mdb, Engleza/eng.mdb")
                              .arg(args.at(1)));
            return 1;
        }
    }
    report(installAccessFiles(files, sources, replace, options));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vorbix-import"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VORBIX_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(kDescription));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataRoot = tools::dataRootOption(QStringLiteral("Example: --data-root /tmp/vx"));
    const QCommandLineOption replace(QStringLiteral("replace"),
                                     QStringLiteral("Overwrite database files that exist. "
                                                    "Example: vorbix-import freedict --replace"));
    const QCommandLineOption skipBad(QStringLiteral("skip-bad"),
                                     QStringLiteral("tsv/csv/kvtml/flashcards: import the good lines and list the refused ones "
                                                    "instead of writing nothing. Example: vorbix-import tsv enspa "
                                                    "words.tsv --skip-bad"));
    const QCommandLineOption verbose(QStringLiteral("verbose"),
                                     QStringLiteral("freedict: list every repair made to the sources. "
                                                    "Example: vorbix-import freedict --verbose"));
    const QCommandLineOption allowEmpty(QStringLiteral("allow-empty"),
                                        QStringLiteral("Let an empty word list or source empty a table that has "
                                                       "words (refused otherwise). Example: vorbix-import tsv "
                                                       "enspa empty.tsv --replace --allow-empty"));
    const QCommandLineOption fields(QStringLiteral("fields"),
                                    QStringLiteral("flashcards: the fields holding the word and the translation, "
                                                   "from 1. Example: vorbix-import flashcards deck.txt enger "
                                                   "--fields 2,1"),
                                    QStringLiteral("W,T"));
    const QCommandLineOption transDeEn(QStringLiteral("trans-de-en"),
                                       QStringLiteral("freedict: the German pairs from this word list of "
                                                      "Debian's trans-de-en (default %1); when the file does "
                                                      "not exist they come from the FreeDict eng-deu and "
                                                      "deu-eng dictionaries. Example: vorbix-import freedict "
                                                      "--trans-de-en ~/de-en")
                                           .arg(QLatin1String(kTransDeEnPath)),
                                       QStringLiteral("FILE"), QLatin1String(kTransDeEnPath));
    parser.addOptions({dataRoot, replace, skipBad, allowEmpty, verbose, fields, transDeEn});
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("freedict, tsv, csv, kvtml, flashcards, mdb or mdb-root (see above)."));
    parser.process(app);

    const QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        return usageError(QStringLiteral("no command given"));
    const DataFiles files(parser.isSet(dataRoot) ? parser.value(dataRoot) : defaultDataRoot());
    const QString &command = args.at(0);
    WriteOptions options;
    options.allowEmpty = parser.isSet(allowEmpty);
    options.waitingForLock = [seconds = options.lockWaitMs / 1000](qint64 holder) {
        const QString process = holder > 0 ? QStringLiteral(" (process %1)").arg(holder) : QString();
        print(stderr, QStringLiteral("Waiting for another import%1 to finish (up to %2 s)...")
                          .arg(process)
                          .arg(seconds));
    };
    try {
        if (command == QLatin1String("freedict"))
            return runFreedict(args, parser.value(transDeEn), files, parser.isSet(replace), options,
                               parser.isSet(verbose));
        if (command == QLatin1String("tsv") || command == QLatin1String("csv"))
            return runWordList(args, files, parser.isSet(replace), options, parser.isSet(skipBad));
        if (command == QLatin1String("kvtml"))
            return runKvtml(args, files, parser.isSet(replace), options, parser.isSet(skipBad));
        if (command == QLatin1String("flashcards"))
            return runFlashcards(args, parser.value(fields), files, parser.isSet(replace), options,
                                 parser.isSet(skipBad));
        if (command == QLatin1String("mdb") || command == QLatin1String("mdb-root"))
            return runAccess(args, files, parser.isSet(replace), options);
        return usageError(QStringLiteral("unknown command %1").arg(command));
    } catch (const RecordError &error) {
        print(stderr, QStringLiteral("vorbix-import: %1").arg(error.message()));
        return 1;
    }
}
