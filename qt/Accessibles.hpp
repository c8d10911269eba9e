// The widgets of the views whose accessibility Qt's own does not serve: a list names itself as
// the model names it (Qt's accessible combo box takes its current text as its name on this
// platform); a label or a picture keeps the name and the role that the model gives it while it
// gives its text to screen readers, and one that is pressed as a button is also pressed by them
// and shows a focus frame; a text box with a command of its own offers it to them too; a
// borderless frame is a group of controls, not a border; a window's own surface is a window for
// screen readers, and its status line, which draws nothing, what they read out at once. Words
// and sentences of every text are told at every offset, where Qt's own answer loops forever at
// the end of a text, and its attributes as one run, which readers read whole.
#pragma once

#include <QAccessible>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

#include "Controles.hpp"

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
  QAccessible::Role RoleAccessible = QAccessible::StaticText;
  bool Pressable = false;

 signals:
  void Pressee();  // by a screen reader

 protected:
  void paintEvent(QPaintEvent* event) override;
};

class Champ : public QLineEdit {
  Q_OBJECT

 public:
  using QLineEdit::QLineEdit;
  QString Commande;  // its name for screen readers

  // Where a character of the text is drawn, on the screen.
  QRect Caractere(int position) const;

 signals:
  void Commandee();                  // by a screen reader
  void Ecrit(const QString& texte);  // the whole new text, by a screen reader
};

class Groupe : public QFrame {
  Q_OBJECT

 public:
  using QFrame::QFrame;
};

class Surface : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;
  QSize sizeHint() const override { return designed; }
  QSize designed;  // the size it opens at
};

// Readers hear its text each time it is shown again with a new announcement, and braille
// displays show it; a sighted user sees nothing of it.
class Statut : public QWidget {
  Q_OBJECT

 public:
  explicit Statut(QWidget* parent);
  void Annoncer(const QString& texte);

 private:
  Etiquette* texte_;
};

// What screen readers are told a control of a model is.
QAccessible::Role RoleQt(Role role);

// Makes screen readers use the widgets above; once, before any of them is shown.
void DeclarerAccessibles();

}  // namespace orbalide
