// Writes a data root for the start-up and memory measurements: every word
// table at the largest size (or the size given), generated.
//
//   vorbix-bench-data DIR [ROWS]
#include "bench_support.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool ok = true;
    const int rows = args.size() > 2 ? args[2].toInt(&ok) : vorbix::schema::kMaxRows;
    if (args.size() < 2 || args.size() > 3 || !ok || rows < 1 || rows > vorbix::schema::kMaxRows) {
        std::fprintf(stderr, "usage: vorbix-bench-data DIR [ROWS, 1..%d]\n", vorbix::schema::kMaxRows);
        return 2;
    }
    const QString root = QDir(args[1]).absolutePath();
    vorbix::bench::writeDataRoot(root, rows);
    std::printf("%s: six tables of %d entries\n", qPrintable(root), rows);
    return 0;
}
