#pragma once

namespace vorbix {

class Cursor;
class SettingsRecord;

// The number of words of the cursor's pair: the Index of its table's last
// record (the cursor is left there). The table is read again first when an
// import replaced it since it was loaded. Throws RecordError on an empty table or
// a count beyond the 16-bit range the screens hold it in.
int countFromLastRecord(Cursor &words);

// Saves the pair's table code and count into the settings record.
void storeCount(SettingsRecord &settings, Cursor &words, int count);

// The word-count rule every screen uses: the cached count when the settings
// record already names the cursor's pair; otherwise the count from the last
// record, stored back into the settings record in one edit.
int wordCount(SettingsRecord &settings, Cursor &words);

} // namespace vorbix
