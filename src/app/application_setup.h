#pragma once

class QCoreApplication;

namespace vorbix {

// Names the program and gives the windows their look: the Fusion style with
// frames that keep their window's colour. No display name is set, so that
// window and message titles are exactly their captions ("Dictionary", not
// "Dictionary — Vorbix").
void setUpApplicationIdentity(QCoreApplication &application);
void setUpApplicationLook();

} // namespace vorbix
