// A window as plain data: its controls with their places, fonts and colours, and the rules that
// a window system applies to them: a text write runs the change handler, option buttons of one
// frame exclude each other, a panel covers the controls under it, a control that is not shown or
// is disabled cannot take the focus, Tab walks the tab order, Space presses the focused control,
// Return the focused one or the default button, Shift+Return runs the focused box's own command;
// and what assistive technology is told of each.
// Handlers are attached as callbacks by the window that owns the controls; a view draws the
// controls from this data and forwards the user's events to them.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orbalide {

class Form;
class Table;

enum class Kind {
  TextBox,
  Label,
  ComboBox,
  CommandButton,
  Frame,
  OptionButton,
  MenuItem,
  Image,
  Table
};

// Places are in twips (1/1440 inch), relative to the control's container.
struct Rect {
  int Left, Top, Width, Height;
};

// The edges of its container that a control keeps its distance to when a window is made larger
// than designed, as bits: anchored left and right, it grows as wide as the container does;
// right only, it moves with the right edge.
inline constexpr int kAnchorLeft = 1, kAnchorTop = 2, kAnchorRight = 4, kAnchorBottom = 8;

struct Rgb {
  std::uint8_t Red, Green, Blue;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct Font {
  std::string_view Name;
  double Points;
  bool Bold = false;
  bool Underline = false;
};

// A picture, named by the window that shows it; the view draws each name. Empty: none.
using Picture = std::string_view;

// Shift states of a mouse press, as bits.
inline constexpr int kShift = 1, kCtrl = 2, kAlt = 4;

// The keys that a window system gives a meaning of its own: Tab and Shift+Tab move the focus,
// Return presses the focused button or else the default one, Escape cancels, the desktop's Quit
// key ends the program, the context-menu key (or Shift+F10) opens the focused control's menu,
// Space presses the focused control, F1 asks for help, Shift+Return runs the focused box's own
// command.
enum class Key { Tab, BackTab, Return, Escape, Quit, ContextMenu, Space, Help, ShiftReturn };

// What assistive technology is told a control is. Each kind has its own; a window may make a
// picture a button, or a label a link.
enum class Role {
  Text,
  StaticText,
  List,
  Button,
  RadioButton,
  Grouping,
  MenuItem,
  Graphic,
  Link,
  Table
};

// The keys that move a list's choice: Down, Up, Home, End.
enum class ListKey { Next, Previous, First, Last };

class Control {
 public:
  Control(Form& form, Kind kind, std::string_view name, std::int16_t index = -1);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Form& Owner() const { return *form_; }
  Kind GetKind() const { return kind_; }
  const std::string& Name() const { return name_; }
  std::int16_t Index() const { return index_; }  // −1 outside a control array
  std::string FullName() const;                  // "LatD(2)", "Command2"

  // Design-time data.
  Control* Container = nullptr;        // a frame, or nullptr for the window itself
  const Control* CoveredBy = nullptr;  // a panel that hides the control while it is visible
  Rect Place{0, 0, 0, 0};
  int Anchors = kAnchorLeft | kAnchorTop;
  std::optional<Font> TextFont;  // the window's default font when empty
  std::optional<Rgb> ForeColor, BackColor;
  bool TabStop = false;
  int TabIndex = -1;
  Picture MousePointer;

  bool Visible = true;
  bool Enabled = true;
  std::string Caption;  // labels, buttons, frames, option buttons, menu items
  std::string ToolTipText;
  std::string AccessibleName;         // what a screen reader says of it, when its caption does not
  std::string AccessibleDescription;  // what it says after the name: why a text is refused
  Role AccessibleRole;

  // A control that is pressed as a button is (a button, a picture made a button, a link): a
  // click, or Space or Return while it has the focus. A picture or a label so made takes the
  // focus.
  bool Pressable() const { return AccessibleRole == Role::Button || AccessibleRole == Role::Link; }

  // True when the control and every container around it are visible and none of them is
  // covered by a visible panel: only then is it drawn.
  bool Shown() const;
  // True when it is shown and it and its containers are enabled: only then can it take the
  // focus or receive the user's events.
  bool Reachable() const;

  std::function<void()> Click, DblClick, GotFocus;
  std::function<void()> ContextMenu;  // right click, or the context-menu key while focused

