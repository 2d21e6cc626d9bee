#pragma once

#include <QLocale>

namespace vorbix {

class MessageSink;
class MousePointer;
class RandomSource;
class Speech;
class TickerFactory;
class WordStore;

// What the screens need from outside: the word store, where messages go, the
// random source, the timers, the mouse pointer, the regional settings that
// numbers are written and read with, and the voice that reads words aloud.
// The program passes the real ones; tests pass recorders, hand-stepped
// tickers and a pinned locale.
struct Services
{
    WordStore &store;
    MessageSink &messages;
    RandomSource &random;
    TickerFactory &tickers;
    MousePointer &pointer;
    QLocale locale;
    Speech &speech;
};

} // namespace vorbix
