#include "Accessibles.hpp"

#include <QAccessibleWidget>
#include <QPainter>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <optional>

namespace orbalide {

// Two lines, in the highlight colour outside and white inside, seen on any picture and on any
// background.
void Etiquette::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  QPainter painter(this);
  const QRect frame = rect().adjusted(0, 0, -1, -1);
  painter.setPen(palette().color(QPalette::Highlight));
  painter.drawRect(frame);
  painter.setPen(Qt::white);
  painter.drawRect(frame.adjusted(1, 1, -1, -1));
}

// Drawn on one line from where the cursor stands, which the box keeps in view.
QRect Champ::Caractere(int position) const {
  const QFontMetrics m(font());
  const QString t = text();
  if (position < 0 || position >= t.size()) return {};
  const int x = cursorRect().center().x() - m.horizontalAdvance(t.left(cursorPosition())) +
                m.horizontalAdvance(t.left(position));
  return {mapToGlobal(QPoint(x, cursorRect().top())),
          QSize(m.horizontalAdvance(t.at(position)), m.height())};
}

// The text is a label inside it, where readers look for a notification's words to show them on
// a braille display (and keep them among its past notifications); it has no size, so it is
// drawn nowhere.
Statut::Statut(QWidget* parent) : QWidget(parent), texte_(new Etiquette(this)) {
  setGeometry(0, 0, 1, 1);
  texte_->setGeometry(0, 0, 0, 0);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();  // nothing to read before the first announcement
}

// Shown again, so that readers hear it even when the text is the same.
void Statut::Annoncer(const QString& texte) {
  hide();
  texte_->setText(texte);
  show();
}

QAccessible::Role RoleQt(Role role) {
  switch (role) {
    case Role::Text:
      return QAccessible::EditableText;
    case Role::StaticText:
      return QAccessible::StaticText;
    case Role::List:
      return QAccessible::ComboBox;
    case Role::Button:
      return QAccessible::Button;
    case Role::RadioButton:
      return QAccessible::RadioButton;
    case Role::Grouping:
      return QAccessible::Grouping;
    case Role::MenuItem:
      return QAccessible::MenuItem;
    case Role::Link:
      return QAccessible::Link;
    case Role::Table:
      return QAccessible::Table;
    case Role::Graphic:
      break;
  }
  return QAccessible::Graphic;
}

namespace {

// Where the items of a text begin and end, from 0 to its length: one item for a line, a
// paragraph or the whole text; characters, words (and the blanks between them) or sentences.
QList<int> Bornes(const QString& texte, QAccessible::TextBoundaryType type) {
  QList<int> bornes{0};
  const std::optional<QTextBoundaryFinder::BoundaryType> unite =
      type == QAccessible::CharBoundary       ? QTextBoundaryFinder::Grapheme
      : type == QAccessible::WordBoundary     ? QTextBoundaryFinder::Word
      : type == QAccessible::SentenceBoundary ? QTextBoundaryFinder::Sentence
                                              : std::optional<QTextBoundaryFinder::BoundaryType>();
  if (unite) {
    QTextBoundaryFinder finder(*unite, texte);
    const auto bord = QTextBoundaryFinder::StartOfItem | QTextBoundaryFinder::EndOfItem;
    for (qsizetype p = finder.toNextBoundary(); p > 0 && p < texte.size();
         p = finder.toNextBoundary()) {
      if (unite == QTextBoundaryFinder::Grapheme || (finder.boundaryReasons() & bord))
        bornes << static_cast<int>(p);
    }
  }
  if (!texte.isEmpty()) bornes << static_cast<int>(texte.size());
  return bornes;
}

// The text's items for screen readers: the one at an offset (none at the very end), the one
// before or after it; an offset of -1 is the end. The whole text is one run without attributes,
// which readers read whole.
class TexteAccessible : public QAccessibleTextInterface {
 public:
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                           int* end) const override {
    return Item(offset, type, -1, start, end);
  }
  QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                       int* end) const override {
    return Item(offset, type, 0, start, end);
  }
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                          int* end) const override {
    return Item(offset, type, 1, start, end);
  }

 private:
  QString Item(int offset, QAccessible::TextBoundaryType type, int pas, int* start,
               int* end) const {
    const QString texte = text(0, characterCount());
    if (offset == -1) offset = static_cast<int>(texte.size());
    if (offset < 0 || offset > texte.size()) {
      *start = *end = -1;
      return {};
    }
    const QList<int> bornes = Bornes(texte, type);
    const auto i =
        std::upper_bound(bornes.begin(), bornes.end(), offset) - bornes.begin() - 1 + pas;
    if (i < 0 || i + 1 >= bornes.size()) {
      *start = *end = i < 0 ? 0 : static_cast<int>(texte.size());
      return {};
    }
    *start = bornes[i];
    *end = bornes[i + 1];
    return texte.mid(*start, *end - *start);
  }
};

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

// A label's text, read-only and without a selection; a label or a picture pressed as a button
// is pressed by the reader's action as by a click.
class EtiquetteAccessible : public QAccessibleWidget, public TexteAccessible {
 public:
  explicit EtiquetteAccessible(Etiquette* etiquette) : QAccessibleWidget(etiquette) {}

