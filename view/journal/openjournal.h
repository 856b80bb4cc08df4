#pragma once

namespace vatro {

class JournalWindow;

// "Журнал класса…" of the editor: the class table on the journal folders of this computer,
// beside the other windows; a table already open is brought to the front and read again.
JournalWindow* openJournalWindow();

} // namespace vatro
