// SPDX-License-Identifier: MIT
// The clear key C, which files the result and starts a new tape, and CE, which removes the last
// row.
#include "tapewindow/TapeWindow.h"

namespace cinta {
namespace {

// How much taller than the viewport C makes the canvas. It starts 360 taller, so after C it
// is 40 twips taller than at start-up; placed at its start position it covers the viewport either
// way, so the difference never shows.
constexpr int kCanvasExtraHeight = 400;

}  // namespace

void TapeWindow::PressClear() {
  const TapeSession::Step step(session_, StepKind::Change);
  session_.Press(Key::Clear);
  tapeView->MoveCanvas({kCanvasStartLeft, kCanvasStartTop, tapeView->Canvas().width,
                        tapeView->Height() + kCanvasExtraHeight});
}

void TapeWindow::PressClearEntry() {
  const TapeSession::Step step(session_, StepKind::Change);
  // Back by the step the row's operator key moved them, so the new last row stays where rows are
  // entered and the user can go on typing into it in view.
  if (session_.Press(Key::ClearEntry)) MoveRowsUp(-1);
}

}  // namespace cinta
