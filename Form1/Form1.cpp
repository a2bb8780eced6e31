// SPDX-License-Identifier: MIT
#include "Form1/Form1.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QShortcut>

#include "Form1/AccessibleTape.h"
#include "assets/Pictures.h"
#include "controls/ClientArea.h"
#include "controls/Fonts.h"
#include "controls/RowEditor.h"

namespace cinta {
namespace {

// The client area, 816 x 545 pixels.
constexpr int kClientWidth = 12240;
constexpr int kClientHeight = 8175;

const QKeySequence kUndoKey(Qt::CTRL | Qt::Key_Z);
const QKeySequence kRedoKeys[] = {QKeySequence(Qt::CTRL | Qt::Key_Y),
                                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};

}  // namespace

bool Form1::IsUndoOrRedoKey(const QKeyEvent& event) {
  const QKeySequence pressed(event.keyCombination());
  return pressed == kUndoKey || pressed == kRedoKeys[0] || pressed == kRedoKeys[1];
}

Form1::Form1(const std::filesystem::path& programDir)
    : Form1(programDir, RecoveryFilePath(programDir)) {}

Form1::Form1(std::filesystem::path programDir, std::filesystem::path recoveryFile, QWidget* parent)
    : QWidget(parent),
      programDir_(std::move(programDir)),
      recoveryFile_(std::move(recoveryFile)),
      accessibleTape_(std::make_unique<AccessibleTape>(
          SpokenTapeControls{Command1, Text1, Label2, Label4, Picture2, operatorNames})) {
  // The font system's list of faces and the background take milliseconds each to load; they
  // load on other threads while this one builds the keys from their small pictures.
  const FontSystemWarmUp fontWarmUp;
  std::future<QImage> background =
      DecodePictureInBackground(PictureId::Background, qGuiApp->devicePixelRatio());
  clientArea_ =
      SetUpThinFramedWindow(this, kClientWidth, kClientHeight, QColor(255, 192, 128), QPixmap());
  setWindowIcon(PictureIcon(PictureId::Icon));
  CreateTopStrip();
  CreateKeypad();
  CreateRightSide();
  CreatePalette();
  // The row buttons take their face from Image1, so the images come first.
  CreateBottomStrip();
  CreateTape();
  StackSurfaceControls();
  SetFocusOrder();
  ConnectHandlers();
  NameControlsForAssistiveTechnology();
  clientArea_->SetBackground(QPixmap::fromImage(background.get()));
  Form_Load();
}

Form1::~Form1() {
  // The tape's viewport and its line editor draw and edit the rows held by this window's
  // members; they must go before those members do.
  delete clientArea_;
}

QWidget* Form1::Surface() const {
  return clientArea_;
}

void Form1::ConnectHandlers() {
  for (int index = 0; index < Command2.Count(); ++index) {
    connect(&Command2(index), &QAbstractButton::clicked, this,
            [this, index] { Command2_Click(index); });
  }
  for (int index = 0; index < Command3.Count(); ++index) {
    connect(&Command3(index), &QAbstractButton::clicked, this,
            [this, index] { Command3_Click(index); });
  }
  for (int index = 0; index < Command8.Count(); ++index) {
    connect(&Command8(index), &QAbstractButton::clicked, this,
            [this, index] { Command8_Click(index); });
  }
  for (int index = 0; index < Command7.Count(); ++index) {
    connect(&Command7(index), &QAbstractButton::clicked, this,
            [this, index] { Command7_Click(index); });
  }
  for (int index = 0; index < Command6.Count(); ++index) {
    connect(&Command6(index), &QAbstractButton::clicked, this,
            [this, index] { Command6_Click(index); });
  }
  for (int index = 0; index < Command14.Count(); ++index) {
    connect(&Command14(index), &QAbstractButton::clicked, this,
            [this, index] { Command14_Click(index); });
  }
  // Only a choice of the user, by mouse or keyboard; entries the program adds pick nothing.
  connect(Combo1, &ComboBox::picked, this, [this] { Combo1_Click(); });
  connect(Command12, &QAbstractButton::clicked, this, [this] { Command12_Click(); });
  connect(Command4, &QAbstractButton::clicked, this, [this] { Command4_Click(); });
  connect(Command9, &QAbstractButton::clicked, this, [this] { Command9_Click(); });
  connect(Command10, &QAbstractButton::clicked, this, [this] { Command10_Click(); });
  connect(Command5, &QAbstractButton::clicked, this, [this] { Command5_Click(); });
  connect(Command11, &QAbstractButton::clicked, this, [this] { Command11_Click(); });
  connect(Command15, &QAbstractButton::clicked, this, [this] { Command15_Click(); });
  connect(Image2, &ImageControl::clicked, this, [this] { Image2_Click(); });
  Command1.SetClickHandler([this](int index) { Command1_Click(index); });
  Text1.SetEditHandler([this](int index, std::string_view text) { Text1_Change(index, text); });
  Picture1->Editor().SetEditRule(&TypeIntoRowEntry);
  connect(new QShortcut(kUndoKey, this), &QShortcut::activated, this, [this] { Undo(); });
  for (const QKeySequence& keys : kRedoKeys) {
    connect(new QShortcut(keys, this), &QShortcut::activated, this, [this] { Redo(); });
  }
  clientArea_->installEventFilter(this);
  // The text boxes that would take Ctrl+Z for themselves. The combo box hands its keys to its
  // edit field itself, past any filter on the field, so the box is watched instead.
  for (QObject* textBox : std::initializer_list<QObject*>{&Picture1->Editor(), Text2, Combo1}) {
    textBox->installEventFilter(this);
  }
}

}  // namespace cinta
