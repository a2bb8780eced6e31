// SPDX-License-Identifier: MIT
#pragma once

#include "calc/MemoryTape.h"
#include "calc/PreviousResults.h"
#include "controls/ComboBox.h"
#include "controls/GraphicalButton.h"
#include "controls/Label.h"
#include "controls/TextBox.h"
#include "session/TapeDisplay.h"
#include "tapeview/TapeView.h"

namespace cinta {

// The window's controls that show the tape and its list. The controls held by pointer are made
// after the display is bound, so the binding holds the window's members that will point to them.
struct TapeControls {
  TapeView* const& tapeView;
  TextBox* const& resultBox;
  Label* const& formattedResult;
  ComboBox* const& previousResults;
  GraphicalButton* const& clearResultsKey;
  // Shown while the recovery file cannot be written, so the tape would not survive a crash.
  Label* const& unprotectedSign;
};

// The tape as the window's controls show it: the rows by tapeView, which paints them from the
// model; the result by resultBox and formattedResult; the list by previousResults, with its eraser
// key. After each step it tells the view which rows changed and writes the other controls from
// the model. Where the rows stand in the viewport is the view's: the place of its canvas.
class WindowDisplay final : public TapeDisplay {
 public:
  WindowDisplay(const TapeControls& controls, const MemoryTape& model,
                const PreviousResultsList& list)
      : controls_(controls), model_(model), list_(list) {}

  void Show(const TapeUpdate& update) override;
  ViewPlace Place() const override;
  void ShowAt(const ViewPlace& place) override;

 private:
  void ShowList();

  TapeControls controls_;
  const MemoryTape& model_;
  const PreviousResultsList& list_;
};

}  // namespace cinta
