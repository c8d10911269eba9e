#include "Liste.hpp"

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

QAccessibleInterface* Fabrique(const QString& classe, QObject* objet) {
  if (classe != Liste::staticMetaObject.className()) return nullptr;
  return new ListeAccessible(static_cast<Liste*>(objet));
}

}  // namespace

void DeclarerListesAccessibles() {
  static const bool declaree = [] {
    QAccessible::installFactory(Fabrique);
    return true;
  }();
  (void)declaree;
}

}  // namespace orbalide
