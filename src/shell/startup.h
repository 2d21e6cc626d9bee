#pragma once

namespace vorbix {

class MessageSink;
class Navigator;
class WordStore;

// Start-up: the main window is created and shown. When a database file that
// the screens are bound to is missing or unusable the user is told once,
// with the files and how to create them; the program then goes on, and the
// screens fail gracefully on what they cannot read.
void startProgram(Navigator &navigator, WordStore &store, MessageSink &messages);

} // namespace vorbix
