#include "framework/ui/Messages.h"

const TMessageTable& TMessageDispatcher::ClassMessageTable() {
  static const TMessageTable table{nullptr, nullptr, 0};
  return table;
}

TMessageDispatcher::~TMessageDispatcher() {
  for (TLifetimeCheck* check = checks_; check; check = check->next_) check->target_ = nullptr;
}

void TMessageDispatcher::DispatchFrom(const TMessageTable* table, TMessage& message) {
  for (; table; table = table->Base) {
    if (const TMessageEntry* entry = table->Find(message.Msg)) {
      entry->Handler(*this, message);
      return;
    }
  }
  DefaultHandler(message);
}
