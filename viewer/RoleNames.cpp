// SPDX-License-Identifier: MIT
#include "controls/RoleNames.h"

#include "viewer/ReportViewer.h"

namespace cinta {

void ReportViewer::NameControlsByRole() {
  NameByRole(saveCopyKey, "saveCopyKey");
  NameByRole(copyKey, "copyKey");
  NameByRole(printKey, "printKey");
  NameByRole(editorKey, "editorKey");
  NameByRole(fontSizeKey, "fontSizeKey");
  NameByRole(reportText, "reportText");
  NameByRole(savedCopies, "savedCopies");
  NameByRole(deleteKey, "deleteKey");
  NameByRole(quitKey, "quitKey");
  NameByRole(writeFailure, "writeFailure");
}

}  // namespace cinta
