#pragma once

#include <functional>

namespace vorbix {

class MessageSink;
class Navigator;
class WordStore;

// Start-up: the main window is created and shown. Once it has been painted,
// the database files that the screens are bound to are checked: when one is
// missing or unusable the user is told once, with the files and how to
// create them; the program then goes on, and the screens fail gracefully on
// what they cannot read. (The check loads the SQL driver and opens three
// files; the window need not wait for it.) `started`, when given, runs after
// the check and learns whether all the files were usable.
void startProgram(Navigator &navigator, WordStore &store, MessageSink &messages,
                  std::function<void(bool filesUsable)> started = {});

} // namespace vorbix
