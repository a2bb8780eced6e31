// SPDX-License-Identifier: MIT
// Spoken names and descriptions of the keys, whose faces are pictures a screen reader cannot read.
#include "tapewindow/AccessibleNames.h"

#include "controls/AccessibleName.h"
#include "tapewindow/TapeWindow.h"

namespace cinta {
namespace {

struct Spoken {
  const char* name;
  const char* description;
};

constexpr const char* kDigitNames[] = {"Cero",  "Uno",  "Dos",   "Tres", "Cuatro",
                                       "Cinco", "Seis", "Siete", "Ocho", "Nueve"};

// Indexed by the operator code.
constexpr Spoken kOperators[] = {
    {"Sumar", "Suma el número de la fila siguiente"},
    {"Restar", "Resta el número de la fila siguiente"},
    {"Multiplicar", "Multiplica por el número de la fila siguiente"},
    {"Dividir", "Divide entre el número de la fila siguiente"},
    {"Elevar", "Eleva a la potencia del número de la fila siguiente"},
    {"Porcentaje", "Calcula el porcentaje del número de la fila siguiente"},
    {"Raíz cuadrada", "Saca la raíz cuadrada del total"},
    {"Inverso", "Calcula uno entre el total"},
    {"Raíz x", "Saca la raíz de índice igual al número de la fila siguiente"},
    {"Resto", "Deja el resto de dividir entre el número de la fila siguiente"},
    {"Cociente entero", "Deja el cociente entero de dividir entre el número de la fila siguiente"},
    {"Factorial", "Calcula el factorial del total"},
};

// Indexed by the format mode.
constexpr Spoken kFormats[] = {
    {"Dos decimales", "Muestra la cinta con dos decimales"},
    {"Vista de edición", "Vuelve a la vista en la que se escriben los números"},
    {"Dos decimales y moneda", "Muestra la cinta con dos decimales y el signo de moneda"},
    {"Sin decimales", "Muestra la cinta sin decimales"},
    {"Sin decimales y moneda", "Muestra la cinta sin decimales y con el signo de moneda"},
};

constexpr auto Name = NameForAssistiveTechnology;

}  // namespace

QString SpokenOperatorName(int code) {
  return QString::fromUtf8(kOperators[code].name);
}

void TapeWindow::NameControlsForAssistiveTechnology() {
  for (int digit = 0; digit < digitKeys.Count(); ++digit) {
    Name(&digitKeys(digit), kDigitNames[digit], "Escribe la cifra en la última fila");
  }
  for (int code = 0; code < operatorKeys.Count(); ++code) {
    Name(&operatorKeys(code), kOperators[code].name, kOperators[code].description);
    Name(&paletteKeys(code), kOperators[code].name, "Pone esta operación en la fila elegida");
  }
  for (int mode = 0; mode < formatKeys.Count(); ++mode) {
    Name(&formatKeys(mode), kFormats[mode].name, kFormats[mode].description);
  }
  Name(saveKey, "Guardar la operación", "Guarda la cinta en un informe y lo muestra");
  Name(&clearKeys(0), "Borrar todo", "Guarda el resultado en la lista y empieza una cinta nueva");
  Name(&clearKeys(1), "Borrar última fila", "Quita la última fila de la cinta");
  Name(backspaceKey, "Retroceso", "Borra la última cifra de la última fila");
  Name(quitKey, "Cerrar", "Termina el programa");
  Name(signKey, "Cambiar el signo", "Pone un signo menos delante del número");
  Name(decimalKey, "Coma decimal", "Escribe el separador decimal");
  Name(equalsKey, "Igual", "Calcula la cinta entera");
  Name(clearResultsKey, "Vaciar resultados anteriores", "Borra la lista de resultados anteriores");
  Name(&scrollKeys(0), "Subir", "Desplaza la cinta una fila hacia arriba");
  Name(&scrollKeys(1), "Bajar", "Desplaza la cinta una fila hacia abajo");
  Name(aboutImage, "Acerca de Cinta", "Muestra u oculta los datos del programa");
  Name(previousResults, "Resultados anteriores",
       "Elija un resultado para ponerlo en la última fila");
  Name(resultBox, "Resultado", "El total de la cinta");
  Name(formattedResult, "Resultado", "El total de la cinta con formato");
  Name(tapeView, "Cinta", "Las filas de la operación, de arriba abajo");
  Name(operatorPalette, "Operaciones", "Elija la operación de la fila");
}

}  // namespace cinta