 private:
  Form* form_;
  Kind kind_;
  std::string name_;
  std::int16_t index_;
};

class TextBox : public Control {
 public:
  TextBox(Form& form, std::string_view name, std::int16_t index = -1);

  const std::string& Text() const { return text_; }
  // Writes the text and, when it differs from the one shown, runs the change handler at once.
  void SetText(std::string_view text);
  // Writes a text that comes from the user, typed or pasted, as SetText does: with CommaIsPoint,
  // its commas are written as points.
  void SetTypedText(std::string_view text);
  // The whole new text that the user made: only what differs from the present text, the part
  // the user put in, is taken as typed (SetTypedText).
  void SetUserText(std::string_view text);

  int SelStart() const { return selStart_; }
  int SelLength() const { return selLength_; }
  // Counts in characters, clamped to the text as a window system does.
  void SetSelection(int start, int length);
  // Grows by one at every SetSelection, so a view can tell a new selection from an old one.
  int SelectionVersion() const { return selectionVersion_; }

  bool ReadOnly = false;
  bool Centered = false;
  bool CommaIsPoint = false;  // a "," that the user types or pastes is written as "."
  std::function<void()> Change;
  std::function<void(int button, int shift)> MouseDown;
  // The box's own command besides typing, when it has one (a paste box reads its line):
  // Shift+Return runs it while the box has the focus, and assistive technology offers it by its
  // name.
  std::function<void()> Action;
  std::string ActionName;

 private:
  std::string text_;
  int selStart_ = 0, selLength_ = 0, selectionVersion_ = 0;
};

class Label : public Control {
 public:
  Label(Form& form, std::string_view name, std::int16_t index = -1);
  bool Centered = false;
  bool Middle = false;  // its line halfway down its place, level with a box's text beside it
};

class ComboBox : public Control {
 public:
  ComboBox(Form& form, std::string_view name, std::int16_t index = -1);

  const std::vector<std::string>& Items() const { return items_; }
  void AddItem(std::string_view item) { items_.emplace_back(item); }

  std::int16_t ListIndex() const { return listIndex_; }
  // Selects an item (−1: none), shows its text, then runs the click handler.
  void SetListIndex(std::int16_t index);

  const std::string& Text() const { return text_; }
  // Text typed into the edit field: no item is selected any more.
  void SetText(std::string_view text);

  // A choice is the selected item together with the text shown.
  struct Choice {
    std::int16_t ListIndex;
    std::string Text;
  };
  Choice GetChoice() const { return {listIndex_, text_}; }
  void SetChoice(const Choice& choice);

  // The item shown: the selected one, or else the one whose text the list shows; −1 for none.
  std::int16_t ShownItem() const;
  // The item a key chooses, counted from the item shown and stopping at either end; −1 when the
  // list is empty.
  std::int16_t ItemFor(ListKey key) const;
  // The next item after the one shown, going round, that starts with the typed character
  // (either case); −1 when none does.
  std::int16_t ItemStartingWith(std::string_view character) const;
  // The item of that name (either case); −1 when none has it.
  std::int16_t ItemNamed(std::string_view name) const;

  bool Editable = true;  // false: a list to choose from, without an edit field

 private:
  std::vector<std::string> items_;
  std::int16_t listIndex_ = -1;
  std::string text_;
};

class CommandButton : public Control {
 public:
  CommandButton(Form& form, std::string_view name, std::int16_t index = -1);
  Picture Image;
  // Return presses it while it is shown, unless another button has the focus.
  bool Default = false;
};

class Frame : public Control {
 public:
  Frame(Form& form, std::string_view name);
  bool Bordered = true;
};

class OptionButton : public Control {
 public:
  OptionButton(Form& form, std::string_view name, std::int16_t index = -1);
  bool Value() const { return value_; }
  // Selecting a button clears the other buttons of its container.
  void SetValue(bool value);

 private:
  bool value_ = false;
};

class MenuItem : public Control {
 public:
  MenuItem(Form& form, std::string_view name, MenuItem* parent = nullptr);
  MenuItem* Parent() const { return parent_; }
  bool Checked = false;
  // The letter of the caption that opens the menu with Alt, in either case; 0 for none.
  char AccessKey = 0;
  // The keys that choose the item from anywhere in its window, as "Ctrl+Shift+Z", "Alt+Up",
  // "Delete"; none when empty. A text box that has the focus keeps the keys it uses itself (Ctrl+V
  // pastes into it), unless the item takes them first (the window's undo rather than the box's).
  std::string_view Shortcut;
  bool TakesKeysFirst = false;

