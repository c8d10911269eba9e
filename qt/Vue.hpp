// The widgets of one window model. Made from the model alone, it forwards the user's events to
// the model and copies the model back into the widgets after each of them. Its work is in four
// files: the window's shell and the widgets' places (Vue.cpp), the making of the widgets
// (Fabrique.cpp), the user's events (Evenements.cpp) and the copy of the model (Copie.cpp).
#pragma once

#include <QColor>
#include <QObject>
#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <string>

#include "Controles.hpp"
#include "Tableau.hpp"

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QMenu;
class QPushButton;

namespace orbalide {

class Grille;
class PlateformeQt;
class Statut;

inline QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

inline QColor Couleur(const Rgb& c) {
  return {c.Red, c.Green, c.Blue};
}

class Vue : public QObject {
 public:
  Vue(Form& form, PlateformeQt& platform);

  QWidget* Window() const { return window_; }
  // The widget of a control, once it has been shown; nullptr before.
  QWidget* Widget(const Control& control) const;

  // Copies the model into the widgets: texts, captions, tooltips, selection, focus, enabled,
  // visible, places, check marks, list items and index, the title; then has screen readers read
  // out the model's new announcement.
  void Synchroniser();

  int Pixels(int twips) const;
  // Pops up a menu where the user last asked for one.
  void Popup(MenuItem& menu);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void MakeMenus();
  Rect Room(const Control& control) const;
  QSize Growth(const Control* container) const;
  QRect Geometry(const Control& control) const;

  QWidget* Make(Control& control);
  void Style(const Control& control, QWidget* widget) const;
  void Connect(Control& control, QWidget* widget);

  void Forward(const std::function<void()>& event);
  void FocusIn(Control& control, Qt::FocusReason reason);
  bool KeyPress(Control* control, const QKeyEvent& press);
  bool ListKeyPress(ComboBox& combo, const QKeyEvent& press);
  bool Click(QObject* watched, Control* control);
  bool GivesWay(const QKeyEvent& press) const;
  void TakeEdit();

  void Show(Control& control);
  void CopyMenu(Control& control);
  void Copy(Control& control, QWidget* widget);
  void CopyText(TextBox& box, QLineEdit* edit);
  void CopyList(ComboBox& combo, QComboBox* list);
  void CopyButton(CommandButton& button, QPushButton* push);
  void CopyTable(Table& table, Grille* grille);
  void Fit(const Control& control, QWidget* widget, const QString& text);

  Form& form_;
  PlateformeQt& platform_;
  QWidget* window_ = nullptr;
  QWidget* client_ = nullptr;
  Statut* statut_ = nullptr;
  std::map<const Control*, QWidget*> widgets_;
  std::map<const QObject*, Control*> controls_;
  std::map<const Control*, QObject*> actions_;  // menus and their items
  std::map<const Control*, int> selections_;    // selection versions already shown
  std::map<const Control*, QString> fitted_;    // texts whose font is already fitted
  QPoint menuAt_;                               // where the last context menu was asked for
  bool synchronising_ = false;  // the focus moves that Qt makes meanwhile are not the user's
  int annonces_ = 0;            // the model's announcements already read out
  double dpi_;
};

}  // namespace orbalide
