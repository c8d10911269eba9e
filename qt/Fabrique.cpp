// The widgets of the controls: made when first shown, styled after the design, connected to
// the model.
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "Accessibles.hpp"
#include "Tableaux.hpp"
#include "Vue.hpp"

namespace orbalide {
namespace {

QWidget* NewWidget(const Control& control, QWidget* parent) {
  switch (control.GetKind()) {
    case Kind::TextBox: {
      auto* edit = new Champ(parent);
      edit->setFrame(true);
      edit->setTextMargins(0, 0, 0, 0);
      return edit;
    }
    case Kind::Label:
    case Kind::Image: {
      auto* label = new Etiquette(parent);
      label->RoleAccessible = RoleQt(control.AccessibleRole);
      label->Pressable = control.Pressable();
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(true);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return label;
    }
    case Kind::ComboBox: {
      auto* combo = new Liste(parent);
      if (static_cast<const ComboBox&>(control).Editable) combo->setLineEdit(new Champ(combo));
      combo->setInsertPolicy(QComboBox::NoInsert);
      return combo;
    }
    case Kind::CommandButton:
      return new QPushButton(parent);
    case Kind::Frame: {
      if (static_cast<const Frame&>(control).Bordered) return new QGroupBox(parent);
      auto* frame = new Groupe(parent);
      frame->setFrameShape(QFrame::NoFrame);
      return frame;
    }
    case Kind::OptionButton:
      return new QRadioButton(parent);
    case Kind::Table:
      return new Grille(static_cast<const Table&>(control), parent);
    case Kind::MenuItem:
      break;
  }
  return nullptr;
}

}  // namespace

// The control's widget, made with its container's when needed. A control is never hidden behind
// a sibling: the model shows no two controls that cover each other.
QWidget* Vue::Make(Control& control) {
  if (QWidget* made = Widget(control)) return made;
  QWidget* parent = control.Container != nullptr ? Make(*control.Container) : client_;
  QWidget* w = NewWidget(control, parent);
  w->setObjectName(Q(control.FullName()));
  widgets_[&control] = w;
  controls_[w] = &control;
  Style(control, w);
  Connect(control, w);
  return w;
}

void Vue::Style(const Control& control, QWidget* w) const {
  w->setGeometry(Geometry(control));
  QPalette p = w->palette();
  if (control.ForeColor) {
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
      p.setColor(QPalette::Active, role, Couleur(*control.ForeColor));
      p.setColor(QPalette::Inactive, role, Couleur(*control.ForeColor));
    }
  }
  if (control.BackColor) {
    p.setColor(QPalette::Base, Couleur(*control.BackColor));
    p.setColor(QPalette::Window, Couleur(*control.BackColor));
  }
  w->setPalette(p);
  w->setFocusPolicy(control.TabStop ? Qt::StrongFocus : Qt::ClickFocus);
  if (control.GetKind() == Kind::Label || control.GetKind() == Kind::Image) {
    // A click on it presses it, but gives it no focus: the model's does not move.
    w->setFocusPolicy(control.Pressable() ? Qt::TabFocus : Qt::NoFocus);
    w->setAttribute(Qt::WA_TranslucentBackground, !control.BackColor);
  }
  if (control.GetKind() == Kind::TextBox) {
    const auto& box = static_cast<const TextBox&>(control);
    auto* edit = static_cast<QLineEdit*>(w);
    edit->setReadOnly(box.ReadOnly);
    if (box.Centered) edit->setAlignment(Qt::AlignCenter);
  }
  if (control.GetKind() == Kind::Table) {
    const auto& columns = static_cast<const Table&>(control).Columns;
    for (std::size_t i = 0; i < columns.size(); ++i)
      static_cast<QTableView*>(w)->setColumnWidth(static_cast<int>(i), Pixels(columns[i].Width));
  }
  if (control.GetKind() == Kind::Label) {
    const auto& label = static_cast<const Label&>(control);
    static_cast<QLabel*>(w)->setAlignment((label.Centered ? Qt::AlignHCenter : Qt::AlignLeft) |
                                          (label.Middle ? Qt::AlignVCenter : Qt::AlignTop));
    // The text clear of the focus frame's two lines.
    if (!label.Centered && control.Pressable()) w->setContentsMargins(3, 0, 0, 0);
  }
}

// What the user does with a widget reaches the model: a typed text, a chosen item, a click.
// Everything else comes through the event filter.
void Vue::Connect(Control& control, QWidget* w) {
  w->installEventFilter(this);
  switch (control.GetKind()) {
    case Kind::TextBox: {
      auto& box = static_cast<TextBox&>(control);
      auto* champ = static_cast<Champ*>(w);
      const auto tape = [this, &box](const QString& text) {
        Forward([this, &box, t = text.toStdString()] { form_.UserType(box, t); });
      };
      QObject::connect(champ, &QLineEdit::textEdited, this, tape);
      QObject::connect(champ, &Champ::Ecrit, this, tape);
      QObject::connect(champ, &Champ::Commandee, this,
                       [this, &box] { Forward([this, &box] { form_.UserAction(box); }); });
      break;
    }
    case Kind::ComboBox: {
      auto& combo = static_cast<ComboBox&>(control);
      auto* q = static_cast<QComboBox*>(w);
      QObject::connect(q, &QComboBox::activated, this, [this, &combo](int index) {
        Forward(
            [this, &combo, index] { form_.UserSelect(combo, static_cast<std::int16_t>(index)); });
      });
      if (auto* edit = static_cast<Champ*>(q->lineEdit())) {
        QObject::connect(edit, &QLineEdit::textEdited, this, [this, &combo](const QString& t) {
          Forward([this, &combo, s = t.toStdString()] { form_.UserType(combo, s); });
        });
        QObject::connect(edit, &Champ::Ecrit, this, [this, &combo](const QString& t) {
          Forward([this, &combo, s = t.toStdString()] { form_.UserWrite(combo, s); });
        });
        edit->installEventFilter(this);
        controls_[edit] = &control;
      }
      break;
    }
    case Kind::CommandButton:
      QObject::connect(static_cast<QPushButton*>(w), &QPushButton::clicked, this, [this, &control] {
        Forward([this, &control] { form_.UserClick(control); });
      });
      break;
    case Kind::OptionButton: {
      // Checked by a click, an arrow key or a screen reader's toggle, which emits no click; the
      // model's own choice, written back while synchronising, does not come back to it.
      auto& option = static_cast<OptionButton&>(control);
      QObject::connect(static_cast<QRadioButton*>(w), &QRadioButton::toggled, this,
                       [this, &option](bool checked) {
                         if (checked && !synchronising_)
                           Forward([this, &option] { form_.UserSelect(option); });
                       });
      break;
    }
    case Kind::Table: {
      auto& table = static_cast<Table&>(control);
      auto* grille = static_cast<Grille*>(w);
      QObject::connect(&grille->Modele(), &ModeleTable::Edite, this,
                       [this, &table](int row, int column, const QString& text) {
                         Forward([this, &table, row, column, t = text.toStdString()] {
                           form_.UserEdit(table, row, column, t);
                         });
                       });
      QObject::connect(
          grille->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this, &table](const QModelIndex& now) {
            if (now.isValid() && !synchronising_)
              Forward([this, &table, now] { form_.UserCurrent(table, now.row(), now.column()); });
          });
      break;
    }
    case Kind::Label:
    case Kind::Image:
      QObject::connect(static_cast<Etiquette*>(w), &Etiquette::Pressee, this, [this, &control] {
        Forward([this, &control] { form_.UserClick(control); });
      });
      break;
    default:
      break;
  }
}

}  // namespace orbalide
