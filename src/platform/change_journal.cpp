#include "platform/change_journal.hpp"

namespace vx::platform {

namespace {
ChangeJournal* current = nullptr;
}

void journal_changes(ChangeJournal* journal) { current = journal; }
ChangeJournal* change_journal() { return current; }

}  // namespace vx::platform
