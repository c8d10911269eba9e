// The widgets of the views whose accessibility Qt's own does not serve: a list names itself as
// the model names it (Qt's accessible combo box takes its current text as its name on this
// platform), and a label keeps the name the model gives it while it gives its text to screen
// readers (Qt's accessible label offers one or the other).
#pragma once

#include <QComboBox>
#include <QLabel>

namespace orbalide {

class Liste : public QComboBox {
  Q_OBJECT

 public:
  using QComboBox::QComboBox;
};

class Etiquette : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;
};

// Makes screen readers use the two; once, before any of them is shown.
void DeclarerAccessibles();

}  // namespace orbalide
