#include "skin/controls/TEditActionStack.h"

#include <stdexcept>

void TEditActionStack::RecordDeletion(const std::u16string& t, std::int32_t p) {
  if (t.empty()) return;
  if (!Actions.empty() && Actions.back().Kind == TEditAction::TKind::Deleted) {
    TEditAction& top = Actions.back();
    const std::int64_t gap = std::int64_t{top.Position} - p;
    // Backspace lands just before the run (its text goes in front), Delete at the run's own
    // position (its text goes behind).
    if (gap >= 0 && gap - static_cast<std::int64_t>(t.size()) <= 1) {
      if (p < top.Position)
        top.DeletedText.insert(0, t);
      else
        top.DeletedText += t;
      top.Position = p;
      return;
    }
  }
  TEditAction a;
  a.Kind = TEditAction::TKind::Deleted;
  a.Position = p;
  a.DeletedText = t;
  Actions.push_back(std::move(a));
}

void TEditActionStack::RecordInsertion(std::int32_t n, std::int32_t p, bool chained) {
  if (n == 0) return;
  if (!Actions.empty() && Actions.back().Kind == TEditAction::TKind::Inserted) {
    TEditAction& top = Actions.back();
    if (std::int64_t{p} == std::int64_t{top.Position} + top.InsertedCount) {
      top.InsertedCount += n;
      return;
    }
  }
  TEditAction a;
  a.Kind = TEditAction::TKind::Inserted;
  a.Chained = chained;
  a.Position = p;
  a.InsertedCount = n;
  Actions.push_back(std::move(a));
}

TEditAction TEditActionStack::Pop() {
  if (Actions.empty()) throw std::logic_error("The undo stack is empty");
  TEditAction a = std::move(Actions.back());
  Actions.pop_back();
  return a;
}
