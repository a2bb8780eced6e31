// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "calc/TapeFields.h"

namespace cinta {

// The three fields that every row holds.
enum class RowField : unsigned char { Operand, Operator, Formatted };
inline constexpr RowField kRowFields[] = {RowField::Operand, RowField::Operator,
                                          RowField::Formatted};

// Told of each change of a row's fields before it is made, and of rows about to be removed.
class RowChangeListener {
 public:
  virtual ~RowChangeListener() = default;
  // Field `field` of row `row` is about to change from `now` to `next`, which may be equal.
  virtual void FieldChanging(int row, RowField field, std::string_view now,
                             std::string_view next) = 0;
  virtual void RowsRemoving(int first) = 0;
};

// The tape as undo and the recovery file see it: every field read back as well as written, rows
// added and removed at the end. MemoryTape implements it over plain members;
// the main window over a MemoryTape, its controls and its session. Both tell a listener of every
// change of the rows, from inside, so that reading the tape costs nothing more for it.
class RestorableTape : public TapeFields {
 public:
  // The listener told of changes from now on, or nullptr for none.
  void SetListener(RowChangeListener* listener) { listener_ = listener; }

  virtual std::string FormattedText(int row) const = 0;
  virtual std::string FormattedResultText() const = 0;
  virtual bool IsResultVisible() const = 0;
  virtual bool IsFormattedResultVisible() const = 0;

 protected:
  // Called by the implementations before they change a field or remove rows.
  void FieldChanging(int row, RowField field, std::string_view now, std::string_view next) const {
    if (listener_ != nullptr) listener_->FieldChanging(row, field, now, next);
  }
  void RowsRemoving(int first) const {
    if (listener_ != nullptr) listener_->RowsRemoving(first);
  }

 private:
  RowChangeListener* listener_ = nullptr;
};

}  // namespace cinta
