// Everything a window's handlers need from the outside world. The desktop front end implements
// it with the real services; tests use a recording fake.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orbalide {

class Form;
class MenuItem;

struct VersionNumbers {
  int Major, Minor, Revision;
};

// Whether an operation on a file succeeded, and else why not, in the system's words.
struct FileResult {
  std::string Failure;  // empty when it succeeded
  explicit operator bool() const { return Failure.empty(); }
};

// The files a file dialog offers: "Routes GPX (*.gpx)".
struct FileFilter {
  std::string Name;
  std::vector<std::string> Patterns;  // "*.gpx"
};

enum class FileDialog { Open, Save };

// A question with three answers, the first the one that goes on, as "Enregistrer", "Ne pas
// enregistrer", "Annuler" before closing a document with unsaved changes.
struct Question {
  std::string Text, Yes, No, Cancel;
};
enum class Answer { Yes, No, Cancel };

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
  // Replaces the file with the contents, or leaves it as it was and says why: the text is
  // written to a file beside it, which then takes its name; nothing is left behind on failure.
  virtual FileResult WriteFile(const std::string& path, std::string_view contents) = 0;
  // Reads a whole file into `contents`, or says why it cannot.
  virtual FileResult ReadFile(const std::string& path, std::string& contents) = 0;
  // The file the user chooses in the desktop's dialog over a window, to open one or to save
  // into one (`suggested`: the name the dialog proposes); nothing when the user cancels.
  virtual std::optional<std::string> ChooseFile(Form& form, FileDialog dialog,
                                                const std::string& title,
                                                const std::vector<FileFilter>& filters,
                                                const std::string& suggested) = 0;
  virtual std::string ClipboardText() = 0;
  virtual void SetClipboardText(const std::string& text) = 0;
  // Asks the question over a window and waits for the answer; closing the question cancels.
  virtual Answer Ask(Form& form, const Question& question) = 0;
  // A warning over a window, with an OK button: what went wrong and what the user can do.
  virtual void Warn(Form& form, const std::string& text) = 0;
  // The computer's time zone at a moment (seconds since 1970-01-01T00:00Z): the minutes its
  // clocks then stand ahead of UTC.
  virtual int UtcOffsetMinutes(std::int64_t utcSeconds) = 0;
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

// The folder a window's exported files go to: the program's folder, whenever a file can be made
// there (a copy run from a folder of its own); once installed where the user cannot write, the
// folder `dossier` in the user's documents (made when needed), else the home folder. Nothing
// when none of them can be written.
std::optional<std::string> DossierExport(Platform& platform, std::string_view dossier);

}  // namespace orbalide
