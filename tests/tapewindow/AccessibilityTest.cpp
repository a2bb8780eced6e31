// SPDX-License-Identifier: MIT
#include <QAccessible>
#include <QtTest>

#include "Suites.h"
#include "support/WindowHarness.h"

namespace cinta {
namespace {

QString Read(QObject* control, QAccessible::Text text) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
  return accessible != nullptr ? accessible->text(text) : QStringLiteral("(not accessible)");
}

// The items of the tape's list, as a screen reader reads them.
QStringList TapeItems(const TapeWindow& window) {
  QAccessibleInterface* tape = QAccessible::queryAccessibleInterface(window.tapeView);
  QStringList items;
  for (int i = 0; i < tape->childCount(); ++i) {
    QAccessibleInterface* child = tape->child(i);
    if (child->role() == QAccessible::ListItem) items << child->text(QAccessible::Name);
  }
  return items;
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { window_ = OpenWindow(folder_); }
  void cleanup() { window_.reset(); }

  // A screen reader tells every key from every other: each reads a name and a description, and
  // no two read both alike.
  void EveryKeyHasARoleNameAndASpokenNameAndDescription() {
    const QList<QAbstractButton*> keys = window_->Surface()->findChildren<QAbstractButton*>();
    QVERIFY(keys.size() >= 50);
    QSet<QString> roles;
    QSet<QString> spoken;
    for (QAbstractButton* key : keys) {
      QVERIFY(!key->objectName().isEmpty() && !roles.contains(key->objectName()));
      roles.insert(key->objectName());
      const QString name = Read(key, QAccessible::Name);
      const QString description = Read(key, QAccessible::Description);
      QVERIFY2(!name.isEmpty(), qPrintable(key->objectName()));
      QVERIFY2(!description.isEmpty(), qPrintable(key->objectName()));
      const QString both = name + QLatin1Char('\n') + description;
      QVERIFY2(!spoken.contains(both), qPrintable(key->objectName()));
      spoken.insert(both);
    }
  }

  // A palette key reads as the operation it puts in the row: the operator key's name.
  void PaletteKeysReadTheirOperation() {
    TapeWindow& w = *window_;
    for (int code = 0; code < kOperatorCount; ++code) {
      QCOMPARE(Read(&w.paletteKeys(code), QAccessible::Name),
               Read(&w.operatorKeys(code), QAccessible::Name));
    }
  }

  void TapeReadsAsAListOfRows_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("configuredNames");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("start") << "" << true << QStringList{"Fila 1, vacía"};
    QTest::newRow("configured names")
        << "12,5+3*" << true
        << QStringList{"Fila 1, 12.5", "Fila 2, Suma, 3", "Fila 3, Multiplicación, vacía"};
    // Without names the rows read the operator keys' spoken names (%1 is code 0's, %2 code 6's).
    // A unary row shows the total its operator was applied to.
    QTest::newRow("spoken names without configuration")
        << "12,5+3r" << false << QStringList{"Fila 1, 12.5", "Fila 2, %1, 3", "Fila 3, %2, 15.5"};
    QTest::newRow("formatted view reads the formatted values")
        << "1234,5-1a" << true << QStringList{"Fila 1, 1.234,50", "Fila 2, Resta, 1,00"};
  }
  void TapeReadsAsAListOfRows() {
    QFETCH(QString, keys);
    QFETCH(bool, configuredNames);
    QFETCH(QStringList, items);
    if (!configuredNames) {
      ProgramFolder bare;
      bare.RemoveConfiguration();
      window_ = OpenWindow(bare);
    }
    PressKeys(*window_, keys.toStdString());
    QCOMPARE(QAccessible::queryAccessibleInterface(window_->tapeView)->role(), QAccessible::List);
    const auto spokenName = [&](OperatorCode code) {
      return Read(&window_->operatorKeys(static_cast<int>(code)), QAccessible::Name);
    };
    for (QString& item : items) {
      if (item.contains(QLatin1String("%1"))) item = item.arg(spokenName(OperatorCode::Add));
      if (item.contains(QLatin1String("%2"))) item = item.arg(spokenName(OperatorCode::SquareRoot));
    }
    QCOMPARE(TapeItems(*window_), items);
  }

  void RowsOutOfViewAreMarkedOffscreen() {
    TapeWindow& w = *window_;
    for (int row = 0; row < 15; ++row) PressKeys(w, "1+");
    QAccessibleInterface* tape = QAccessible::queryAccessibleInterface(w.tapeView);
    // New rows enter at the bottom of the viewport and push the first ones out at the top.
    QVERIFY(tape->child(0)->state().offscreen);
    QVERIFY(!tape->child(w.LastRow())->state().offscreen);
    QVERIFY(w.tapeView->rect().contains(
        w.tapeView->mapFromGlobal(tape->child(w.LastRow())->rect().center())));
  }

  void ResultBoxIsReadable() {
    PressKeys(*window_, "7+8");
    QVERIFY(!Read(window_->resultBox, QAccessible::Name).isEmpty());
    QCOMPARE(Read(window_->resultBox, QAccessible::Value), QStringLiteral("15"));
  }

 private:
  ProgramFolder folder_;
  std::unique_ptr<TapeWindow> window_;
};

int RunAccessibilityTest(int argc, char** argv) {
  AccessibilityTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace cinta

#include "AccessibilityTest.moc"
