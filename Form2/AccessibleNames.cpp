// SPDX-License-Identifier: MIT
// Spoken names and descriptions of the viewer's keys, whose faces are pictures.
#include "Form2/Form2.h"
#include "controls/AccessibleName.h"

namespace cinta {
namespace {

constexpr auto Name = NameForAssistiveTechnology;

}  // namespace

void Form2::NameControlsForAssistiveTechnology() {
  Name(&Command1(0), "Guardar una copia", "Guarda el texto en operaciones con la fecha y la hora");
  Name(&Command1(1), "Copiar", "Copia el texto al portapapeles");
  Name(&Command1(2), "Imprimir", "Imprime el texto en la impresora predeterminada");
  Name(&Command1(3), "Abrir en el editor", "Abre el texto en el editor de textos del sistema");
  Name(&Command1(4), "Tamaño de letra", "Cambia el tamaño de la letra del texto");
  Name(Command2, "Borrar el archivo", "Borra el archivo elegido en la lista");
  Name(Command3, "Salir", "Termina el programa");
  Name(File1, "Operaciones guardadas", "Elija un archivo para ver su texto");
  Name(Text1, "Operación", "El informe de la operación");
}

}  // namespace cinta
