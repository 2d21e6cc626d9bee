#include "import_fixtures.h"

#include "data/language_pairs.h"
#include "data/sqlite_connection.h"

#include <QDir>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlQuery>

#include <unistd.h>
#include <zlib.h>

namespace vorbix::testing {

QByteArray encodeDictdNumber(qint64 value)
{
    static const char digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    QByteArray text;
    do {
        text.prepend(digits[value % 64]);
        value /= 64;
    } while (value > 0);
    return text;
}

QByteArray gzip(const QByteArray &data)
{
    z_stream zs{};
    deflateInit2(&zs, Z_BEST_SPEED, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(static_cast<qsizetype>(deflateBound(&zs, static_cast<uLong>(data.size()))) + 64, '\0');
    zs.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    zs.avail_in = static_cast<uInt>(data.size());
    zs.next_out = reinterpret_cast<Bytef *>(out.data());
    zs.avail_out = static_cast<uInt>(out.size());
    deflate(&zs, Z_FINISH);
    out.resize(static_cast<qsizetype>(zs.total_out));
    deflateEnd(&zs);
    return out;
}

QVector<import::DictdIndexEntry> writeDictionary(const QString &base, const QList<QByteArray> &entries)
{
    QByteArray dict = "00-database-info\nA test dictionary\n";
    QByteArray index = "00databaseinfo\tA\t" + encodeDictdNumber(dict.size()) + "\n";
    for (const QByteArray &entry : entries) {
        // The key is the first word of the header, as dictfmt writes it:
        // "cierto, cierta /.../" is found under "cierto".
        QByteArray key = entry.left(entry.indexOf(' '));
        if (key.endsWith(','))
            key.chop(1);
        index += key + '\t' + encodeDictdNumber(dict.size()) + '\t' + encodeDictdNumber(entry.size()) + '\n';
        dict += entry;
    }
    QFile indexFile(base + QStringLiteral(".index"));
    QFile dictFile(base + QStringLiteral(".dict.dz"));
    if (!indexFile.open(QIODevice::WriteOnly) || !dictFile.open(QIODevice::WriteOnly))
        qFatal("cannot write the test dictionary");
    indexFile.write(index);
    dictFile.write(gzip(dict));
    return import::parseDictdIndex(index, indexFile.fileName());
}

void writeFreedictDirectory(const QString &directory, int words)
{
    // Made-up words of two or three syllables; each language marks them with
    // its own ending, and every word has a pronunciation of its own that the
    // English dictionaries agree on.
    static const char *const syllables[] = {"ba", "ke", "di", "mo", "lu", "pe", "ra", "so", "ti", "vu", "ne", "fa"};
    constexpr int n = 12;
    auto word = [&](int i) {
        QByteArray text = QByteArray(syllables[i % n]) + syllables[(i / n) % n];
        if (i >= n * n)
            text += syllables[(i / (n * n)) % n];
        return text;
    };
    struct Dictionary
    {
        const char *name;
        const char *fromEnding;
        const char *toEnding;
        char ipa;
    };
    // English has no ending; German words are capitalised nouns.
    const Dictionary dictionaries[] = {{"eng-spa", "", "o", 'e'}, {"spa-eng", "o", "", 's'},
                                       {"eng-fra", "", "e", 'e'}, {"fra-eng", "e", "", 'f'},
                                       {"eng-deu", "", "!", 'e'}, {"deu-eng", "!", "", 'd'}};
    auto inLanguage = [&](int i, const char *ending) {
        QByteArray text = word(i);
        if (ending[0] == '!')
            return QByteArray(1, char(text[0] - 'a' + 'A')) + text.mid(1) + "en";
        return text + ending;
    };
    for (const Dictionary &d : dictionaries) {
        QList<QByteArray> entries;
        for (int i = 0; i < words; ++i) {
            entries.append(inLanguage(i, d.fromEnding) + " /" + d.ipa + QByteArray::number(i) + "/\n"
                           + inLanguage(i, d.toEnding) + "\n");
        }
        writeDictionary(QDir(directory).filePath(QStringLiteral("freedict-") + QLatin1String(d.name)), entries);
    }
}

namespace {

QString programFrom(const char *variable)
{
    const QString program = qEnvironmentVariable(variable);
    if (program.isEmpty())
        qFatal("%s is not set: run the test through ctest", variable);
    return program;
}

} // namespace

QString importTool()
{
    return programFrom("VORBIX_IMPORT");
}

QString testHelper()
{
    return programFrom("VORBIX_TEST_HELPER");
}

ProcessResult run(const QString &program, const QStringList &arguments, bool readOnly)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (readOnly && ::geteuid() == 0) {
        process.setProgram(QStringLiteral("setpriv"));
        process.setArguments(QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                         QStringLiteral("--clear-groups"), program}
                             + arguments);
    } else {
        process.setProgram(program);
        process.setArguments(arguments);
    }
    process.start();
    if (!process.waitForFinished(120000))
        process.kill();
    process.waitForFinished();
    ProcessResult result;
    result.output = QString::fromLocal8Bit(process.readAll());
    if (process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    return result;
}

ProcessResult runImport(const QString &root, const QStringList &arguments, bool readOnly)
{
    return run(importTool(), arguments + QStringList{QStringLiteral("--data-root"), root}, readOnly);
}

void leaveHotJournal(const QString &path, const char *table)
{
    const ProcessResult result = run(testHelper(), {QStringLiteral("hot-journal"), path, QLatin1String(table)});
    if (result.exitCode != 0 || !hasHotJournal(path))
        qFatal("no hot journal left on %s: %s", qPrintable(path), qPrintable(result.output));
}

QByteArray fileHash(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

std::optional<FileContent> readContent(const QString &path)
{
    if (!QFileInfo::exists(path))
        return std::nullopt;
    SqliteConnection db(path, SqliteConnection::Mode::ReadWrite);
    FileContent content;
    for (int i = 0; i < kPairCount; ++i)
        content.tables[i] = readWordTable(db, kLanguagePairs[i]);
    QSqlQuery query(db.database());
    if (query.exec(QStringLiteral("SELECT curent, nrcur FROM ini ORDER BY rowid LIMIT 1")) && query.next()) {
        content.current = query.value(0).toString();
        content.count = query.value(1).toLongLong();
    }
    return content;
}

QStringList leftovers(const QString &root)
{
    QStringList found;
    for (const char *folder : {"English", "Convdiv", "Engleza"}) {
        const QDir dir(QDir(root).filePath(QLatin1String(folder)));
        for (const QString &name : dir.entryList({QStringLiteral("*-journal"), QStringLiteral("*-mj*"), QStringLiteral("*.partial*")}, QDir::Files))
            found.append(dir.filePath(name));
    }
    return found;
}

ReadOnlyFiles::ReadOnlyFiles(const QStringList &paths)
    : m_paths(paths)
{
    const auto all = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const auto traverse = QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    const auto write = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    for (const QString &path : paths) {
        QFile::setPermissions(path, all);
        // The folders stay writable: only the files are protected, and a
        // file could still be renamed over.
        const QString folder = QFileInfo(path).absolutePath();
        QFile::setPermissions(folder, all | traverse | write);
        QFile::setPermissions(QFileInfo(folder).absolutePath(), all | traverse | write);
    }
}

ReadOnlyFiles::~ReadOnlyFiles()
{
    for (const QString &path : std::as_const(m_paths))
        QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner);
}

} // namespace vorbix::testing
