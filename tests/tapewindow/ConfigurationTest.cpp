// SPDX-License-Identifier: MIT
#include <QDir>
#include <QFile>
#include <QTextDocumentFragment>
#include <QtTest>

#include "Suites.h"
#include "support/WindowHarness.h"

namespace cinta {
namespace {

QStringList Tooltips(const TapeWindow& window) {
  QStringList tooltips;
  for (int code = 0; code < kOperatorCount; ++code) tooltips << window.operatorKeys(code).toolTip();
  return tooltips;
}

// What a tooltip shows of its text: Qt reads text that looks like markup as rich text.
QString ShownTooltip(const QString& tooltip) {
  return Qt::mightBeRichText(tooltip) ? QTextDocumentFragment::fromHtml(tooltip).toPlainText()
                                      : tooltip;
}

QStringList Names(const TapeWindow& window) {
  QStringList names;
  for (const std::string& name : window.OperatorNameList()) names << QString::fromStdString(name);
  return names;
}

}  // namespace

// What start-up takes from configuracion/: the operator names, the tooltips of the operator
// keys and the currency sign. The reader's own cases are tested with it; these check that the
// window puts what it read where it belongs, and what only the window shows of it.
class ConfigurationTest : public QObject {
  Q_OBJECT

 private slots:
  void ShippedFilesReachTheirControls() {
    ProgramFolder folder;
    const auto window = OpenWindow(folder);
    QCOMPARE(Tooltips(*window).first(), QStringLiteral("Sumar"));
    QCOMPARE(Tooltips(*window).at(6), QStringLiteral("Raíz cuadrada"));
    QCOMPARE(Names(*window).at(2), QStringLiteral("Multiplicación"));
    QCOMPARE(Names(*window).at(11), QStringLiteral("Factorial"));
    QCOMPARE(window->CurrencySymbol(), std::string("€"));
    // The names reach the report, in its own encoding, and the sign the currency formats.
    PressKeys(*window, "2*3");
    QVERIFY(SaveAndCloseViewer(*window).text.contains("Multiplicación"));
    QFile report(QDir(folder.Path()).filePath("operacion.txt"));
    QVERIFY(report.open(QIODevice::ReadOnly));
    QVERIFY(report.readAll().contains("Multiplicaci\xF3n"));
    PressKeys(*window, "Z");
    QCOMPARE(window->formattedResult->Text(), QStringLiteral("6 €"));
    for (int code = 0; code < kOperatorCount; ++code) {
      QCOMPARE(window->paletteKeys(code).Picture().cacheKey(),
               window->operatorLegend(code).Picture().cacheKey());
    }
  }

  void NoConfigurationFolder() {
    ProgramFolder folder;
    folder.RemoveConfiguration();
    const auto window = OpenWindow(folder);
    // The currency modes then end in the blank before the missing sign.
    PressKeys(*window, "5Z");
    QCOMPARE(window->formattedResult->Text(), QStringLiteral("5 "));
    // The palette gets its pictures all the same.
    QVERIFY(!window->paletteKeys(11).Picture().isNull());
  }

  void TooltipsShowTheirLinesAsWritten_data() {
    QTest::addColumn<QString>("line");
    QTest::newRow("plain") << QStringLiteral("Sumar");
    QTest::newRow("a tag") << QStringLiteral("<b>Sumar</b>");
    QTest::newRow("a whole page") << QStringLiteral("<html><body>Restar</body></html>");
    QTest::newRow("comparisons") << QStringLiteral("x < y & y > z");
    QTest::newRow("an entity") << QStringLiteral("a &amp; b");
    QTest::newRow("spaces kept") << QStringLiteral("  <i>dos</i>   espacios ");
  }
  void TooltipsShowTheirLinesAsWritten() {
    QFETCH(QString, line);
    ProgramFolder folder;
    folder.WriteConfiguration("ayuda.txt", line.toUtf8() + "\r\n");
    const auto window = OpenWindow(folder);
    for (const QString& tooltip : Tooltips(*window)) QCOMPARE(ShownTooltip(tooltip), line);
  }
};

int RunConfigurationTest(int argc, char** argv) {
  ConfigurationTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace cinta

#include "ConfigurationTest.moc"
