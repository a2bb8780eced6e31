// SPDX-License-Identifier: MIT
// The main window's keys: where each stands, how it looks, which keyboard key presses it, what a
// screen reader says for it, where Tab stops on it and which tooltip it shows.
#include "tapewindow/KeyTable.h"

namespace cinta {
namespace {

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kDigitColour = qRgb(192, 255, 192);
constexpr QRgb kFormatColour = qRgb(255, 255, 192);
constexpr QRgb kLightRed = qRgb(255, 128, 128);

// The keypad is a grid of 975 x 975 keys.
constexpr TwipsRect Grid(int column, int row) {
  constexpr int kColumnLefts[] = {240, 1320, 2400, 3480, 4560};
  constexpr int kRowTops[] = {960, 2040, 3120, 4200, 5280, 6360};
  return {kColumnLefts[column], kRowTops[row], 975, 975};
}

// The top strip: every key at Top 120, Height 735.
constexpr TwipsRect Strip(int left, int width) {
  return {left, 120, width, 735};
}

// The palette: four columns and three rows in the order of the codes.
constexpr TwipsRect PalettePlace(OperatorCode code) {
  const int index = static_cast<int>(code);
  return {120 + 480 * (index % 4), 120 + 480 * (index / 4), 375, 375};
}

constexpr KeyFace Pictured(PictureId picture, QRgb colour) {
  return {colour, picture, nullptr, 0};
}
constexpr KeyFace Captioned(const char* caption, double points, QRgb colour) {
  return {colour, std::nullopt, caption, points};
}

constexpr const char* kDigitDescription = "Escribe la cifra en la última fila";

constexpr KeyDeclaration Digit(int digit, TwipsRect place, const char* spokenName) {
  return {.key = DigitKey(digit),
          .place = place,
          .face = Pictured(DigitPicture(digit), kDigitColour),
          .typed = std::u16string_view(u"0123456789").substr(static_cast<std::size_t>(digit), 1),
          .spokenName = spokenName,
          .description = kDigitDescription,
          .tabPlace = 2 + digit};
}

constexpr KeyDeclaration Operator(OperatorCode code, TwipsRect place, std::u16string_view typed,
                                  const char* spokenName, const char* description, int tabPlace) {
  const int index = static_cast<int>(code);
  return {.key = OperatorKey(code),
          .place = place,
          .face = Pictured(OperatorKeyPicture(index), kWhite),
          .typed = typed,
          .spokenName = spokenName,
          .description = description,
          .tabPlace = tabPlace,
          .tooltipLine = index};
}

constexpr KeyDeclaration Format(FormatMode mode, TwipsRect place, KeyFace face,
                                const char* spokenName, const char* description, int tabPlace) {
  return {.key = FormatKey(mode),
          .place = place,
          .face = face,
          .spokenName = spokenName,
          .description = description,
          .tabPlace = tabPlace};
}

// Tab visits the palette's keys in the order of the codes, after the palette itself.
constexpr KeyDeclaration Palette(OperatorCode code, const char* spokenName) {
  return {.key = PaletteKey(code),
          .place = PalettePlace(code),
          .spokenName = spokenName,
          .description = "Pone esta operación en la fila elegida",
          .tabPlace = kOperatorPaletteTabPlace + 1 + static_cast<int>(code)};
}

using enum OperatorCode;
using enum FormatMode;

constexpr std::array<KeyDeclaration, kKeyCount> kKeys = {{
    Digit(0, Grid(3, 3), "Cero"),
    Digit(1, Grid(2, 0), "Uno"),
    Digit(2, Grid(3, 0), "Dos"),
    Digit(3, Grid(4, 0), "Tres"),
    Digit(4, Grid(2, 1), "Cuatro"),
    Digit(5, Grid(3, 1), "Cinco"),
    Digit(6, Grid(4, 1), "Seis"),
    Digit(7, Grid(2, 2), "Siete"),
    Digit(8, Grid(3, 2), "Ocho"),
    Digit(9, Grid(4, 2), "Nueve"),

    Operator(Add, Grid(1, 0), u"+", "Sumar", "Suma el número de la fila siguiente", 12),
    Operator(Subtract, Grid(1, 1), u"-", "Restar", "Resta el número de la fila siguiente", 13),
    Operator(Multiply, Grid(1, 2), u"*", "Multiplicar",
             "Multiplica por el número de la fila siguiente", 14),
    Operator(Divide, Grid(1, 3), u"/", "Dividir", "Divide entre el número de la fila siguiente",
             15),
    Operator(Power, Grid(0, 1), u"^", "Elevar",
             "Eleva a la potencia del número de la fila siguiente", 27),
    Operator(Percent, Grid(0, 0), u"%", "Porcentaje",
             "Calcula el porcentaje del número de la fila siguiente", 28),
    Operator(SquareRoot, Grid(0, 2), u"", "Raíz cuadrada", "Saca la raíz cuadrada del total", 29),
    Operator(Reciprocal, Grid(0, 4), u"", "Inverso", "Calcula uno entre el total", 30),
    Operator(Root, Grid(0, 3), u"", "Raíz x",
             "Saca la raíz de índice igual al número de la fila siguiente", 31),
    Operator(Remainder, Grid(1, 4), u"", "Resto",
             "Deja el resto de dividir entre el número de la fila siguiente", 33),
    Operator(IntegerQuotient, Grid(2, 4), u"", "Cociente entero",
             "Deja el cociente entero de dividir entre el número de la fila siguiente", 34),
    Operator(Factorial, Grid(3, 4), u"", "Factorial", "Calcula el factorial del total", 37),

    Format(TwoDecimals, Grid(4, 5), Captioned(",00", 18, kFormatColour), "Dos decimales",
           "Muestra la cinta con dos decimales", 23),
    Format(EditView, Grid(0, 5), Pictured(PictureId::EditView, kFormatColour), "Vista de edición",
           "Vuelve a la vista en la que se escriben los números", 24),
    Format(TwoDecimalsWithCurrency, Grid(2, 5), Captioned(",00$", 14.25, kFormatColour),
           "Dos decimales y moneda", "Muestra la cinta con dos decimales y el signo de moneda", 35),
    Format(NoDecimals, Grid(3, 5), Captioned("Z", 24, kFormatColour), "Sin decimales",
           "Muestra la cinta sin decimales", 36),
    Format(NoDecimalsWithCurrency, Grid(1, 5), Captioned("Z$", 18, kFormatColour),
           "Sin decimales y moneda", "Muestra la cinta sin decimales y con el signo de moneda", 39),

    Palette(Add, "Sumar"),
    Palette(Subtract, "Restar"),
    Palette(Multiply, "Multiplicar"),
    Palette(Divide, "Dividir"),
    Palette(Power, "Elevar"),
    Palette(Percent, "Porcentaje"),
    Palette(SquareRoot, "Raíz cuadrada"),
    Palette(Reciprocal, "Inverso"),
    Palette(Root, "Raíz x"),
    Palette(Remainder, "Resto"),
    Palette(IntegerQuotient, "Cociente entero"),
    Palette(Factorial, "Factorial"),

    {.key = Key::Decimal,
     .place = Grid(4, 3),
     .face = Captioned(",", 24, kWhite),
     .typed = u",.",
     .spokenName = "Coma decimal",
     .description = "Escribe el separador decimal",
     .tabPlace = 17},
    {.key = Key::Equals,
     .place = Grid(4, 4),
     .face = Captioned("=", 24, kWhite),
     .typed = u"=",
     .named = {Qt::Key_Return, Qt::Key_Enter},
     .spokenName = "Igual",
     .description = "Calcula la cinta entera",
     .tabPlace = 18},
    {.key = Key::Backspace,
     .place = Strip(3960, 735),
     .face = Pictured(PictureId::Backspace, kLightRed),
     .named = {Qt::Key_Backspace, kNoNamedKey},
     .spokenName = "Retroceso",
     .description = "Borra la última cifra de la última fila",
     .tabPlace = 25},
    {.key = Key::Sign,
     .place = Grid(2, 3),
     .face = Captioned("+/-", 24, kWhite),
     .spokenName = "Cambiar el signo",
     .description = "Pone un signo menos delante del número",
     .tabPlace = 26},
    {.key = Key::Clear,
     .place = Strip(3120, 735),
     .face = Pictured(PictureId::Clear, qRgb(255, 0, 0)),
     .named = {Qt::Key_Escape, kNoNamedKey},
     .spokenName = "Borrar todo",
     .description = "Guarda el resultado en la lista y empieza una cinta nueva",
     .tabPlace = 21},
    {.key = Key::ClearEntry,
     .place = Strip(2280, 735),
     .face = Pictured(PictureId::ClearEntry, kLightRed),
     .named = {Qt::Key_Delete, kNoNamedKey},
     .spokenName = "Borrar última fila",
     .description = "Quita la última fila de la cinta",
     .tabPlace = 40},
    {.key = Key::ScrollUp,
     .place = {11520, 1200, 615, 3015},
     .face = Pictured(PictureId::ScrollUp, qRgb(0, 255, 0)),
     .spokenName = "Subir",
     .description = "Desplaza la cinta una fila hacia arriba",
     .tabPlace = 19},
    {.key = Key::ScrollDown,
     .place = {11520, 4200, 615, 3015},
     .face = Pictured(PictureId::ScrollDown, qRgb(255, 255, 0)),
     .spokenName = "Bajar",
     .description = "Desplaza la cinta una fila hacia abajo",
     .tabPlace = 20},
    {.key = Key::Save,
     .place = Strip(240, 1935),
     .face = Pictured(PictureId::Camera, kWhite),
     .shortcut = QKeySequence::Save,
     .spokenName = "Guardar la operación",
     .description = "Guarda la cinta en un informe y lo muestra",
     .tabPlace = 32},
    {.key = Key::ClearResults,
     .place = {10680, 360, 1455, 735},
     .face = Pictured(PictureId::Eraser, kWhite),
     .spokenName = "Vaciar resultados anteriores",
     .description = "Borra la lista de resultados anteriores",
     .tabPlace = 38},
    {.key = Key::Quit,
     .place = Strip(4800, 735),
     .face = Pictured(PictureId::Close, kWhite),
     .spokenName = "Cerrar",
     .description = "Termina el programa",
     .tabPlace = 54},
}};

// Each declaration stands at its key's place, so DeclarationOf finds it by index.
static_assert([] {
  for (int index = 0; index < kKeyCount; ++index) {
    if (static_cast<int>(kKeys[static_cast<std::size_t>(index)].key) != index) return false;
  }
  return true;
}());

// Tab visits every stop once, in one order.
static_assert([] {
  std::array<bool, 64> taken{};
  for (const int place : {kTapeTabPlace, kRowEditorTabPlace, kResultBoxTabPlace,
                          kPreviousResultsTabPlace, kOperatorPaletteTabPlace})
    taken[static_cast<std::size_t>(place)] = true;
  for (const KeyDeclaration& key : kKeys) {
    auto& place = taken[static_cast<std::size_t>(key.tabPlace)];
    if (place) return false;
    place = true;
  }
  return true;
}());

}  // namespace

std::span<const KeyDeclaration, kKeyCount> KeyDeclarations() {
  return kKeys;
}

}  // namespace cinta
