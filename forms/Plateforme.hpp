// Everything a window's handlers need from the outside world. The desktop front end implements
// it with the real services; tests use a recording fake.
#pragma once

#include <string>
#include <string_view>

namespace orbalide {

class Form;
class MenuItem;

struct VersionNumbers {
  int Major, Minor, Revision;
};

class Platform {
 public:
  virtual ~Platform() = default;

  virtual void Beep() = 0;
  // A message with an OK button, under the application's title.
  virtual void Message(const std::string& text) = 0;
  // Hands a file path or an address to the desktop's registered application; the result is not
  // examined.
  virtual void Open(const std::string& target) = 0;
  // The directory that holds the program, without a trailing separator.
  virtual std::string ProgramDirectory() = 0;
  // The user's documents folder from the desktop's settings; "" when they name none.
  virtual std::string DocumentsDirectory() = 0;
  virtual std::string HomeDirectory() = 0;
  // Whether a file can be created in the folder; with `create`, the folder is made first when
  // it does not exist (its parent must).
  virtual bool CanWriteIn(const std::string& folder, bool create) = 0;
  virtual char PathSeparator() = 0;
  // Replaces the file with the contents, or leaves it as it was and returns false: the text is
  // written to a file beside it, which then takes its name; nothing is left behind on failure.
  virtual bool WriteFile(const std::string& path, std::string_view contents) = 0;
  virtual VersionNumbers Version() = 0;
  // The decimal separator of the user's regional settings: one character, not always ASCII.
  virtual std::string DecimalSeparator() = 0;
  // Pops up a menu of the window where the user asked for it: at the mouse, or at the focused
  // control.
  virtual void PopupMenu(Form& form, MenuItem& menu) = 0;
  // Shows a window without blocking the others, or brings it forward when already shown.
  virtual void Show(Form& form) = 0;
  // Discards a window's display; the window's model is discarded by its owner right after.
  virtual void Unload(Form& form) = 0;
  // Ends the program at once: every window disappears and no further handler runs.
  virtual void Quit() = 0;
};

}  // namespace orbalide
