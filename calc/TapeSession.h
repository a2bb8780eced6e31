// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/Key.h"
#include "calc/MemoryTape.h"
#include "calc/PreviousResults.h"
#include "calc/TapeDisplay.h"
#include "calc/TapeHistory.h"
#include "calc/TapeRecorder.h"

namespace cinta {

// A tape, its list of previous results and the history of its changes:
// the core side of every key the user presses, so that no key's rule reaches into the window's
// state.
class TapeSession {
 public:
  // Told what each step changed as it ends, so that the change can be kept beyond the program.
  using StepEnded = std::function<void(const TapeChange&)>;

  // `tape`, `list` and `display` are bound, not used, until the first key. The display, when there
  // is one, is told what to show again as each step ends, and undo and redo put it back where it
  // showed the tape.
  TapeSession(MemoryTape& tape, PreviousResultsList& list, StepEnded stepEnded = {},
              TapeDisplay* display = nullptr)
      : tape_(tape),
        list_(list),
        display_(display),
        recorder_(tape),
        stepEnded_(std::move(stepEnded)) {}

  // One user action that changes the tape or how it is shown, from its first change to its last.
  // Undo keeps it as `undoAs`, or not at all (undo and redo themselves, scrolling, the eraser of
  // the list); StepEnded is told of it when it ends. A step begun inside another is part of it.
  class Step {
   public:
    Step(TapeSession& session, std::optional<StepKind> undoAs);
    ~Step();
    Step(const Step&) = delete;
    Step& operator=(const Step&) = delete;

   private:
    TapeSession& session_;
    std::optional<StepKind> undoAs_;
    bool outermost_;
    ViewPlace viewBefore_;
  };

  // Presses `key` on the tape. False when the row refused it (a digit, decimal mark or sign past
  // the row's limit), when it added or removed no row (an operator key after the last row, CE on
  // the first row), and for the keys whose work is the window's: scroll, quit and the palette's
  // keys. The save key readies the tape for its report.
  bool Press(Key key);
  // The palette opened on row `row`'s operator button: its keys change that row until the row is
  // removed, even if a row of that number comes again.
  void OpenPalette(int row) { paletteRow_ = row; }
  // The row the palette was last opened for, or kNoPaletteRow once a step removed it.
  int PaletteRow() const { return paletteRow_; }
  static constexpr int kNoPaletteRow = -1;
  // The palette key of `code` chosen, for the row the palette was opened for.
  void PickFromPalette(OperatorCode code);
  // Row `row` typed into, now to hold `text`.
  void EditRow(int row, std::string_view text);
  // An entry of the list of previous results picked, for the last row.
  void PickPreviousResult(std::string_view entry);
  // Figures (number texts) pasted or dropped on the tape, each as if typed into a row at its end:
  // the first into the last row while that still waits for its number, every other into a new
  // row that adds it, or subtracts its magnitude when it is negative, as an adding machine prints
  // it. The tape is evaluated once, at the end. False when there was no figure, or when the rows
  // ran out before the figures did.
  bool AppendFigures(const std::vector<std::string>& figures);

  // Take back the last change of the tape, and make it again; each is a step of its own.
  void Undo();
  void Redo();

  // The currency sign of the formats that show one.
  const std::string& CurrencySymbol() const { return currencySymbol_; }
  void SetCurrencySymbol(std::string symbol) { currencySymbol_ = std::move(symbol); }

 private:
  ViewPlace Place() const { return display_ != nullptr ? display_->Place() : ViewPlace{}; }
  void ShowAt(const std::optional<ViewPlace>& place);

  MemoryTape& tape_;
  PreviousResultsList& list_;
  TapeDisplay* display_;
  std::string currencySymbol_;
  TapeRecorder recorder_;
  TapeHistory history_;
  StepEnded stepEnded_;
  bool inStep_ = false;
  int paletteRow_ = 0;
};

}  // namespace cinta
