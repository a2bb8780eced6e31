// SPDX-License-Identifier: MIT
// The window, its controls and what happens when it opens and when a file is selected.
#include "Form2/Form2.h"

#include <QKeyEvent>
#include <optional>

#include "Form2/DatedCopyOrder.h"
#include "Form2/FileText.h"
#include "Form2/PrintText.h"
#include "assets/Pictures.h"
#include "controls/ClientArea.h"
#include "controls/Fonts.h"
#include "controls/Utf8Text.h"
#include "oplog/WriteReport.h"

namespace cinta {
namespace {

// The client area as designed; the opening replaces it with the main window's size.
constexpr int kClientWidth = 12450;
constexpr int kClientHeight = 8040;
constexpr int kOpeningFontSize = 18;

struct ButtonDesign {
  TwipsRect rect;
  QColor face;
  PictureId picture;
};

// Command1 by index. Along the top edge they stand 0, 2, 3, 1, 4 from left to right.
constexpr int kCommand1Count = 5;
const ButtonDesign kCommand1[kCommand1Count] = {
    {{5880, 120, 855, 735}, QColor(192, 255, 192), PictureId::Camera},
    {{8640, 120, 735, 735}, QColor(255, 224, 192), PictureId::Clipboard},
    {{6840, 120, 855, 735}, QColor(192, 255, 255), PictureId::Printer},
    {{7800, 120, 735, 735}, QColor(255, 192, 255), PictureId::Notepad},
    {{9480, 120, 735, 735}, QColor(255, 255, 192), PictureId::FontSize},
};
const ButtonDesign kCommand2 = {{120, 7080, 2415, 855}, QColor(255, 255, 255), PictureId::Eraser};
const ButtonDesign kCommand3 = {{11400, 120, 735, 735}, QColor(255, 255, 255), PictureId::Close};
constexpr TwipsRect kText1 = {2640, 960, 9495, 6975};
// The free part of the top strip, left of the keys.
constexpr TwipsRect kWriteFailure = {120, 120, 5640, 735};
constexpr TwipsRect kFile1 = {120, 960, 2415, 6030};

GraphicalButton* CreateButton(QWidget* surface, const ButtonDesign& design) {
  return new GraphicalButton(surface, design.rect, design.face, Picture(design.picture));
}

// The client area that makes the whole window, frame included, as large as `ownerRect`.
QSize ClientPixels(const QRect& ownerRect) {
  if (!ownerRect.isValid()) return {TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight)};
  return ownerRect.size() - QSize(2 * kFramePixels, 2 * kFramePixels);
}

}  // namespace

Form2::Form2(std::filesystem::path programDir, const QRect& ownerRect, const std::string& report,
             Clock clock, QWidget* parent, WriteResult reportSaved, Quit quit)
    : QDialog(parent),
      programDir_(std::move(programDir)),
      clock_(std::move(clock)),
      launcher_(&StartDetached),
      printerSource_(&OpenDefaultPrinter),
      quit_(std::move(quit)) {
  // The frame is laid out once, so the client area is sized for the owner's rectangle from the
  // start instead of being resized when the window opens.
  const QSize client = ClientPixels(ownerRect);
  clientArea_ =
      SetUpThinFramedWindow(this, PixelsToTwips(client.width()), PixelsToTwips(client.height()),
                            QColor(255, 192, 192), Picture(PictureId::Background));
  setWindowIcon(PictureIcon(PictureId::Icon));
  CreateControls();
  SetFocusOrder();
  NameControlsForAssistiveTechnology();
  ConnectHandlers();
  Form_Load(ownerRect, report);
  ShowWriteResult(QStringLiteral("operacion.txt"), reportSaved);
}

QWidget* Form2::Surface() const {
  return clientArea_;
}

void Form2::CreateControls() {
  Text1 = new MultiLineTextBox(clientArea_);
  Text1->Move(kText1);
  Text1->setFont(ControlFont(QStringLiteral("Courier New"), 12));
  for (const ButtonDesign& design : kCommand1) Command1.Add(CreateButton(clientArea_, design));
  File1 = new FileListBox(clientArea_);
  File1->SetOrder(&ListedBefore);
  File1->Move(kFile1);
  File1->setFont(ControlFont(QStringLiteral("Arial"), 12));
  Command2 = CreateButton(clientArea_, kCommand2);
  Command3 = CreateButton(clientArea_, kCommand3);
  WriteFailure = new Label(clientArea_);
  WriteFailure->Move(kWriteFailure);
  WriteFailure->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  WriteFailure->SetBackColor(QColor(255, 255, 255));
  WriteFailure->SetForeColor(QColor(160, 0, 0));
  WriteFailure->setFont(ControlFont(QStringLiteral("Arial"), 11, kBold));
  WriteFailure->setContentsMargins(6, 0, 6, 0);
  WriteFailure->SetVisible(false);
}

void Form2::SetFocusOrder() {
  QWidget* const order[] = {Text1, &Command1(0), &Command1(2), &Command1(3), &Command1(4),
                            File1, Command2,     &Command1(1), Command3};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
  Text1->setFocus();
}

void Form2::ConnectHandlers() {
  for (int index = 0; index < Command1.Count(); ++index) {
    connect(&Command1(index), &QAbstractButton::clicked, this,
            [this, index] { Command1_Click(index); });
  }
  connect(Command2, &QAbstractButton::clicked, this, &Form2::Command2_Click);
  connect(Command3, &QAbstractButton::clicked, this, &Form2::Command3_Click);
  // The selection, not the current item: the current item also moves when the list merely
  // takes the focus, which must not replace the shown text.
  connect(File1, &QListWidget::itemSelectionChanged, this, &Form2::File1_Click);
}

void Form2::Form_Load(const QRect& ownerRect, const std::string& report) {
  if (ownerRect.isValid()) setGeometry(ownerRect);
  viewerFontSize = kOpeningFontSize;
  SetText1FontSize();
  File1->SetPath(SavedOperationsFolder());
  ShowOperationLog(report);
}

void Form2::ShowOperationLog(const std::string& report) {
  Text1->SetText(FromUtf8(report));
}

void Form2::File1_Click() {
  if (const std::optional<std::filesystem::path> file = File1->SelectedFilePath()) ShowFile(*file);
}

void Form2::ShowFile(const std::filesystem::path& file) {
  // A file that cannot be read leaves the text as it was.
  if (const std::optional<QString> text = ReadTextFile(file)) {
    Text1->SetText(*text);
    shownCopy_ = file;
  }
}

void Form2::SetText1FontSize() {
  QFont font = Text1->font();
  font.setPointSize(viewerFontSize);
  Text1->setFont(font);
}

void Form2::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Cancel)) return;
  QDialog::keyPressEvent(event);
}

std::filesystem::path Form2::OperationLogPath() const {
  return cinta::OperationLogPath(programDir_);
}

std::filesystem::path Form2::SavedOperationsFolder() const {
  return programDir_ / "operaciones";
}

}  // namespace cinta
