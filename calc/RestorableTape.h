// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "calc/TapeFields.h"

namespace cinta {

// The three fields that every row holds.
enum class RowField : unsigned char { Operand, Operator, Formatted };
inline constexpr RowField kRowFields[] = {RowField::Operand, RowField::Operator,
                                          RowField::Formatted};

// The window's state that a key press changes besides the fields: the rows the last evaluation
// took, the last format key, and where the rows stand (the scroll offset) in a container how
// tall, in the window's own units.
struct TapeSettings {
  int evalRowCount = 0;
  int formatMode = 0;
  int rowsTop = 0;
  int rowsHeight = 0;

  bool operator==(const TapeSettings&) const = default;
};

// The tape as undo and the recovery file see it: every field read back as well as written, rows
// added and removed at the end, and the settings. The main window implements it over its
// controls and module state; MemoryTape over plain members.
class RestorableTape : public TapeFields {
 public:
  virtual std::string FormattedText(int row) const = 0;
  virtual std::string FormattedResultText() const = 0;
  virtual bool IsResultVisible() const = 0;
  virtual bool IsFormattedResultVisible() const = 0;
  // A new last row as an operator key makes it before giving it its operator: an empty text,
  // code "0", shown in the view the tape shows.
  virtual void AppendRow() = 0;
  // Removes rows `first` (at least 1) to the last.
  virtual void RemoveRowsFrom(int first) = 0;
  virtual TapeSettings Settings() const = 0;
  virtual void SetSettings(const TapeSettings& settings) = 0;
};

}  // namespace cinta
