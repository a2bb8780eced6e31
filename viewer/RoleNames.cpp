// SPDX-License-Identifier: MIT
#include "controls/RoleNames.h"

#include "viewer/ReportViewer.h"

namespace cinta {

void ReportViewer::NameControlsByRole() {
  NameByRole(actionKeys, "actionKeys");
  NameByRole(reportText, "reportText");
  NameByRole(savedCopies, "savedCopies");
  NameByRole(deleteKey, "deleteKey");
  NameByRole(quitKey, "quitKey");
  NameByRole(writeFailure, "writeFailure");
}

}  // namespace cinta
