// SPDX-License-Identifier: MIT
// Spoken names and descriptions of the viewer's keys, whose faces are pictures.
#include "controls/AccessibleName.h"
#include "viewer/ReportViewer.h"

namespace cinta {
namespace {

constexpr auto Name = NameForAssistiveTechnology;

}  // namespace

void ReportViewer::NameControlsForAssistiveTechnology() {
  Name(saveCopyKey, "Guardar una copia", "Guarda el texto en operaciones con la fecha y la hora");
  Name(copyKey, "Copiar", "Copia el texto al portapapeles");
  Name(printKey, "Imprimir", "Imprime el texto en la impresora predeterminada");
  Name(editorKey, "Abrir en el editor", "Abre el texto en el editor de textos del sistema");
  Name(fontSizeKey, "Tamaño de letra", "Cambia el tamaño de la letra del texto");
  Name(deleteKey, "Borrar el archivo", "Borra el archivo elegido en la lista");
  Name(quitKey, "Salir", "Termina el programa");
  Name(savedCopies, "Operaciones guardadas", "Elija un archivo para ver su texto");
  Name(reportText, "Operación", "El informe de la operación");
}

}  // namespace cinta