 private:
  MenuItem* parent_;
};

class Image : public Control {
 public:
  Image(Form& form, std::string_view name, std::int16_t index = -1);
  Picture Content;
};

// The controls of one window, in the order they were made, with the focus and the title.
class Form {
 public:
  Form(std::string_view name, int clientWidth, int clientHeight);
  virtual ~Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& Name() const { return name_; }
  int ClientWidth() const { return clientWidth_; }
  int ClientHeight() const { return clientHeight_; }
  const std::vector<Control*>& Controls() const { return controls_; }

  std::string Caption;  // the title
  // What a screen reader calls the window; its title when empty.
  std::string AccessibleName;
  Picture Icon;
  std::function<void()> Click;    // on the window itself, outside its controls
  std::function<void()> Closing;  // the window system asks the window to close
  std::function<void()> Escape;   // the Escape key
  std::function<void()> Help;     // F1
  std::function<void()> Quit;     // the desktop's Quit key, from any window of the program
  std::optional<Rgb> BackColor;
  Font DefaultFont{"MS Sans Serif", 8.25};
  // The user may resize the window, its controls following their anchors, from its client area
  // down to the smallest size given (twips), so that it fits screens smaller than its design.
  bool Resizable = false;
  int MinimumWidth = 0, MinimumHeight = 0;

  // What assistive technology reads out at once, as a sighted user glances at what a command
  // wrote: its results, or why there are none. Each call is read, even with the same text.
  void Announce(std::string text);
  const std::string& Announcement() const { return announcement_; }
  int AnnouncementCount() const { return announcements_; }

  Control* Focus() const { return focus_; }
  // Moves the focus and runs the control's GotFocus handler; refused, changing nothing, when the
  // control cannot be reached or cannot hold the focus (labels, frames, images, menus). Returns
  // whether the focus moved.
  bool SetFocus(Control& control);

  // The tab stops that can take the focus now, in tab order.
  std::vector<Control*> TabOrder() const;
  // The control that Return presses: the focused one when it is pressable, or else the shown
  // default button; nullptr when there is none.
  Control* DefaultButton() const;

  // User events: delivered only to a reachable control, so a view or a test cannot press a
  // button that the user could not see or use.
  void UserClick(Control& control);
  void UserDblClick(Control& control);
  void UserMouseDown(TextBox& box, int button, int shift);
  // A box's own command, asked for by Shift+Return or by a screen reader.
  void UserAction(TextBox& box);
  // The whole new text of a box; only what differs from its present text, the part the user put
  // in, is taken as typed.
  void UserType(TextBox& box, std::string_view text);
  void UserSelect(ComboBox& combo, std::int16_t index);
  void UserType(ComboBox& combo, std::string_view text);
  // The whole text that a screen reader writes into an editable list: the name of one of its
  // items (either case) chooses it as a click on it would; any other text is taken as typed.
  void UserWrite(ComboBox& combo, std::string_view text);
  void UserSelect(OptionButton& option);
  // A cell's text edited by the user, in a column that takes it.
  void UserEdit(Table& table, int row, int column, std::string_view text);
  // The current cell moved by the user.
  void UserCurrent(Table& table, int row, int column);
  void UserContextMenu(Control& control);
  // Returns whether the key meant something here; a view passes on the keys that did not.
  bool UserKey(Key key);
  // A list's key acts on the first press from the item shown, however the focus came in: it
  // chooses an item as a click on it would.
  void UserListKey(ComboBox& combo, ListKey key);
  // A character typed into a list chooses the item it starts; returns false, changing nothing,
  // when it starts none (an editable list then takes it as typed text).
  bool UserListCharacter(ComboBox& combo, std::string_view character);

 private:
  friend class Control;
  // After an event: a focused control that was hidden or disabled gives the focus to the next
  // control in the tab order, as a window system does.
  void RepairFocus();
  Control* NextInTabOrder(int from, bool forward) const;
  template <class Event>
  void Deliver(Control& control, Event&& event);

  std::string name_;
  int clientWidth_, clientHeight_;
  std::vector<Control*> controls_;
  Control* focus_ = nullptr;
  std::string announcement_;
  int announcements_ = 0;
};

}  // namespace orbalide
