// SPDX-License-Identifier: MIT
#include "support/ProgramFolder.h"

#include <QDir>
#include <QFile>

namespace cinta {

QByteArray ShippedNames() {
  return "Suma\r\nResta\r\nMultiplicaci\xF3n\r\nDivisi\xF3n\r\nPotencia\r\nPorcentaje\r\n"
         "Ra\xEDz cuadrada\r\nInverso\r\nRa\xEDz\r\nResto\r\nCociente entero\r\nFactorial\r\n";
}

QByteArray ShippedTooltips() {
  return "Sumar\r\nRestar\r\nMultiplicar\r\nDividir\r\nElevar\r\nPorcentaje\r\nRa\xEDz cuadrada\r\n"
         "Inverso\r\nRa\xEDz x\r\nResto\r\nCociente\r\nFactorial\r\n";
}

ProgramFolder::ProgramFolder() {
  QDir root(folder_.path());
  root.mkdir(QStringLiteral("configuracion"));
  root.mkdir(QStringLiteral("operaciones"));
  WriteConfiguration("inicio.txt", ShippedNames());
  WriteConfiguration("ayuda.txt", ShippedTooltips());
  WriteConfiguration("moneda.txt", QByteArray("\x80\r\n"));
}

std::filesystem::path ProgramFolder::Path() const {
  return std::filesystem::path(QFile::encodeName(folder_.path()).toStdString());
}

void ProgramFolder::WriteConfiguration(const char* name, const QByteArray& bytes) const {
  QFile file(folder_.filePath(QStringLiteral("configuracion/")) + QLatin1String(name));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
    qFatal("cannot write the test configuration %s", name);
}

void ProgramFolder::RemoveConfiguration() const {
  QDir(folder_.filePath(QStringLiteral("configuracion"))).removeRecursively();
}

}  // namespace cinta
