// The list widget of the views: a combo box whose accessible name is the one the model gives it.
// (Qt's own accessible combo box names itself after its current text on this platform.)
#pragma once

#include <QComboBox>

namespace orbalide {

class Liste : public QComboBox {
  Q_OBJECT

 public:
  using QComboBox::QComboBox;
};

// Makes screen readers find the lists' names; once, before any list is shown.
void DeclarerListesAccessibles();

}  // namespace orbalide
