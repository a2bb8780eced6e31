// SPDX-License-Identifier: MIT
// Spoken names and descriptions of the controls, whose faces are pictures a screen reader cannot
// read; the keys' come from their declarations.
#include "tapewindow/AccessibleNames.h"

#include "controls/AccessibleName.h"
#include "tapewindow/KeyTable.h"
#include "tapewindow/TapeWindow.h"

namespace cinta {
namespace {

constexpr auto Name = NameForAssistiveTechnology;

}  // namespace

QString SpokenOperatorName(OperatorCode code) {
  return QString::fromUtf8(DeclarationOf(OperatorKey(code)).spokenName);
}

void TapeWindow::NameControlsForAssistiveTechnology() {
  for (const KeyDeclaration& key : KeyDeclarations())
    Name(KeyButton(key.key), key.spokenName, key.description);
  Name(aboutImage, "Acerca de Cinta", "Muestra u oculta los datos del programa");
  Name(previousResults, "Resultados anteriores",
       "Elija un resultado para ponerlo en la última fila");
  Name(resultBox, "Resultado", "El total de la cinta");
  Name(formattedResult, "Resultado", "El total de la cinta con formato");
  Name(tapeView, "Cinta", "Las filas de la operación, de arriba abajo");
  Name(operatorPalette, "Operaciones", "Elija la operación de la fila");
}

}  // namespace cinta
