#pragma once

namespace vorbix {

class MessageSink;
class RandomSource;
class WordStore;

// What the screens need from outside: the word store, where messages go and
// the random source. The program passes the real ones; tests pass recorders.
struct Services
{
    WordStore &store;
    MessageSink &messages;
    RandomSource &random;
};

} // namespace vorbix
