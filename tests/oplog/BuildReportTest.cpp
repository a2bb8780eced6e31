// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "oplog/BuildReport.h"

namespace cinta {
namespace {

OperatorNames SampleNames() {
  OperatorNames names;
  names[0] = "OPA";
  names[2] = "OPBBB";
  return names;
}

OperatorNames NamesWith(std::size_t index, const std::string& name) {
  OperatorNames names;
  names[index] = name;
  return names;
}

struct ReportCase {
  const char* name;
  std::vector<ReportRow> rows;
  std::string result;
  ReportView view;
  OperatorNames names;
  std::string expected;
};

const ReportCase kReportCases[] = {
    {"WorkedExampleEditView",
     {{"", "12.5"}, {"0", "3"}, {"2", "1250.75"}},
     "1266.25",
     ReportView::Edit,
     SampleNames(),
     "\r\n"
     " 1 )                    12.5\r\n"
     " 2 ) OPA                 3\r\n"
     " 3 ) OPBBB            1250.75\r\n"
     "\r\n"
     "------------------------------\r\n"
     "                   1266.25\r\n"},
    {"WorkedExampleFormattedView",
     {{"", "12,50"}, {"0", "3,00"}, {"2", "1.250,75"}},
     "1.266,25",
     ReportView::Formatted,
     SampleNames(),
     "\r\n"
     " 1 )                 12,50\r\n"
     " 2 ) OPA              3,00\r\n"
     " 3 ) OPBBB        1.250,75\r\n"
     "\r\n"
     "------------------------------\r\n"
     "                  1.266,25\r\n"},
    {"OneRowIsFiveLines",
     {{"", "7"}},
     "7",
     ReportView::Edit,
     SampleNames(),
     "\r\n"
     " 1 )                     7\r\n"
     "\r\n"
     "------------------------------\r\n"
     "                         7\r\n"},
    {"FirstRowCodeIsNotRead",
     {{"x", "7"}},
     "7",
     ReportView::Edit,
     SampleNames(),
     "\r\n"
     " 1 )                     7\r\n"
     "\r\n"
     "------------------------------\r\n"
     "                         7\r\n"},
    {"EmptyEntryFillsToColumn26",
     {{"", "12"}, {"0", ""}},
     "12",
     ReportView::Edit,
     SampleNames(),
     "\r\n"
     " 1 )                    12\r\n"
     " 2 ) OPA                  \r\n"
     "\r\n"
     "------------------------------\r\n"
     "                        12\r\n"},
    {"LeadingPointStandsInColumn27",
     {{"", ".5"}},
     ".5",
     ReportView::Edit,
     SampleNames(),
     "\r\n"
     " 1 )                      .5\r\n"
     "\r\n"
     "------------------------------\r\n"
     "                        .5\r\n"},
    {"NegativeWithPointBeginsInColumn25",
     {{"", "-3.25"}},
     "-3.25",
     ReportView::Edit,
     SampleNames(),
     "\r\n"
     " 1 )                    -3.25\r\n"
     "\r\n"
     "------------------------------\r\n"
     "                     -3.25\r\n"},
    {"TypedCommaInResultStandsInColumn27",
     {{"", "12"}},
     "12,5",
     ReportView::Edit,
     SampleNames(),
     "\r\n"
     " 1 )                    12\r\n"
     "\r\n"
     "------------------------------\r\n"
     "                        12,5\r\n"},
    {"FirstPointAlignsInEditView",
     {{"", "1.2.3"}},
     "ERROR",
     ReportView::Edit,
     SampleNames(),
     "\r\n"
     " 1 )                     1.2.3\r\n"
     "\r\n"
     "------------------------------\r\n"
     "                     ERROR\r\n"},
    {"PointDoesNotAlignInFormattedView",
     {{"", "1.5"}},
     "1,5",
     ReportView::Formatted,
     SampleNames(),
     "\r\n"
     " 1 )                   1.5\r\n"
     "\r\n"
     "------------------------------\r\n"
     "                       1,5\r\n"},
    {"NameEndingAtColumn25KeepsValueOnLine",
     {{"", "1"}, {"1", "5"}},
     "6",
     ReportView::Edit,
     NamesWith(1, "ABCDEFGHIJKLMNOPQRST"),
     "\r\n"
     " 1 )                     1\r\n"
     " 2 ) ABCDEFGHIJKLMNOPQRST5\r\n"
     "\r\n"
     "------------------------------\r\n"
     "                         6\r\n"},
    {"NamePastValueColumnMovesValueToNextLine",
     {{"", "1"}, {"1", "5"}},
     "6",
     ReportView::Edit,
     NamesWith(1, "ABCDEFGHIJKLMNOPQRSTU"),
     "\r\n"
     " 1 )                     1\r\n"
     " 2 ) ABCDEFGHIJKLMNOPQRSTU\r\n"
     "                         5\r\n"
     "\r\n"
     "------------------------------\r\n"
     "                         6\r\n"},
    {"NonAsciiCharactersTakeOneColumn",
     {{"", "1.250,75 €"}, {"2", "2,00 €"}},
     "2.501,50 €",
     ReportView::Formatted,
     NamesWith(2, "Multiplicación"),
     "\r\n"
     " 1 )            1.250,75 \x80\r\n"
     " 2 ) Multiplicaci\xF3n 2,00 \x80\r\n"
     "\r\n"
     "------------------------------\r\n"
     "                2.501,50 \x80\r\n"},
    {"CharacterWithoutByteBecomesQuestionMark",
     {{"", "1\u202F000"}},
     "1\u202F000",
     ReportView::Formatted,
     SampleNames(),
     "\r\n"
     " 1 )                 1?000\r\n"
     "\r\n"
     "------------------------------\r\n"
     "                     1?000\r\n"},
    {"FormattedValueOf22CharactersFollowsLabel",
     {{"", "1.234.567.890.123,45 €"}},
     "0,00 €",
     ReportView::Formatted,
     SampleNames(),
     "\r\n"
     " 1 )1.234.567.890.123,45 \x80\r\n"
     "\r\n"
     "------------------------------\r\n"
     "                    0,00 \x80\r\n"},
    {"FormattedValueOf27CharactersStartsNewLineInColumn1",
     {{"", "12.345.678.901.234.567,89 €"}},
     "12.345.678.901.234.567,89 €",
     ReportView::Formatted,
     SampleNames(),
     "\r\n"
     " 1 )\r\n"
     "12.345.678.901.234.567,89 \x80\r\n"
     "\r\n"
     "------------------------------\r\n"
     "12.345.678.901.234.567,89 \x80\r\n"},
    {"UnreadableCodeLeavesRowOutAndKeepsNumbering",
     {{"", "1"}, {"x", "2"}, {"2", "3"}},
     "4",
     ReportView::Edit,
     SampleNames(),
     "\r\n"
     " 1 )                     1\r\n"
     " 3 ) OPBBB               3\r\n"
     "\r\n"
     "------------------------------\r\n"
     "                         4\r\n"},
    {"CodeTwelveAndMissingNamesWriteOnlyTheFill",
     {{"", "1"}, {"0", "2"}, {"12", "3"}},
     "3",
     ReportView::Edit,
     OperatorNames(),
     "\r\n"
     " 1 )                     1\r\n"
     " 2 )                     2\r\n"
     " 3 )                     3\r\n"
     "\r\n"
     "------------------------------\r\n"
     "                         3\r\n"},
    // A configuration file with LF line ends gives the first name all of its lines.
    {"LineFeedsInANameBecomeSpaces",
     {{"", "1"}, {"0", "2"}},
     "3",
     ReportView::Edit,
     NamesWith(0, "MAS\nMENOS\n"),
     "\r\n"
     " 1 )                     1\r\n"
     " 2 ) MAS MENOS           2\r\n"
     "\r\n"
     "------------------------------\r\n"
     "                         3\r\n"},
    // A currency file that starts with its line end makes CR the sign of the formatted texts.
    {"CarriageReturnsInValuesAndResultBecomeSpaces",
     {{"", "1,00 \r"}, {"0", "2,00 \r"}},
     "3,00 \r\n",
     ReportView::Formatted,
     SampleNames(),
     "\r\n"
     " 1 )                1,00  \r\n"
     " 2 ) OPA            2,00  \r\n"
     "\r\n"
     "------------------------------\r\n"
     "                   3,00   \r\n"},
};

TEST(BuildReport, WritesTheColumnAlignedReport) {
  for (const ReportCase& c : kReportCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(BuildReport(c.rows, c.result, c.view, c.names), c.expected);
  }
}

struct CodeCase {
  const char* caption;
  const char* line;  // the line of row 2, empty when the row is left out
};

const CodeCase kCodeCases[] = {
    {"0", " 2 ) OPA                 5\r\n"},
    {"2", " 2 ) OPBBB               5\r\n"},
    {"11", " 2 ) ONCE                5\r\n"},
    {"02", " 2 ) OPBBB               5\r\n"},
    {"12", " 2 )                     5\r\n"},
    {"012", " 2 )                     5\r\n"},
    {"1", " 2 )                     5\r\n"},
    {"", ""},
    {"13", ""},
    {"99999999999999999999999", ""},
    {" 2", ""},
    {"2 ", ""},
    {"+2", ""},
    {"-0", ""},
    {"2.0", ""},
    {"x", ""},
};

TEST(BuildReport, ReadsTheCodeAsDecimalDigitsUpToTwelve) {
  OperatorNames names = SampleNames();
  names[11] = "ONCE";
  for (const CodeCase& c : kCodeCases) {
    SCOPED_TRACE(std::string("caption \"") + c.caption + "\"");
    const std::vector<ReportRow> rows = {{"", "1"}, {c.caption, "5"}};
    EXPECT_EQ(BuildReport(rows, "6", ReportView::Edit, names),
              std::string("\r\n"
                          " 1 )                     1\r\n") +
                  c.line +
                  "\r\n"
                  "------------------------------\r\n"
                  "                         6\r\n");
  }
}

std::vector<ReportRow> RowsOfOnes(std::size_t count) {
  std::vector<ReportRow> rows(count, ReportRow{"0", "1"});
  rows[0].operatorCode.clear();
  return rows;
}

TEST(BuildReport, LongLabelsPushTheName) {
  const std::string report = BuildReport(RowsOfOnes(100), "100", ReportView::Edit, SampleNames());
  // Row 10's label ends in column 5, so its name follows ")" at once.
  EXPECT_NE(report.find("\r\n 9 ) OPA                 1\r\n"
                        " 10 )OPA                 1\r\n"),
            std::string::npos);
  // Row 100's label runs into column 6: the name and value go to a new line after 5 spaces.
  EXPECT_TRUE(
      report.ends_with("\r\n 99 )OPA                 1\r\n"
                       " 100 )\r\n"
                       "     OPA                 1\r\n"
                       "\r\n"
                       "------------------------------\r\n"
                       "                       100\r\n"));
  EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 100 + 5);
}

TEST(BuildReport, LastRowOfAFullTapeIsNumbered32768) {
  const std::string report =
      BuildReport(RowsOfOnes(32768), "32768", ReportView::Formatted, SampleNames());
  EXPECT_NE(report.find("\r\n 32768 )\r\n     OPA                 1\r\n\r\n"), std::string::npos);
  EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 32768 + 4 + (32768 - 99));
}

}  // namespace
}  // namespace cinta
