// SPDX-License-Identifier: MIT
// Printing the shown text, checked on a PDF printer through the text pdftotext finds in it.
#include <QApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include "Suites.h"
#include "support/ViewerFolder.h"

namespace cinta {
namespace {

// A printer that writes the PDF file `pdf`, standing in for the default printer.
ReportViewer::PrinterSource PdfPrinter(const QString& pdf) {
  return [pdf] {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdf);
    return printer;
  };
}

// The printed lines without blank ones, and the number of pages.
struct PrintedText {
  QStringList lines;
  qsizetype pages = 0;
};

PrintedText ExtractText(const QString& pdf) {
  QProcess extract;
  extract.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  if (!extract.waitForFinished() || extract.exitCode() != 0) return {};
  const QString text = QString::fromUtf8(extract.readAllStandardOutput());
  PrintedText printed;
  // pdftotext ends every page with a form feed.
  printed.pages = text.count(u'\f');
  for (const QString& line : text.split(QRegularExpression("[\n\f]"))) {
    if (!line.trimmed().isEmpty()) printed.lines << line.trimmed();
  }
  return printed;
}

// The right edge, in points, of each word of the first page, in reading order.
QList<double> WordRightEdges(const QString& pdf) {
  QProcess extract;
  extract.start(QStringLiteral("pdftotext"),
                {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                 QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
  if (!extract.waitForFinished() || extract.exitCode() != 0) return {};
  static const QRegularExpression word(QStringLiteral("<word [^>]*xMax=\"([0-9.]+)\""));
  QList<double> edges;
  for (const QRegularExpressionMatch& match :
       word.globalMatch(QString::fromUtf8(extract.readAllStandardOutput()))) {
    edges << match.captured(1).toDouble();
  }
  return edges;
}

}  // namespace

class PrintTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
      QSKIP("pdftotext (poppler-utils) is not installed");
  }

  void PrintsEveryLineInOrder_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("minimumPages");
    QTest::newRow("line breaks of every kind")
        << "uno\r\ndos\ntres\rcuatro\r\n"
        << QStringList({"uno", "dos", "tres", "cuatro"}) << 1;
    QStringList many;
    for (int line = 1; line <= 150; ++line) many << QStringLiteral("línea %1").arg(line);
    QTest::newRow("more lines than a page holds") << many.join("\r\n") << many << 2;
    QTest::newRow("a line wider than the page")
        << "inicio " + QString(300, u'x') + " FIN" << QStringList({"inicio", "FIN"}) << 1;
  }
  void PrintsEveryLineInOrder() {
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QFETCH(int, minimumPages);
    ViewerFolder folder;
    const QString pdf = folder.FilePath("impreso.pdf");
    const auto viewer = OpenViewer(folder.Path(), text.toStdString());
    viewer->SetPrinterSource(PdfPrinter(pdf));
    QTest::mouseClick(viewer->printKey, Qt::LeftButton);
    const PrintedText printed = ExtractText(pdf);
    if (QTest::currentDataTag() == QByteArray("a line wider than the page")) {
      // Wrapped, so the end of the line is on paper too.
      QCOMPARE(printed.lines.first().left(6), QStringLiteral("inicio"));
      QCOMPARE(printed.lines.last().right(3), QStringLiteral("FIN"));
      QVERIFY(printed.lines.size() > 1);
      QCOMPARE(printed.lines.join("").count(u'x'), 300);
    } else {
      QCOMPARE(printed.lines, lines);
    }
    QVERIFY(printed.pages >= minimumPages);
    QCOMPARE(viewer->reportText->Text(), text);
  }

  // The report aligns its values by counting characters, so the printed lines must keep those
  // columns: words of as many characters, narrow or wide, end at the same place.
  void KeepsTheColumnsOfTheReport() {
    ViewerFolder folder;
    const QString pdf = folder.FilePath("columnas.pdf");
    const auto viewer =
        OpenViewer(folder.Path(), "\r\n 1 )         11,11\r\n 2 ) Suma 1.000,00\r\n");
    viewer->SetPrinterSource(PdfPrinter(pdf));
    QTest::mouseClick(viewer->printKey, Qt::LeftButton);
    const QList<double> edges = WordRightEdges(pdf);
    // "1", ")", "11,11", "2", ")", "Suma", "1.000,00"
    QCOMPARE(edges.size(), 7);
    QVERIFY2(qAbs(edges[2] - edges[6]) < 0.5,
             qPrintable(QStringLiteral("%1 vs %2").arg(edges[2]).arg(edges[6])));
  }

  void WithoutAPrinterNothingHappens() {
    ViewerFolder folder;
    const auto viewer = OpenViewer(folder.Path(), "texto");
    viewer->SetPrinterSource([] { return nullptr; });
    const QWidgetList before = QApplication::topLevelWidgets();
    QTest::mouseClick(viewer->printKey, Qt::LeftButton);
    QCOMPARE(QApplication::topLevelWidgets(), before);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(viewer->reportText->Text(), QStringLiteral("texto"));
  }
};

int RunPrintTest(int argc, char** argv) {
  PrintTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace cinta

#include "PrintTest.moc"
