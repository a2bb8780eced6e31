// SPDX-License-Identifier: MIT
#include <QPushButton>
#include <QtTest>
#include <functional>

#include "controls/ComboBox.h"
#include "controls/Fonts.h"
#include "controls/TextBox.h"

namespace cinta {

// A text set by the program that is too wide for its box shows its beginning: two such texts
// that begin alike look alike at the left, however they end.
class TextBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void LongTextShowsItsBeginning_data() {
    QTest::addColumn<bool>("combo");
    QTest::addColumn<QString>("text");
    QTest::newRow("result box, an exponent") << false << QStringLiteral("-2.92509369349301E+188");
    QTest::newRow("list field, an exponent") << true << QStringLiteral("2.92509369349301E+188");
    QTest::newRow("list field, its design text") << true << QStringLiteral("Resultados anteriores");
  }
  void LongTextShowsItsBeginning() {
    QFETCH(bool, combo);
    QFETCH(QString, text);
    // As the main window has them, the result box and the previous-results list, while a key
    // has the focus.
    QWidget window;
    QPushButton key(&window);
    QWidget* box = nullptr;
    std::function<void(const QString&)> setText;
    if (combo) {
      auto* list = new ComboBox(&window, ControlFont("Arial", 27.75));
      list->Move({0, 0, 4815, 750});
      setText = [list](const QString& value) { list->SetFieldText(value); };
      box = list;
    } else {
      auto* result = new TextBox(&window);
      result->Move({0, 0, 5655, 645});
      result->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      result->setFont(ControlFont("Arial", 24, kBold));
      setText = [result](const QString& value) { result->SetText(value); };
      box = result;
    }
    box->move(0, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    key.setFocus();
    const QRect leftHalf(0, 0, box->width() / 2, box->height());
    setText(text);
    const QImage shown = box->grab(leftHalf).toImage();
    setText(text + QStringLiteral("9876543210"));
    QCOMPARE(box->grab(leftHalf).toImage(), shown);
  }
};

}  // namespace cinta

QTEST_MAIN(cinta::TextBoxTest)
#include "TextBoxTest.moc"
