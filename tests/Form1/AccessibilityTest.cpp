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
QStringList TapeItems(const Form1& window) {
  QAccessibleInterface* tape = QAccessible::queryAccessibleInterface(window.Picture1);
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

  void EveryKeyHasASpokenNameAndDescription() {
    const QList<QAbstractButton*> keys = window_->Surface()->findChildren<QAbstractButton*>();
    QVERIFY(keys.size() >= 50);
    for (QAbstractButton* key : keys) {
      QVERIFY2(!Read(key, QAccessible::Name).isEmpty(), qPrintable(key->objectName()));
      QVERIFY(!Read(key, QAccessible::Description).isEmpty());
    }
  }

  void KeysReadWhatTheyDo() {
    Form1& w = *window_;
    const std::pair<QObject*, QString> keys[] = {
        {&w.Command2(7), "Siete"},
        {&w.Command2(0), "Cero"},
        {&w.Command3(0), "Sumar"},
        {&w.Command3(11), "Factorial"},
        {&w.Command14(3), "Dividir"},
        {&w.Command7(0), "Borrar todo"},
        {&w.Command7(1), "Borrar última fila"},
        {w.Command9, "Retroceso"},
        {w.Command11, "Guardar la operación"},
        {w.Command15, "Cerrar"},
        {&w.Command8(1), "Vista de edición"},
    };
    for (const auto& [key, name] : keys) QCOMPARE(Read(key, QAccessible::Name), name);
  }

  void TapeReadsAsAListOfRows_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("configuredNames");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("start") << "" << true << QStringList{"Fila 1, vacía"};
    QTest::newRow("configured names")
        << "12,5+3*" << true
        << QStringList{"Fila 1, 12.5", "Fila 2, Suma, 3", "Fila 3, Multiplicación, vacía"};
    // A unary row shows the total its operator was applied to.
    QTest::newRow("spoken names without configuration")
        << "12,5+3r" << false
        << QStringList{"Fila 1, 12.5", "Fila 2, Sumar, 3", "Fila 3, Raíz cuadrada, 15.5"};
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
    QCOMPARE(QAccessible::queryAccessibleInterface(window_->Picture1)->role(), QAccessible::List);
    QCOMPARE(TapeItems(*window_), items);
  }

  void RowsOutOfViewAreMarkedOffscreen() {
    Form1& w = *window_;
    for (int row = 0; row < 15; ++row) PressKeys(w, "1+");
    QAccessibleInterface* tape = QAccessible::queryAccessibleInterface(w.Picture1);
    // New rows enter at the bottom of the viewport and push the first ones out at the top.
    QVERIFY(tape->child(0)->state().offscreen);
    QVERIFY(!tape->child(w.CurrentRow())->state().offscreen);
    QVERIFY(w.Picture1->rect().contains(
        w.Picture1->mapFromGlobal(tape->child(w.CurrentRow())->rect().center())));
  }

  void ResultBoxIsReadable() {
    PressKeys(*window_, "7+8");
    QCOMPARE(Read(window_->Text2, QAccessible::Name), QStringLiteral("Resultado"));
    QCOMPARE(Read(window_->Text2, QAccessible::Value), QStringLiteral("15"));
  }

 private:
  ProgramFolder folder_;
  std::unique_ptr<Form1> window_;
};

int RunAccessibilityTest(int argc, char** argv) {
  AccessibilityTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace cinta

#include "AccessibilityTest.moc"
