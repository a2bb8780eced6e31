// SPDX-License-Identifier: MIT
// Spoken names and descriptions of the keys, whose faces are pictures a screen reader cannot read.
#include "Form1/AccessibleNames.h"

#include "Form1/Form1.h"
#include "controls/AccessibleName.h"

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

void Form1::NameControlsForAssistiveTechnology() {
  for (int digit = 0; digit < Command2.Count(); ++digit) {
    Name(&Command2(digit), kDigitNames[digit], "Escribe la cifra en la última fila");
  }
  for (int code = 0; code < Command3.Count(); ++code) {
    Name(&Command3(code), kOperators[code].name, kOperators[code].description);
    Name(&Command14(code), kOperators[code].name, "Pone esta operación en la fila elegida");
  }
  for (int mode = 0; mode < Command8.Count(); ++mode) {
    Name(&Command8(mode), kFormats[mode].name, kFormats[mode].description);
  }
  Name(Command11, "Guardar la operación", "Guarda la cinta en un informe y lo muestra");
  Name(&Command7(0), "Borrar todo", "Guarda el resultado en la lista y empieza una cinta nueva");
  Name(&Command7(1), "Borrar última fila", "Quita la última fila de la cinta");
  Name(Command9, "Retroceso", "Borra la última cifra de la última fila");
  Name(Command15, "Cerrar", "Termina el programa");
  Name(Command10, "Cambiar el signo", "Pone un signo menos delante del número");
  Name(Command4, "Coma decimal", "Escribe el separador decimal");
  Name(Command5, "Igual", "Calcula la cinta entera");
  Name(Command12, "Vaciar resultados anteriores", "Borra la lista de resultados anteriores");
  Name(&Command6(0), "Subir", "Desplaza la cinta una fila hacia arriba");
  Name(&Command6(1), "Bajar", "Desplaza la cinta una fila hacia abajo");
  Name(Image2, "Acerca de Cinta", "Muestra u oculta los datos del programa");
  Name(Combo1, "Resultados anteriores", "Elija un resultado para ponerlo en la última fila");
  Name(Text2, "Resultado", "El total de la cinta");
  Name(Label3, "Resultado", "El total de la cinta con formato");
  Name(Picture1, "Cinta", "Las filas de la operación, de arriba abajo");
  Name(Picture4, "Operaciones", "Elija la operación de la fila");
}

}  // namespace cinta
