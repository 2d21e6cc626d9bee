// The prefix search of a word table, indexed and by a plain scan, on any
// table and any criterion: both must give the same rows.
// Input: the first byte is the prefix length, the first line the typed text,
// every further line one source word ("\x01" alone stands for a missing word).
#include "data/word_table.h"
#include "fuzz_check.h"

#include <QString>
#include <QStringList>

#include <cstdint>

using namespace vorbix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int length = data[0] % 26;
    const QStringList lines =
        QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1)).split(QLatin1Char('\n'));
    QVector<WordRow> rows;
    for (qsizetype i = 1; i < lines.size() && rows.size() < 2000; ++i) {
        WordRow row;
        row.index = int(rows.size()) + 1;
        if (lines[i] != QLatin1String("\x01"))
            row.source = lines[i];
        row.target = QStringLiteral("t");
        rows.append(row);
    }
    const WordTable table(rows);
    const QString typed = lines.first();
    for (int n : {length, int(typed.size()), 1}) {
        const PrefixEquals criterion{n, typed.left(n)};
        FUZZ_CHECK(table.findFirst(criterion) == table.scanFirst(criterion));
        FUZZ_CHECK(table.findLast(criterion) == table.scanLast(criterion));
    }
    const IndexEquals byIndex{qint64(length)};
    FUZZ_CHECK(table.findFirst(byIndex) == table.scanFirst(byIndex));
    return 0;
}
