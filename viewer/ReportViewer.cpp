// SPDX-License-Identifier: MIT
// The window, its controls and what happens when it opens and when a file is selected.
#include "viewer/ReportViewer.h"

#include <QKeyEvent>
#include <optional>

#include "assets/Pictures.h"
#include "controls/AccessibleName.h"
#include "controls/ClientArea.h"
#include "controls/Fonts.h"
#include "controls/Utf8Text.h"
#include "oplog/WriteReport.h"
#include "viewer/DatedCopyOrder.h"
#include "viewer/FileText.h"
#include "viewer/PrintText.h"

namespace cinta {
namespace {

// The client area as designed; the opening replaces it with the main window's size.
constexpr int kClientWidth = 12450;
constexpr int kClientHeight = 8040;
constexpr int kOpeningFontSize = 18;

struct ButtonDesign {
  // The viewer's member that holds the key.
  GraphicalButton* ReportViewer::*key;
  TwipsRect rect;
  QColor face;
  PictureId picture;
  // What a click on the key does.
  void (ReportViewer::*press)();
  // What a screen reader says of the key, whose face is a picture.
  const char* spokenName;
  const char* description;
};

using Viewer = ReportViewer;

// Every key of the viewer. Along the top edge, left to right: save a copy, print, editor, copy,
// font size, quit; the delete key stands under the list.
const ButtonDesign kKeys[] = {
    {
        &Viewer::saveCopyKey,
        {5880, 120, 855, 735},
        QColor(192, 255, 192),
        PictureId::Camera,
        &Viewer::SaveDatedCopy,
        "Guardar una copia",
        "Guarda el texto en operaciones con la fecha y la hora",
    },
    {
        &Viewer::copyKey,
        {8640, 120, 735, 735},
        QColor(255, 224, 192),
        PictureId::Clipboard,
        &Viewer::CopyToClipboard,
        "Copiar",
        "Copia el texto al portapapeles",
    },
    {
        &Viewer::printKey,
        {6840, 120, 855, 735},
        QColor(192, 255, 255),
        PictureId::Printer,
        &Viewer::PrintShownText,
        "Imprimir",
        "Imprime el texto en la impresora predeterminada",
    },
    {
        &Viewer::editorKey,
        {7800, 120, 735, 735},
        QColor(255, 192, 255),
        PictureId::Notepad,
        &Viewer::OpenInTextEditor,
        "Abrir en el editor",
        "Abre el texto en el editor de textos del sistema",
    },
    {
        &Viewer::fontSizeKey,
        {9480, 120, 735, 735},
        QColor(255, 255, 192),
        PictureId::FontSize,
        &Viewer::StepFontSize,
        "Tamaño de letra",
        "Cambia el tamaño de la letra del texto",
    },
    {
        &Viewer::deleteKey,
        {120, 7080, 2415, 855},
        QColor(255, 255, 255),
        PictureId::Eraser,
        &Viewer::PressDelete,
        "Borrar el archivo",
        "Borra el archivo elegido en la lista",
    },
    {
        &Viewer::quitKey,
        {11400, 120, 735, 735},
        QColor(255, 255, 255),
        PictureId::Close,
        &Viewer::PressQuit,
        "Salir",
        "Termina el programa",
    },
};
constexpr TwipsRect kReportText = {2640, 960, 9495, 6975};
// The free part of the top strip, left of the keys.
constexpr TwipsRect kWriteFailure = {120, 120, 5640, 735};
constexpr TwipsRect kSavedCopies = {120, 960, 2415, 6030};

// A key on `viewer`'s surface that calls its handler when clicked.
GraphicalButton* CreateButton(ReportViewer* viewer, const ButtonDesign& design) {
  auto* key =
      new GraphicalButton(viewer->Surface(), design.rect, design.face, Picture(design.picture));
  QObject::connect(key, &QAbstractButton::clicked, viewer, design.press);
  NameForAssistiveTechnology(key, design.spokenName, design.description);
  return key;
}

// The client area that makes the whole window, frame included, as large as `ownerRect`.
QSize ClientPixels(const QRect& ownerRect) {
  if (!ownerRect.isValid()) return {TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight)};
  return ownerRect.size() - QSize(2 * kFramePixels, 2 * kFramePixels);
}

}  // namespace

