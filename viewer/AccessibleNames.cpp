// SPDX-License-Identifier: MIT
// Spoken names and descriptions of the viewer's keys, whose faces are pictures.
#include "controls/AccessibleName.h"
#include "viewer/ReportViewer.h"

namespace cinta {
namespace {

constexpr auto Name = NameForAssistiveTechnology;

}  // namespace

void ReportViewer::NameControlsForAssistiveTechnology() {
  Name(&actionKeys(0), "Guardar una copia",
       "Guarda el texto en operaciones con la fecha y la hora");
  Name(&actionKeys(1), "Copiar", "Copia el texto al portapapeles");
  Name(&actionKeys(2), "Imprimir", "Imprime el texto en la impresora predeterminada");
  Name(&actionKeys(3), "Abrir en el editor", "Abre el texto en el editor de textos del sistema");
  Name(&actionKeys(4), "Tamaño de letra", "Cambia el tamaño de la letra del texto");
  Name(deleteKey, "Borrar el archivo", "Borra el archivo elegido en la lista");
  Name(quitKey, "Salir", "Termina el programa");
  Name(savedCopies, "Operaciones guardadas", "Elija un archivo para ver su texto");
  Name(reportText, "Operación", "El informe de la operación");
}

}  // namespace cinta
