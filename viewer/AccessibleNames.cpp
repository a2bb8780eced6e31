// SPDX-License-Identifier: MIT
// Spoken names and descriptions of the viewer's text and list; each key's are in its design.
#include "controls/AccessibleName.h"
#include "viewer/ReportViewer.h"

namespace cinta {
namespace {

constexpr auto Name = NameForAssistiveTechnology;

}  // namespace

void ReportViewer::NameControlsForAssistiveTechnology() {
  Name(savedCopies, "Operaciones guardadas", "Elija un archivo para ver su texto");
  Name(reportText, "Operación", "El informe de la operación");
}

}  // namespace cinta
