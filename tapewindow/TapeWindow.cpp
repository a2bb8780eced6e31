// SPDX-License-Identifier: MIT
#include "tapewindow/TapeWindow.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>

#include "assets/Pictures.h"
#include "controls/ClientArea.h"
#include "controls/Fonts.h"
#include "controls/WindowDrag.h"
#include "tapeview/RowEditor.h"
#include "tapewindow/AccessibleTape.h"

namespace cinta {
namespace {

// The client area, 816 x 545 pixels.
constexpr int kClientWidth = 12240;
constexpr int kClientHeight = 8175;

const QKeySequence kUndoKey(Qt::CTRL | Qt::Key_Z);
const QKeySequence kRedoKeys[] = {QKeySequence(Qt::CTRL | Qt::Key_Y),
                                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};

}  // namespace

bool TapeWindow::IsUndoOrRedoKey(const QKeyEvent& event) {
  const QKeySequence pressed(event.keyCombination());
  return pressed == kUndoKey || pressed == kRedoKeys[0] || pressed == kRedoKeys[1];
}

TapeWindow::TapeWindow(const std::filesystem::path& programDir)
    : TapeWindow(programDir, RecoveryFilePath(programDir)) {}

TapeWindow::TapeWindow(std::filesystem::path programDir, std::filesystem::path recoveryFile,
                       QWidget* parent)
    : QWidget(parent),
      programDir_(std::move(programDir)),
      recoveryFile_(std::move(recoveryFile)),
      accessibleTape_(std::make_unique<AccessibleTape>(session_.Tape(), tapeView, operatorNames)) {
  // The font system's list of faces and the background take milliseconds each to load; they
  // load on other threads while this one builds the keys from their small pictures.
  const FontSystemWarmUp fontWarmUp;
  std::future<QImage> background =
      DecodePictureInBackground(PictureId::Background, qGuiApp->devicePixelRatio());
  clientArea_ =
      SetUpThinFramedWindow(this, kClientWidth, kClientHeight, QColor(255, 192, 128), QPixmap());
  setWindowIcon(PictureIcon(PictureId::Icon));
  CreateKeys();
  CreateRightSide();
  CreatePalette();
  // The row buttons take their face from operatorLegend, so the images come first.
  CreateBottomStrip();
  CreateTape();
  StackSurfaceControls();
  SetFocusOrder();
  ConnectHandlers();
  NameControlsForAssistiveTechnology();
  NameControlsByRole();
  clientArea_->SetBackground(QPixmap::fromImage(background.get()));
  LoadStartupState();
}

TapeWindow::~TapeWindow() {
  // The tape's viewport and its line editor draw and edit the rows held by this window's
  // members; they must go before those members do.
  delete clientArea_;
}

QWidget* TapeWindow::Surface() const {
  return clientArea_;
}

void TapeWindow::ConnectHandlers() {
  for (int index = 0; index < kKeyCount; ++index) {
    const auto key = static_cast<Key>(index);
    connect(KeyButton(key), &QAbstractButton::clicked, this, [this, key] { Press(key); });
  }
  // Only a choice of the user, by mouse or keyboard; entries the program adds pick nothing.
  connect(previousResults, &ComboBox::picked, this, [this] { PickPreviousResult(); });
  connect(previousResults->lineEdit(), &QLineEdit::textEdited, this,
          [this](const QString& text) { TypeIntoResultsField(text.toStdString()); });
  connect(aboutImage, &ImageControl::clicked, this, [this] { ClickAboutImage(); });
  tapeView->SetButtonHandler([this](int row) { OpenPalette(row); });
  tapeView->SetEditHandler([this](int row, std::string_view text) { EditRow(row, text); });
  tapeView->Editor().SetEditRule(&TypeIntoRowEntry);
  connect(new QShortcut(kUndoKey, this), &QShortcut::activated, this, [this] { Undo(); });
  for (const QKeySequence& keys : kRedoKeys) {
    connect(new QShortcut(keys, this), &QShortcut::activated, this, [this] { Redo(); });
  }
  OfferFiguresInAndOut();
  // The window has no title bar: dragging its bare surface moves it.
  new WindowDrag(this, clientArea_);
  // The text boxes that would take Ctrl+Z for themselves. The combo box hands its keys to its
  // edit field itself, past any filter on the field, so the box is watched instead.
  for (QObject* textBox :
       std::initializer_list<QObject*>{&tapeView->Editor(), resultBox, previousResults}) {
    textBox->installEventFilter(this);
  }
}

}  // namespace cinta
