// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "calc/FigureColumn.h"

namespace cinta {
namespace {

std::string Joined(const std::vector<std::string>& figures) {
  std::string joined;
  for (const std::string& figure : figures) joined += (joined.empty() ? "" : "|") + figure;
  return joined;
}

// Columns as spreadsheets, statements and e-mails give them: text in, the rows' figures out.
TEST(FigureColumn, ReadsTheLastFigureOfEachLine) {
  struct Case {
    const char* text;
    const char* figures;
  };
  const std::string tooLong(65, '9');
  const Case cases[] = {
      {"1.234,56\n1,234.56\n1 234,56\n1\u00a0234,56\n1\u202f234,56",
       "1234.56|1234.56|1234.56|"
       "1234.56|1234.56"},
      {"1234,5\r\n1234.5\r\n-12,50\r\n12,50-\r\n(1.234,56)",
       "1234.5|1234.5|-12.50|-12.50|-1234.56"},
      {"\u20ac 5\n5 \u20ac\n$5\nEUR 5\n5 USD\nBs. 5\nS/ 5\n15%", "5|5|5|5|5|5|5|15"},
      // The marks are decided for the whole paste.
      {"1,234.56\n2,000", "1234.56|2000"},
      {"1.234\n12,5", "1234|12.5"},
      {"1.234\n2.000", "1234|2000"},
      {"1,500\n2,5\n3.25", "1.500|2.5|3.25"},
      // The last figure of a line, of its last cell that has one.
      {"Factura 17   1.234,56", "1234.56"},
      {"Enero\t100\t200\nFebrero\t300\t", "200|300"},
      {"2024-01-05;Compra;-45,30;", "-45.30"},
      {"\"1.234,56\";\"Pagado\"", "1234.56"},
      {"Pago 12345 678", "678"},
      {"Total: 1.234,56 EUR", "1234.56"},
      {"Saldo -1.234,56 pagado", "-1234.56"},
      // Lines without a figure give no row.
      {"Extracto\n\n12\nSin importe\n\r\n3", "12|3"},
      {"", ""},
      {"1e5 FAC2024", ""},
      {tooLong.c_str(), ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(Joined(ReadFigureColumn(c.text)), c.figures);
  }
}

}  // namespace
}  // namespace cinta
