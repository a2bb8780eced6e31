// SPDX-License-Identifier: MIT
#include "controls/AccessibleRows.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QWidget>
#include <vector>

namespace cinta {
namespace {

// The widgets that read as lists, with their rows.
QHash<const QObject*, const AccessibleRows*>& ExposedRows() {
  static QHash<const QObject*, const AccessibleRows*> rows;
  return rows;
}

class RowListAccessible;

// One row: an item of the list, with no object of its own.
class RowItemAccessible : public QAccessibleInterface {
 public:
  RowItemAccessible(RowListAccessible* list, int row) : list_(list), row_(row) {}

  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text type) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override;

 private:
  RowListAccessible* list_;
  int row_;
};

// The drawing widget: the rows first, then its real child widgets.
class RowListAccessible : public QAccessibleWidget {
 public:
  explicit RowListAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::List) {}
  ~RowListAccessible() override {
    for (const QAccessible::Id id : items_) QAccessible::deleteAccessibleInterface(id);
  }

  const AccessibleRows* Rows() const { return ExposedRows().value(object(), nullptr); }
  int RowCount() const { return Rows() != nullptr ? Rows()->RowCount() : 0; }

  int childCount() const override { return RowCount() + QAccessibleWidget::childCount(); }
  QAccessibleInterface* child(int index) const override {
    const int rows = RowCount();
    if (index < 0) return nullptr;
    if (index >= rows) return QAccessibleWidget::child(index - rows);
    if (items_.size() <= static_cast<std::size_t>(index)) items_.resize(index + 1, 0);
    QAccessible::Id& id = items_[static_cast<std::size_t>(index)];
    if (id == 0) {
      id = QAccessible::registerAccessibleInterface(
          new RowItemAccessible(const_cast<RowListAccessible*>(this), index));
    }
    return QAccessible::accessibleInterface(id);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child->role() == QAccessible::ListItem && child->object() == nullptr) {
      for (std::size_t i = 0; i < items_.size(); ++i) {
        if (items_[i] != 0 && QAccessible::accessibleInterface(items_[i]) == child) {
          return static_cast<int>(i);
        }
      }
      return -1;
    }
    const int index = QAccessibleWidget::indexOfChild(child);
    return index < 0 ? -1 : RowCount() + index;
  }

 private:
  // Items made so far, by row; 0 where none was asked for yet.
  mutable std::vector<QAccessible::Id> items_;
};

bool RowItemAccessible::isValid() const {
  return list_->isValid() && row_ < list_->RowCount();
}

QWindow* RowItemAccessible::window() const {
  return list_->window();
}

QAccessibleInterface* RowItemAccessible::parent() const {
  return list_;
}

QString RowItemAccessible::text(QAccessible::Text type) const {
  if (type != QAccessible::Name || !isValid()) return {};
  return list_->Rows()->RowText(row_);
}

QRect RowItemAccessible::rect() const {
  if (!isValid()) return {};
  const auto* widget = static_cast<const QWidget*>(list_->object());
  const QRect local = list_->Rows()->RowRect(row_);
  return QRect(widget->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State RowItemAccessible::state() const {
  QAccessible::State state;
  const auto* widget = static_cast<const QWidget*>(list_->object());
  state.invisible = !isValid() || !widget->rect().intersects(list_->Rows()->RowRect(row_));
  state.offscreen = state.invisible;
  return state;
}

QAccessibleInterface* RowListFactory(const QString&, QObject* object) {
  if (object == nullptr || !object->isWidgetType() || !ExposedRows().contains(object)) {
    return nullptr;
  }
  return new RowListAccessible(static_cast<QWidget*>(object));
}

}  // namespace

void ExposeRowsAsList(QWidget* widget, const AccessibleRows* rows) {
  static const bool installed = [] {
    QAccessible::installFactory(&RowListFactory);
    return true;
  }();
  (void)installed;
  if (rows != nullptr) {
    ExposedRows().insert(widget, rows);
    QObject::connect(widget, &QObject::destroyed, widget,
                     [widget] { ExposedRows().remove(widget); });
  } else {
    ExposedRows().remove(widget);
  }
}

}  // namespace cinta
