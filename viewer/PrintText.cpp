// SPDX-License-Identifier: MIT
#include "viewer/PrintText.h"

#include <QPainter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTextLayout>

#include "controls/Fonts.h"

namespace cinta {
namespace {

constexpr int kPrintPointSize = 12;

// The report lines up its numbers in columns, so it is printed in a fixed-pitch face, as the
// viewer shows it; a proportional default face would scatter the columns.
QFont PrintFont() {
  QFont font = ControlFont(QStringLiteral("Courier New"), kPrintPointSize);
  // Should neither face be installed, the fallback must still be fixed-pitch.
  font.setStyleHint(QFont::TypeWriter);
  return font;
}

QStringList PrintedLines(const QString& text) {
  static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
  QStringList lines = text.split(lineBreak);
  // A break at the very end closes the last line; it opens no further one, which could
  // otherwise start an empty page.
  if (lines.size() > 1 && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

}  // namespace

void PrintText(QPrinter& printer, const QString& text) {
  QPainter painter;
  if (!painter.begin(&printer)) return;
  painter.setFont(PrintFont());
  const QRectF page = printer.pageRect(QPrinter::DevicePixel);
  QTextOption wrapping;
  wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  qreal y = 0;
  for (const QString& line : PrintedLines(text)) {
    QTextLayout layout(line, painter.font(), &printer);
    layout.setTextOption(wrapping);
    layout.beginLayout();
    for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine()) {
      row.setLeadingIncluded(true);
      row.setLineWidth(page.width());
      if (y > 0 && y + row.height() > page.height()) {
        printer.newPage();
        y = 0;
      }
      row.draw(&painter, QPointF(0, y));
      y += row.height();
    }
    layout.endLayout();
  }
  painter.end();
}

std::unique_ptr<QPrinter> OpenDefaultPrinter() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return nullptr;
  return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

}  // namespace cinta
