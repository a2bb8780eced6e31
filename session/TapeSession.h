// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/Key.h"
#include "calc/MemoryTape.h"
#include "calc/PreviousResults.h"
#include "calc/TapeHistory.h"
#include "calc/TapeRecorder.h"
#include "recovery/RecoveryJournal.h"
#include "session/TapeDisplay.h"

namespace cinta {

// The tape, its list of previous results, the history of its changes and the recovery file that
// keeps them: the core side of every action of the user, so that no rule reaches into a window.
// Only the actions below change the tape and the list; a display reads them.
class TapeSession {
 public:
  // A session over `tape`. Each step ends in `recoveryFile`, unless it is empty. The display, when
  // there is one, is told what to show again as each step ends, and undo and redo put it back
  // where it showed the tape; it is bound, not used, until Start or the first step.
  explicit TapeSession(MemoryTape tape = {}, std::filesystem::path recoveryFile = {},
                       TapeDisplay* display = nullptr)
      : recoveryFile_(std::move(recoveryFile)),
        display_(display),
        tape_(std::move(tape)),
        recorder_(tape_),
        journal_(recoveryFile_) {}
  TapeSession(const TapeSession&) = delete;
  TapeSession& operator=(const TapeSession&) = delete;

  const MemoryTape& Tape() const { return tape_; }
  const PreviousResultsList& List() const { return list_; }
  // Whether the recovery file holds the tape as the last step left it.
  bool Recoverable() const { return journal_.Protects(); }

  // Brings back the tape and the list that the recovery file holds, if it holds one, and shows
  // the whole of them. Returns whether it found one.
  bool Start();
  // Whether the save key's report was written, the last time it was pressed.
  void SaveEnded(bool written) { lastSaveFailed_ = !written; }
  // The program ends by its close keys: the recovery file goes with it, unless the last save
  // failed, so that the next start brings back the tape that was saved nowhere.
  void End() const;

  // One user action that changes the tape or how it is shown, from its first change to its last.
  // Undo keeps it as `undoAs`, or not at all (undo and redo themselves, scrolling, the list's
  // own actions); it ends in the recovery file. A step begun inside another is part of it.
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
    unsigned listBefore_ = 0;
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
  // An entry of the list of previous results picked, for the last row; the list's field shows it.
  void PickPreviousResult(std::string_view entry);
  // The list's field typed into, now to hold `text`; it changes nothing else.
  void TypeIntoListField(std::string_view text);
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
  void Show(TapeUpdate update, bool listChanged) const;

  std::filesystem::path recoveryFile_;
  TapeDisplay* display_;
  MemoryTape tape_;
  PreviousResultsList list_;
  std::string currencySymbol_;
  TapeRecorder recorder_;
  TapeHistory history_;
  RecoveryJournal journal_;
  bool inStep_ = false;
  int paletteRow_ = 0;
  bool lastSaveFailed_ = false;
};

}  // namespace cinta
