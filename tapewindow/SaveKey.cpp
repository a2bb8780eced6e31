// SPDX-License-Identifier: MIT
// The save key: the tape as a column-aligned report in operacion.txt, then the viewer over it,
// told whether the report could be written.
#include <string>

#include "oplog/TapeReport.h"
#include "oplog/WriteReport.h"
#include "tapewindow/TapeWindow.h"
#include "textfile/Windows1252.h"
#include "viewer/ShowViewer.h"

namespace cinta {

std::string TapeWindow::ReportOfTape() {
  // In the formatted view the captions are formatted afresh first; in the edit view nothing
  // changes and the step keeps nothing.
  const TapeSession::Step step(session_, StepKind::View);
  session_.Press(Key::Save);
  return BuildTapeReport(session_.Tape(), operatorNames);
}

void TapeWindow::PressSave() {
  const std::string report = ReportOfTape();
  // The viewer is handed the report in memory rather than reading the file back: whether or not
  // it could be written, and however large, it shows this tape's report, never an older file or
  // an empty box.
  const WriteResult saved = WriteReport(programDir_, report);
  session_.SaveEnded(static_cast<bool>(saved));
  ShowViewer(this, programDir_, DecodeWindows1252(report), saved, [this] { EndProgram(); });
}

}  // namespace cinta
