// SPDX-License-Identifier: MIT
#include <QFontDatabase>
#include <QFontInfo>
#include <QtTest>

#include "controls/Fonts.h"

namespace cinta {

class FontsTest : public QObject {
  Q_OBJECT

 private slots:
  void DrawsInTheFaceOrItsMetricTwin_data() {
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("twin");
    QTest::addColumn<double>("points");
    QTest::addColumn<int>("weight");
    QTest::newRow("Arial 27.75") << "Arial"
                                 << "Liberation Sans" << 27.75 << kNormal;
    QTest::newRow("Arial 8.25 bold") << "Arial"
                                     << "Liberation Sans" << 8.25 << kBold;
    QTest::newRow("arial in lower case") << "arial"
                                         << "Liberation Sans" << 12.0 << kNormal;
    QTest::newRow("Courier New 18") << "Courier New"
                                    << "Liberation Mono" << 18.0 << kNormal;
    QTest::newRow("a face without a twin") << "Liberation Serif"
                                           << "Liberation Serif" << 14.25 << kBold;
  }

  void DrawsInTheFaceOrItsMetricTwin() {
    QFETCH(QString, face);
    QFETCH(QString, twin);
    QFETCH(double, points);
    QFETCH(int, weight);
    const QFont font = ControlFont(face, points, weight);
    const QString expected = QFontDatabase::hasFamily(face) ? face : twin;
    QVERIFY2(QFontDatabase::hasFamily(expected), qPrintable(expected + " is not installed"));
    const QFontInfo drawn(font);
    QCOMPARE(drawn.family().toLower(), expected.toLower());
    QCOMPARE(drawn.pointSizeF(), points);
    QCOMPARE(drawn.weight(), weight);
  }
};

}  // namespace cinta

QTEST_MAIN(cinta::FontsTest)
#include "FontsTest.moc"
