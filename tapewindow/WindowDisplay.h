// SPDX-License-Identifier: MIT
#pragma once

#include "calc/MemoryTape.h"
#include "calc/TapeDisplay.h"
#include "controls/ControlArray.h"
#include "controls/ImageControl.h"
#include "controls/Label.h"
#include "controls/TextBox.h"
#include "controls/WindowlessArray.h"
#include "controls/WindowlessContainer.h"
#include "controls/WindowlessControls.h"

namespace cinta {

// The window's controls that show the tape. resultBox and formattedResult are made after the
// display is bound, so the binding holds the window's members that will point to them.
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
};

// The tape as the window's controls show it: row i by rowEntries(i) (its text),
// rowOperatorButtons(i) (its operator, as the face), rowValues(i) (its formatted value) and
// rowNumbers(i); the result by resultBox and formattedResult. It reads them from the model after
// each step, only for the rows the step changed, and keeps one set of controls per row of it.
// Where the rows stand in the viewport is its own: the place of rowCanvas.
class WindowDisplay final : public TapeDisplay {
 public:
  // The gap between a row's operator button and the next row; one row step is that button's
  // height plus this gap.
  static constexpr int kRowGap = 50;

  WindowDisplay(const TapeControls& controls, const MemoryTape& model)
      : controls_(controls), model_(model) {}

  // What the controls show once the window is built, row 0 and the results, taken into `model`.
  void TakeStartState(MemoryTape& model) const;

  void Show(const TapeUpdate& update) override;
  // Every row and the result, after the model changed outside a step.
  void ShowWhole();
  ViewPlace Place() const override;
  void ShowAt(const ViewPlace& place) override;

 private:
  // The controls of a new last row, one row step below the row before.
  void AppendRow();
  void ShowRow(int row);
  void ShowView(int row);

  TapeControls controls_;
  const MemoryTape& model_;
};

}  // namespace cinta
