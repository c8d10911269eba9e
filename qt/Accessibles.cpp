#include "Accessibles.hpp"

#include <QAccessibleWidget>

namespace orbalide {
namespace {

class ListeAccessible : public QAccessibleWidget {
 public:
  explicit ListeAccessible(Liste* liste) : QAccessibleWidget(liste, QAccessible::ComboBox) {}

  QString text(QAccessible::Text t) const override {
    const auto* liste = static_cast<const Liste*>(widget());
    if (t == QAccessible::Value) return liste->currentText();
    if (t == QAccessible::Name)
      return liste->accessibleName().isEmpty() ? liste->currentText() : liste->accessibleName();
    return QAccessibleWidget::text(t);
  }
};

// A label's text, read-only and without a selection.
class EtiquetteAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit EtiquetteAccessible(Etiquette* etiquette)
      : QAccessibleWidget(etiquette, QAccessible::StaticText) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return Texte();
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return Texte();
    return QAccessibleWidget::text(t);
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  QString text(int start, int end) const override { return Texte().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(Texte().size()); }
  void selection(int, int* start, int* end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QRect characterRect(int) const override { return rect(); }
  int offsetAtPoint(const QPoint&) const override { return 0; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }

 private:
  QString Texte() const { return static_cast<const Etiquette*>(widget())->text(); }
};

QAccessibleInterface* Fabrique(const QString& classe, QObject* objet) {
  if (classe == Liste::staticMetaObject.className())
    return new ListeAccessible(static_cast<Liste*>(objet));
  if (classe == Etiquette::staticMetaObject.className())
    return new EtiquetteAccessible(static_cast<Etiquette*>(objet));
  return nullptr;
}

}  // namespace

void DeclarerAccessibles() {
  static const bool declaree = [] {
    QAccessible::installFactory(Fabrique);
    return true;
  }();
  (void)declaree;
}

}  // namespace orbalide
