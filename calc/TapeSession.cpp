// SPDX-License-Identifier: MIT
#include "calc/TapeSession.h"

#include "calc/ClearKeys.h"
#include "calc/NumberKeys.h"
#include "calc/RecalculateTape.h"
#include "calc/RowKeys.h"
#include "calc/Views.h"

namespace cinta {

TapeSession::Step::Step(TapeSession& session, std::optional<StepKind> undoAs)
    : session_(session), undoAs_(undoAs), outermost_(!session.inStep_) {
  if (!outermost_) return;
  session_.inStep_ = true;
  viewBefore_ = session_.Place();
  session_.recorder_.Begin();
}

TapeSession::Step::~Step() {
  if (!outermost_) return;
  session_.inStep_ = false;
  TapeChange change = session_.recorder_.End();
  if (session_.paletteRow_ > session_.tape_.LastRow()) session_.paletteRow_ = kNoPaletteRow;
  if (session_.display_ != nullptr) session_.display_->Show(UpdateOf(change));
  if (session_.stepEnded_) session_.stepEnded_(change);
  if (undoAs_) {
    session_.history_.Record(std::move(change), *undoAs_, {viewBefore_, session_.Place()});
  }
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
  PickEntry(tape_, entry);
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