ReportViewer::ReportViewer(std::filesystem::path programDir, const QRect& ownerRect,
                           const std::string& report, Clock clock, QWidget* parent,
                           WriteResult reportSaved, Quit quit)
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
  NameControlsByRole();
  ConnectHandlers();
  PlaceAndShowReport(ownerRect, report);
  ShowWriteResult(QStringLiteral("operacion.txt"), reportSaved);
}

QWidget* ReportViewer::Surface() const {
  return clientArea_;
}

void ReportViewer::CreateControls() {
  reportText = new MultiLineTextBox(clientArea_);
  reportText->Move(kReportText);
  reportText->setFont(ControlFont(QStringLiteral("Courier New"), 12));
  for (const ButtonDesign& design : kKeys) this->*design.key = CreateButton(this, design);
  savedCopies = new FileListBox(clientArea_);
  savedCopies->SetOrder(&ListedBefore);
  savedCopies->Move(kSavedCopies);
  savedCopies->setFont(ControlFont(QStringLiteral("Arial"), 12));
  writeFailure = new Label(clientArea_);
  writeFailure->Move(kWriteFailure);
  writeFailure->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  writeFailure->SetBackColor(QColor(255, 255, 255));
  writeFailure->SetForeColor(QColor(160, 0, 0));
  writeFailure->setFont(ControlFont(QStringLiteral("Arial"), 11, kBold));
  writeFailure->setContentsMargins(6, 0, 6, 0);
  writeFailure->SetVisible(false);
}

void ReportViewer::SetFocusOrder() {
  QWidget* const order[] = {reportText,  saveCopyKey, printKey, editorKey, fontSizeKey,
                            savedCopies, deleteKey,   copyKey,  quitKey};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
  reportText->setFocus();
}

void ReportViewer::ConnectHandlers() {
  // The keys are wired where they are built, each to the handler its design names.
  // The selection, not the current item: the current item also moves when the list merely
  // takes the focus, which must not replace the shown text.
  connect(savedCopies, &QListWidget::itemSelectionChanged, this, &ReportViewer::PickSavedCopy);
}

void ReportViewer::PlaceAndShowReport(const QRect& ownerRect, const std::string& report) {
  if (ownerRect.isValid()) setGeometry(ownerRect);
  viewerFontSize = kOpeningFontSize;
  SetReportFontSize();
  savedCopies->SetPath(SavedOperationsFolder());
  ShowOperationLog(report);
}

void ReportViewer::ShowOperationLog(const std::string& report) {
  reportText->SetText(FromUtf8(report));
}

void ReportViewer::PickSavedCopy() {
  if (const std::optional<std::filesystem::path> file = savedCopies->SelectedFilePath())
    ShowFile(*file);
}

void ReportViewer::ShowFile(const std::filesystem::path& file) {
  // A file that cannot be read leaves the text as it was.
  if (const std::optional<QString> text = ReadTextFile(file)) {
    reportText->SetText(*text);
    shownCopy_ = file;
  }
}

void ReportViewer::SetReportFontSize() {
  QFont font = reportText->font();
  font.setPointSize(viewerFontSize);
  reportText->setFont(font);
}

void ReportViewer::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Cancel)) return;
  QDialog::keyPressEvent(event);
}

std::filesystem::path ReportViewer::OperationLogPath() const {
  return cinta::OperationLogPath(programDir_);
}

std::filesystem::path ReportViewer::SavedOperationsFolder() const {
  return programDir_ / "operaciones";
}

}  // namespace cinta
