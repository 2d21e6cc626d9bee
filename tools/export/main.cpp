// vorbix-export: writes one pair's word table as a KVTML 2 file (for the KDE
// vocabulary programs) or as CSV (for spreadsheets and `vorbix-import csv`).

#include "command_line.h"
#include "data/import/language_names.h"
#include "data/import/list_export.h"
#include "data/record_error.h"
#include "data/store_paths.h"
#include "progress/progress_export.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

using namespace vorbix;
using namespace vorbix::import;

namespace {

const char *const kDescription =
    "Writes one pair's word table from English/engmi.db under the data root\n"
    "to FILE: KVTML 2 when FILE ends in .kvtml (KWordQuiz, Parley), CSV when\n"
    "it ends in .csv (word,translations; vorbix-import csv reads it back).\n"
    "PAIR is a table code (enspa spaen enfra fraen enger geren) or a caption\n"
    "(eng-spa ...). An existing FILE (a symbolic link too) is replaced only\n"
    "with --replace, and then only when it is a regular file that is neither\n"
    "a word database nor a link: give the file a link leads to. FILE is\n"
    "written beside its place and renamed there, so it is never half-written.\n"
    "CSV cells beginning with =, +, -, @, a tab or a CR get an apostrophe (spreadsheets show\n"
    "them as text; vorbix-import csv takes it off again).\n"
    "\n"
    "With --progress FILE.csv it writes instead the learner's answer history\n"
    "from progress.db under the data root, one row per answer.\n"
    "\n"
    "Examples:\n"
    "  vorbix-export eng-ger words.kvtml\n"
    "  vorbix-export fraen words.csv --replace --data-root /tmp/vx\n"
    "  vorbix-export --progress answers.csv";

using tools::print;

int usageError(const QString &message)
{
    return tools::usageError(QStringLiteral("vorbix-export"), message);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vorbix-export"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VORBIX_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(kDescription));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataRoot = tools::dataRootOption();
    const QCommandLineOption replace(QStringLiteral("replace"), QStringLiteral("Overwrite FILE when it exists."));
    const QCommandLineOption progress(QStringLiteral("progress"),
                                      QStringLiteral("Write the answer history to <file> (CSV) instead of a table."),
                                      QStringLiteral("file"));
    parser.addOptions({dataRoot, replace, progress});
    parser.addPositionalArgument(QStringLiteral("PAIR"), QStringLiteral("The table to write, e.g. eng-ger."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A .kvtml or .csv file."));
    parser.process(app);

    const QStringList args = parser.positionalArguments();
    if (parser.isSet(progress)) {
        if (!args.isEmpty())
            return usageError(QStringLiteral("--progress takes no PAIR or FILE"));
        const QString file = parser.value(progress);
        if (exportFormatForPath(file) != ExportFormat::Csv)
            return usageError(QStringLiteral("%1: the name must end in .csv").arg(file));
        try {
            const int rows = exportProgressCsv(parser.isSet(dataRoot) ? parser.value(dataRoot) : defaultDataRoot(),
                                               file, parser.isSet(replace));
            print(stdout, QStringLiteral("%1: %2 %3").arg(file).arg(rows).arg(QLatin1String(rows == 1 ? "answer" : "answers")));
            return 0;
        } catch (const RecordError &error) {
            print(stderr, QStringLiteral("vorbix-export: %1").arg(error.message()));
            return 1;
        }
    }
    if (args.size() != 2)
        return usageError(QStringLiteral("needs PAIR and FILE"));
    const auto pair = pairIndexForName(args.at(0));
    if (!pair)
        return usageError(QStringLiteral("unknown pair %1").arg(args.at(0)));
    const auto format = exportFormatForPath(args.at(1));
    if (!format)
        return usageError(QStringLiteral("%1: the name must end in .kvtml or .csv").arg(args.at(1)));
    try {
        const ExportReport report =
            exportTable(parser.isSet(dataRoot) ? parser.value(dataRoot) : defaultDataRoot(), kLanguagePairs[*pair],
                        args.at(1), *format, parser.isSet(replace));
        print(stdout, QStringLiteral("%1: %2 rows of %3").arg(args.at(1)).arg(report.written).arg(QLatin1String(kLanguagePairs[*pair].caption)));
        if (report.withoutWord > 0)
            print(stdout, QStringLiteral("left out %1 rows without a word").arg(report.withoutWord));
        if (report.textsChanged > 0)
            print(stdout, QStringLiteral("%1 texts had line breaks or control characters, written as blanks")
                              .arg(report.textsChanged));
        return 0;
    } catch (const RecordError &error) {
        print(stderr, QStringLiteral("vorbix-export: %1").arg(error.message()));
        return 1;
    }
}
