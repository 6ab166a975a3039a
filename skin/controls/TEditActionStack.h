#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One undoable step of the edit: text taken out (kept so undo can put it back) or text put in
// (only its length is needed to take it out again).
struct TEditAction {
  enum class TKind : std::uint8_t { Deleted = 0, Inserted = 1 };
  TKind Kind = TKind::Deleted;
  // Undoing this record also undoes the one below it (a typed character replacing a selection).
  bool Chained = false;
  // 1-based character position where the action happened.
  std::int32_t Position = 1;
  std::u16string DeletedText;
  std::int32_t InsertedCount = 0;
  friend bool operator==(const TEditAction&, const TEditAction&) = default;
};

// The edit's undo stack. Successive typing grows one insertion record and successive
// Backspace or Delete grow one deletion record, so one undo takes back a whole run.
class TEditActionStack {
 public:
  // Text T removed at 1-based position P; an empty T records nothing.
  void RecordDeletion(const std::u16string& t, std::int32_t p);
  // N characters inserted at 1-based position P; N = 0 records nothing.
  void RecordInsertion(std::int32_t n, std::int32_t p, bool chained);

  bool Empty() const { return Actions.empty(); }
  std::size_t Count() const { return Actions.size(); }
  const TEditAction& Top() const { return Actions.back(); }
  TEditAction Pop();
  const std::vector<TEditAction>& Items() const { return Actions; }

 private:
  std::vector<TEditAction> Actions;
};
