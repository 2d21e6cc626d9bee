#include "command_line.h"

#include "data/store_paths.h"

namespace vorbix::tools {

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}

int usageError(const QString &tool, const QString &message)
{
    print(stderr, QStringLiteral("%1: %2 (see --help)").arg(tool, message));
    return 2;
}

QCommandLineOption dataRootOption(const QString &example)
{
    QString help = QStringLiteral("Where the database files live (default: %1).").arg(defaultDataRoot());
    if (!example.isEmpty())
        help += QLatin1Char(' ') + example;
    return QCommandLineOption(QStringLiteral("data-root"), help, QStringLiteral("DIR"));
}

} // namespace vorbix::tools