  QAccessible::Role role() const override { return Widget()->RoleAccessible; }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return Texte();
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return Texte();
    return QAccessibleWidget::text(t);
  }
  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (Widget()->Pressable) names.prepend(pressAction());
    return names;
  }
  void doAction(const QString& action) override {
    if (action == pressAction() && Widget()->Pressable) {
      emit Widget()->Pressee();
      return;
    }
    QAccessibleWidget::doAction(action);
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

 private:
  Etiquette* Widget() const { return static_cast<Etiquette*>(widget()); }
  QString Texte() const { return Widget()->text(); }
};

// A text box as Qt's own accessible line edit shows it, which cannot be given another action,
// with its command, if it has one, first among its actions. A text written by a screen reader is
// taken as typed (a locked box takes none).
class ChampAccessible : public QAccessibleWidget,
                        public TexteAccessible,
                        public QAccessibleEditableTextInterface {
 public:
  explicit ChampAccessible(Champ* champ) : QAccessibleWidget(champ, QAccessible::EditableText) {}

  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Value ? Widget()->text() : QAccessibleWidget::text(t);
  }
  void setText(QAccessible::Text t, const QString& text) override {
    if (t == QAccessible::Value) {
      Ecrire(text);
    } else {
      QAccessibleWidget::setText(t, text);
    }
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = state.selectableText = true;
    state.readOnly = Widget()->isReadOnly();
    return state;
  }
  QStringList actionNames() const override {
    const QStringList qt = QAccessibleWidget::actionNames();
    return Commandable() ? QStringList{Widget()->Commande} + qt : qt;
  }
  QString localizedActionName(const QString& action) const override {
    return Commandable() && action == Widget()->Commande
               ? action
               : QAccessibleWidget::localizedActionName(action);
  }
  void doAction(const QString& action) override {
    if (Commandable() && action == Widget()->Commande) {
      emit Widget()->Commandee();
      return;
    }
    QAccessibleWidget::doAction(action);
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (t == QAccessible::EditableTextInterface)
      return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  QString text(int start, int end) const override {
    return start > end ? QString() : Widget()->text().mid(start, end - start);
  }
  int characterCount() const override { return static_cast<int>(Widget()->text().size()); }
  void selection(int index, int* start, int* end) const override {
    const bool some = index == 0 && Widget()->hasSelectedText();
    *start = some ? Widget()->selectionStart() : 0;
    *end = some ? Widget()->selectionEnd() : 0;
  }
  int selectionCount() const override { return Widget()->hasSelectedText() ? 1 : 0; }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int index) override {
    if (index == 0) Widget()->deselect();
  }
  void setSelection(int index, int start, int end) override {
    if (index == 0) Widget()->setSelection(start, end - start);
  }
  int cursorPosition() const override { return Widget()->cursorPosition(); }
  void setCursorPosition(int position) override { Widget()->setCursorPosition(position); }
  QRect characterRect(int position) const override { return Widget()->Caractere(position); }
  int offsetAtPoint(const QPoint& point) const override {
    return Widget()->cursorPositionAt(Widget()->mapFromGlobal(point));
  }
  void scrollToSubstring(int start, int end) override {
    Widget()->setCursorPosition(end);
    Widget()->setCursorPosition(start);
  }

  void deleteText(int start, int end) override {
    Ecrire(Widget()->text().remove(start, end - start));
  }
  void insertText(int position, const QString& text) override {
    Ecrire(Widget()->text().insert(position, text));
  }
  void replaceText(int start, int end, const QString& text) override {
    Ecrire(Widget()->text().replace(start, end - start, text));
  }

 private:
  Champ* Widget() const { return static_cast<Champ*>(widget()); }
  bool Commandable() const { return !Widget()->Commande.isEmpty(); }
  // Without the NULs that the accessibility bus pads a text with when its reader counts bytes
  // where Qt counts characters ("é" given as 2 long): no key types one.
  void Ecrire(QString text) {
    text.remove(QChar(0));
    Widget()->setText(text);
    emit Widget()->Ecrit(text);
  }
};

// The surface is the window itself where the window has no frame of its own (the About window),
// else the client area of a main window.
class SurfaceAccessible : public QAccessibleWidget {
 public:
  explicit SurfaceAccessible(Surface* surface) : QAccessibleWidget(surface) {}
  QAccessible::Role role() const override {
    return widget()->isWindow() ? QAccessible::Window : QAccessible::Client;
  }
};

QAccessibleInterface* Fabrique(const QString& classe, QObject* objet) {
  if (classe == Liste::staticMetaObject.className())
    return new ListeAccessible(static_cast<Liste*>(objet));
  if (classe == Etiquette::staticMetaObject.className())
    return new EtiquetteAccessible(static_cast<Etiquette*>(objet));
  if (classe == Champ::staticMetaObject.className())
    return new ChampAccessible(static_cast<Champ*>(objet));
  if (classe == Groupe::staticMetaObject.className())
    return new QAccessibleWidget(static_cast<Groupe*>(objet), QAccessible::Grouping);
  if (classe == Surface::staticMetaObject.className())
    return new SurfaceAccessible(static_cast<Surface*>(objet));
  if (classe == Statut::staticMetaObject.className())
    return new QAccessibleWidget(static_cast<Statut*>(objet), QAccessible::Notification);
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
