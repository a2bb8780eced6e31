// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QTemporaryDir>
#include <filesystem>

namespace cinta {

// A temporary program folder for one window: configuracion/ with the three files in the shipped
// form (the shipped operator names, short sample tooltips, the euro sign; Windows-1252, CR LF),
// and an empty operaciones/. Tests rewrite or remove what they need.
class ProgramFolder {
 public:
  ProgramFolder();

  std::filesystem::path Path() const;
  // Replaces configuracion/`name` with exactly `bytes`.
  void WriteConfiguration(const char* name, const QByteArray& bytes) const;
  void RemoveConfiguration() const;

 private:
  QTemporaryDir folder_;
};

// The twelve operator names and sample tooltips that ProgramFolder writes, line k for operator
// code k.
QByteArray ShippedNames();
QByteArray ShippedTooltips();

}  // namespace cinta
