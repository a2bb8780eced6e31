// SPDX-License-Identifier: MIT
#pragma once

#include "calc/MemoryTape.h"
#include "calc/PreviousResults.h"
#include "controls/ComboBox.h"
#include "controls/ControlArray.h"
#include "controls/GraphicalButton.h"
#include "controls/ImageControl.h"
#include "controls/Label.h"
#include "controls/TextBox.h"
#include "controls/WindowlessArray.h"
#include "controls/WindowlessContainer.h"
#include "controls/WindowlessControls.h"
#include "session/TapeDisplay.h"

namespace cinta {

// The window's controls that show the tape and its list. The controls held by pointer are made
// after the display is bound, so the binding holds the window's members that will point to them.
struct TapeControls {
  WindowlessArray<WindowlessButton>& rowOperatorButtons;
  WindowlessArray<WindowlessTextBox>& rowEntries;
  WindowlessArray<WindowlessLabel>& rowValues;
  WindowlessArray<WindowlessLabel>& rowNumbers;
  // The operator pictures, which the row buttons show as their face.
  const ControlArray<ImageControl>& operatorLegend;
  TextBox* const& resultBox;
  Label* const& formattedResult;
  WindowlessContainer& rowCanvas;
  ComboBox* const& previousResults;
  GraphicalButton* const& clearResultsKey;
  // Shown while the recovery file cannot be written, so the tape would not survive a crash.
  Label* const& unprotectedSign;
};

// The tape as the window's controls show it: row i by rowEntries(i) (its text),
// rowOperatorButtons(i) (its operator, as the face), rowValues(i) (its formatted value) and
// rowNumbers(i); the result by resultBox and formattedResult; the list by previousResults, with
// its eraser key. It reads them from the model after each step, only for the rows the step
// changed, and keeps one set of controls per row of it. Where the rows stand in the viewport is
// its own: the place of rowCanvas.
class WindowDisplay final : public TapeDisplay {
 public:
  // The gap between a row's operator button and the next row; one row step is that button's
  // height plus this gap.
  static constexpr int kRowGap = 50;

  WindowDisplay(const TapeControls& controls, const MemoryTape& model,
                const PreviousResultsList& list)
      : controls_(controls), model_(model), list_(list) {}

  void Show(const TapeUpdate& update) override;
  ViewPlace Place() const override;
  void ShowAt(const ViewPlace& place) override;

 private:
  // The controls of a new last row, one row step below the row before.
  void AppendRow();
  void ShowRow(int row);
  void ShowView(int row);
  void ShowList();

  TapeControls controls_;
  const MemoryTape& model_;
  const PreviousResultsList& list_;
};

}  // namespace cinta
