// SPDX-License-Identifier: MIT
#include "support/NamedSuites.h"

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace cinta {

int RunNamedSuite(int argc, char** argv, std::span<const NamedSuite> suites) {
  // Qt takes its own options out of the arguments first, so the suite's name may follow them.
  QApplication application(argc, argv);
  const std::string_view name = argc > 1 ? argv[1] : "";
  const auto suite = std::ranges::find(suites, name, &NamedSuite::name);
  if (suite == suites.end()) {
    std::fprintf(stderr, "usage: %s SUITE [QTest options]; the suites are:", argv[0]);
    for (const NamedSuite& each : suites)
      std::fprintf(stderr, " %.*s", static_cast<int>(each.name.size()), each.name.data());
    std::fprintf(stderr, "\n");
    return 2;
  }
  std::vector<char*> arguments{argv[0]};
  arguments.insert(arguments.end(), argv + 2, argv + argc);
  return suite->run(static_cast<int>(arguments.size()), arguments.data()) == 0 ? 0 : 1;
}

}  // namespace cinta
