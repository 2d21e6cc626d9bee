#pragma once

#include <QLocale>

namespace vorbix {

class Clock;
class MessageSink;
class MousePointer;
class ProgressLog;
class RandomSource;
class Speech;
class TickerFactory;
class WordStore;

// What the screens need from outside: the word store, where messages go, the
// random source, the timers, the mouse pointer, the regional settings that
// numbers are written and read with, the voice that reads words aloud, the
// wall clock and the log that keeps the learner's answers. The program
// passes the real ones; tests pass recorders, hand-stepped tickers, a pinned
// locale and a clock they set.
struct Services
{
    WordStore &store;
    MessageSink &messages;
    RandomSource &random;
    TickerFactory &tickers;
    MousePointer &pointer;
    QLocale locale;
    Speech &speech;
    Clock &clock;
    ProgressLog &progress;
};

} // namespace vorbix
