// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>

namespace cinta {

class WindowlessContainer;
class WindowlessControl;
class WindowlessLayer;
class WindowlessTextBox;

// The one real line editor of a tape: placed over a windowless entry field while the user types
// into it. Every edit is written into the field at once, by the layer's edit handler if it has
// one, so the field's text is always what the user sees. The keyboard's comma and the keypad's
// decimal key type the "." of number texts. It goes away when the focus leaves it or the field
// is hidden, removed or scrolled out of view.
class RowEditor : public QLineEdit {
 public:
  RowEditor(QWidget* view, const WindowlessContainer& container);

  // Takes over entry field `index` of `layer`, with the cursor at the point clicked.
  void Open(const WindowlessLayer& layer, int index, WindowlessTextBox& field, const QPoint& click);
  // Takes over the field when the Tab key enters it, with the cursor after its text.
  void OpenByTab(const WindowlessLayer& layer, int index, WindowlessTextBox& field);
  void Close();

  // A control of the container changed: follows its field's text and visibility.
  void ControlChanged(const WindowlessControl& control);
  // Members of `layer` from `first` on are about to go.
  void MembersRemoving(const WindowlessLayer& layer, int first);
  // The container moved: moves along with the field, or closes once the field is out of view.
  void ContainerMoved();

 protected:
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Take(const WindowlessLayer& layer, int index, WindowlessTextBox& field);
  void Place();

  const WindowlessContainer& container_;
  const WindowlessLayer* layer_ = nullptr;
  int index_ = -1;
  WindowlessTextBox* field_ = nullptr;
};

}  // namespace cinta
