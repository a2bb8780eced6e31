// SPDX-License-Identifier: MIT
#include "session/TapeSession.h"

#include "calc/ClearKeys.h"
#include "calc/NumberKeys.h"
#include "calc/RecalculateTape.h"
#include "calc/RowKeys.h"
#include "calc/Views.h"
#include "recovery/RecoveryFile.h"

namespace cinta {

TapeSession::Step::Step(TapeSession& session, std::optional<StepKind> undoAs)
    : session_(session), undoAs_(undoAs), outermost_(!session.inStep_) {
  if (!outermost_) return;
  session_.inStep_ = true;
  viewBefore_ = session_.Place();
  listBefore_ = session_.list_.Revision();
  session_.recorder_.Begin();
}

TapeSession::Step::~Step() {
  if (!outermost_) return;
  session_.inStep_ = false;
  TapeChange change = session_.recorder_.End();
  if (session_.paletteRow_ > session_.tape_.LastRow()) session_.paletteRow_ = kNoPaletteRow;
  session_.journal_.Record(change, session_.tape_, session_.list_);
  session_.Show(UpdateOf(change), session_.list_.Revision() != listBefore_);
  if (undoAs_) {
    session_.history_.Record(std::move(change), *undoAs_, {viewBefore_, session_.Place()});
  }
}

bool TapeSession::Start() {
  std::optional<RecoveredTape> recovered = ReadRecoveryFile(recoveryFile_);
  if (recovered) {
    ApplyPatch(tape_, recovered->tape);
    for (const std::string& entry : recovered->entries) list_.AppendEntry(entry);
    list_.SetFieldText(recovered->fieldText);
    if (recovered->listShown) list_.Show();
    // The file then holds what the display shows, and no end cut short by the kill.
    journal_.WriteWhole(tape_, list_);
  }
  TapeUpdate whole;
  whole.lastChanged = tape_.LastRow();
  whole.viewSwitched = true;
  Show(whole, true);
  return recovered.has_value();
}

void TapeSession::End() const {
  if (!lastSaveFailed_) DiscardRecoveryFile(recoveryFile_);
}

void TapeSession::Show(TapeUpdate update, bool listChanged) const {
  if (display_ == nullptr) return;
  update.listChanged = listChanged;
  update.recoverable = Recoverable();
  display_->Show(update);
}

void TapeSession::ShowAt(const std::optional<ViewPlace>& place) {
  if (place && display_ != nullptr) display_->ShowAt(*place);
}

void TapeSession::Undo() {
  const Step step(*this, std::nullopt);
  ShowAt(history_.Undo(tape_));
}

void TapeSession::Redo() {
  const Step step(*this, std::nullopt);
  ShowAt(history_.Redo(tape_));
}

bool TapeSession::Press(Key key) {
  if (const auto digit = DigitOf(key)) return PressDigitKey(tape_, *digit);
  if (const auto code = OperatorOf(key)) return PressOperatorKey(tape_, *code);
  if (const auto mode = FormatModeOf(key)) {
    PressFormatKey(tape_, *mode, currencySymbol_);
    return true;
  }
  switch (key) {
    case Key::Decimal:
      return PressCommaKey(tape_);
    case Key::Sign:
      return PressSignKey(tape_);
    case Key::ClearEntry:
      return PressClearEntryKey(tape_);
    case Key::Backspace:
      PressBackspaceKey(tape_);
      return true;
    case Key::Equals:
      PressEqualsKey(tape_);
      return true;
    case Key::Clear:
      PressClearKey(tape_, list_);
      return true;
    case Key::ClearResults:
      EmptyList(list_);
      return true;
    case Key::Save:
      RefreshFormattedView(tape_, currencySymbol_);
      return true;
    default:
      return false;
  }
}

void TapeSession::PickFromPalette(OperatorCode code) {
  PressPaletteKey(tape_, paletteRow_, code);
}

void TapeSession::EditRow(int row, std::string_view text) {
  TypeRowText(tape_, row, text);
}

void TapeSession::PickPreviousResult(std::string_view entry) {
  list_.SetFieldText(entry);
  PickEntry(tape_, entry);
}

void TapeSession::TypeIntoListField(std::string_view text) {
  list_.SetFieldText(text);
}

bool TapeSession::AppendFigures(const std::vector<std::string>& figures) {
  if (figures.empty()) return false;
  BackToEditView(tape_);
  auto figure = figures.begin();
  const int last = tape_.LastRow();
  const bool waitsForNumber = last == 0 || !IsUnary(tape_.RowOperator(last));
  if (waitsForNumber && tape_.OperandText(last).empty()) tape_.SetOperandText(last, *figure++);
  for (; figure != figures.end() && tape_.LastRow() < kLastRow; ++figure) {
    const bool negative = figure->starts_with('-');
    tape_.AppendRow();
    const int row = tape_.LastRow();
    tape_.SetRowOperator(row, negative ? OperatorCode::Subtract : OperatorCode::Add);
    tape_.SetOperandText(row, std::string_view(*figure).substr(negative ? 1 : 0));
  }
  EvaluateEveryRow(tape_);
  return figure == figures.end();
}

}  // namespace cinta
