#pragma once

#include <QCommandLineOption>
#include <QString>

#include <cstdio>

// What the command-line tools share: printing a line, a usage error, and
// the --data-root option.
namespace vorbix::tools {

// One line on `stream`, in the terminal's encoding.
void print(FILE *stream, const QString &text);

// "TOOL: MESSAGE (see --help)" on standard error; returns the exit code 2.
int usageError(const QString &tool, const QString &message);

// --data-root DIR, naming the default; `example` is appended to the help
// text when given.
QCommandLineOption dataRootOption(const QString &example = {});

} // namespace vorbix::tools
