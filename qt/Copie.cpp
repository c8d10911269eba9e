// The models copied into the widgets after every event: what changed since is written again.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>

#include "Accessibles.hpp"
#include "Ajustement.hpp"
#include "Images.hpp"
#include "Polices.hpp"
#include "Tableaux.hpp"
#include "Vue.hpp"

namespace orbalide {

// Screen readers hear of each move of the focus once, on the control that ends with it, before
// anything else of that control: what becomes shown is shown first, the focus moves, and only
// then are the controls copied and what is no longer shown hidden, which leaves Qt no focus of
// its own to move. Without a focused control the window itself holds the focus, where Qt would
// give it to the window's first control. The announcement comes last.
void Vue::Synchroniser() {
  const QScopedValueRollback<bool> guard(synchronising_, true);
  window_->setWindowTitle(Q(form_.Caption));
  if (window_->accessibleName() != Q(form_.AccessibleName))
    window_->setAccessibleName(Q(form_.AccessibleName));
  for (Control* c : form_.Controls()) Show(*c);
  QWidget* focus = form_.Focus() != nullptr ? Widget(*form_.Focus()) : window_;
  if (!focus->hasFocus() && !focus->isAncestorOf(QApplication::focusWidget()))  // a cell's editor
    focus->setFocus(Qt::OtherFocusReason);
  for (Control* c : form_.Controls()) {
    if (c->GetKind() == Kind::MenuItem) {
      CopyMenu(*c);
    } else if (QWidget* w = Widget(*c)) {
      Copy(*c, w);
    }
  }
  if (form_.AnnouncementCount() != annonces_) {
    annonces_ = form_.AnnouncementCount();
    statut_->Annoncer(Q(form_.Announcement()));
  }
}

// A control's widget is made when it is first shown.
void Vue::Show(Control& c) {
  if (c.GetKind() == Kind::MenuItem || !c.Shown()) return;
  QWidget* w = Widget(c);
  (w != nullptr ? w : Make(c))->setVisible(true);
}

// A menu's access key marked in its title; a check mark where an item is checked, nothing
// else, as desktop menus show it.
void Vue::CopyMenu(Control& c) {
  QObject* o = actions_.at(&c);
  if (auto* m = qobject_cast<QMenu*>(o)) {
    QString title = Q(c.Caption).replace("&", "&&");
    if (const char key = static_cast<MenuItem&>(c).AccessKey; key != 0) {
      const auto at = title.indexOf(QLatin1Char(key), 0, Qt::CaseInsensitive);
      if (at >= 0) title.insert(at, '&');
    }
    m->setTitle(title);
    return;
  }
  auto* a = static_cast<QAction*>(o);
  a->setText(Q(c.Caption));
  const bool checked = static_cast<MenuItem&>(c).Checked;
  a->setCheckable(checked);
  a->setChecked(checked);
  a->setEnabled(c.Enabled);
}

// A hidden widget is brought up to date when it is shown again.
void Vue::Copy(Control& c, QWidget* w) {
  w->setVisible(c.Shown());
  if (!c.Shown()) return;
  w->setEnabled(c.Enabled);
  if (w->toolTip() != Q(c.ToolTipText)) w->setToolTip(Q(c.ToolTipText));
  if (w->accessibleName() != Q(c.AccessibleName)) w->setAccessibleName(Q(c.AccessibleName));
  if (w->accessibleDescription() != Q(c.AccessibleDescription))
    w->setAccessibleDescription(Q(c.AccessibleDescription));
  if (const QRect g = Geometry(c); w->geometry() != g) w->setGeometry(g);
  switch (c.GetKind()) {
    case Kind::TextBox:
      CopyText(static_cast<TextBox&>(c), static_cast<QLineEdit*>(w));
      break;
    case Kind::Label: {
      auto* label = static_cast<QLabel*>(w);
      if (label->text() != Q(c.Caption)) label->setText(Q(c.Caption));
      Fit(c, w, label->text());
      if (!c.MousePointer.empty()) label->setCursor(QCursor(Draw(c.MousePointer, {32, 32}), 0, 0));
      break;
    }
    case Kind::Image: {
      auto* label = static_cast<QLabel*>(w);
      if (label->pixmap().isNull())
        label->setPixmap(Draw(static_cast<Image&>(c).Content, w->size()));
      break;
    }
    case Kind::ComboBox:
      CopyList(static_cast<ComboBox&>(c), static_cast<QComboBox*>(w));
      break;
    case Kind::CommandButton:
      CopyButton(static_cast<CommandButton&>(c), static_cast<QPushButton*>(w));
      break;
    case Kind::Frame:
      if (auto* group = qobject_cast<QGroupBox*>(w)) {
        if (group->title() != Q(c.Caption)) group->setTitle(Q(c.Caption));
        Fit(c, w, group->title());
      }
      break;
    case Kind::OptionButton: {
      auto* q = static_cast<QRadioButton*>(w);
      if (q->text() != Q(c.Caption)) q->setText(Q(c.Caption));
      Fit(c, w, q->text());
      // Exclusive buttons, which readers hear as radio buttons, cannot be unchecked: the
      // model's choice is written without it.
      q->setAutoExclusive(false);
      q->setChecked(static_cast<OptionButton&>(c).Value());
      q->setAutoExclusive(true);
      break;
    }
    case Kind::Table:
      CopyTable(static_cast<Table&>(c), static_cast<Grille*>(w));
      break;
    case Kind::MenuItem:
      break;
  }
}

// The rows, then the current cell; the view's own scrolling and editing go on undisturbed.
void Vue::CopyTable(Table& table, Grille* grille) {
  // No figure shown cut short (metres, times in the computer's zone, seconds to seven decimals):
  // a column the user cannot edit, and so cannot open to read whole, widens to its cells in view.
  if (grille->Modele().Synchroniser()) {
    for (std::size_t c = 0; c < table.Columns.size(); ++c) {
      if (!table.Columns[c].Editable)
        grille->Elargir(static_cast<int>(c), Pixels(table.Columns[c].Width));
    }
  }
  if (table.CurrentRow() < 0) return;
  const QModelIndex current = grille->model()->index(table.CurrentRow(), table.CurrentColumn());
  if (grille->currentIndex() != current) grille->setCurrentIndex(current);
}

// The text, and the selection of the focused box only: desktop text boxes show no selection
// while another control has the focus. A comma turned into a point leaves the cursor in place.
void Vue::CopyText(TextBox& box, QLineEdit* edit) {
  const QString text = Q(box.Text());
  if (edit->text() != text) {
    const int cursor = edit->cursorPosition();
    const bool sameLength = edit->text().size() == text.size();
    edit->setText(text);
    if (sameLength) edit->setCursorPosition(cursor);
  }
  Fit(box, edit, text);
  if (auto* champ = qobject_cast<Champ*>(edit)) champ->Commande = Q(box.ActionName);
  if (form_.Focus() != &box) {
    if (edit->hasSelectedText()) edit->deselect();
    return;
  }
  const auto shown = selections_.find(&box);
  if (shown != selections_.end() && shown->second == box.SelectionVersion()) return;
  selections_[&box] = box.SelectionVersion();
  if (box.SelLength() > 0) {
    edit->setSelection(box.SelStart(), box.SelLength());
  } else {
    edit->setCursorPosition(box.SelStart());
  }
}

void Vue::CopyList(ComboBox& combo, QComboBox* list) {
  if (list->count() != static_cast<int>(combo.Items().size())) {
    list->clear();
    for (const std::string& item : combo.Items()) list->addItem(Q(item));
  }
  if (list->currentIndex() != combo.ListIndex()) list->setCurrentIndex(combo.ListIndex());
  if (list->isEditable() && list->currentText() != Q(combo.Text()))
    list->setEditText(Q(combo.Text()));
  QLineEdit* edit = list->lineEdit();
  if (edit != nullptr && edit->accessibleName() != Q(combo.AccessibleName))
    edit->setAccessibleName(Q(combo.AccessibleName));
}

// A caption's "&" is shown as such, not taken as a keyboard shortcut.
void Vue::CopyButton(CommandButton& button, QPushButton* push) {
  QString caption = Q(button.Caption);
  caption.replace("&", "&&");
  if (push->text() != caption) push->setText(caption);
  push->setDefault(&button == form_.DefaultButton());
  if (!button.Image.empty() && push->icon().isNull()) {
    const QSize size = DesignSize(button.Image);
    push->setIcon(QIcon(Draw(button.Image, size)));
    push->setIconSize(size);
  }
  Fit(button, push, caption);
}

// The design's font, made smaller where the free fonts standing in for it would clip the text.
// Measured again only for a new text.
void Vue::Fit(const Control& c, QWidget* w, const QString& text) {
  const auto fitted = fitted_.find(&c);
  if (fitted != fitted_.end() && fitted->second == text) return;
  fitted_[&c] = text;
  const QFont font = Police(c.TextFont ? *c.TextFont : form_.DefaultFont);
  const QFont shown = text.isEmpty() ? font : Ajuster(font, CadreDe(*w), text);
  if (w->font() != shown) w->setFont(shown);
}

}  // namespace orbalide
