// The calculator as a user meets it, on a recording platform: start-up, typing, clicks.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "FormFormules.hpp"
#include "Plateforme.hpp"
#include "Texte.hpp"
#include "apropos.hpp"

namespace orbalide::test {

class FakePlatform : public Platform {
 public:
  void Beep() override { ++beeps; }
  void Message(const std::string& text) override { messages.push_back(text); }
  void Open(const std::string& target) override { opened.push_back(target); }
  std::string ProgramDirectory() override { return directory; }
  std::string DocumentsDirectory() override { return documents; }
  std::string HomeDirectory() override { return home; }
  bool CanWriteIn(const std::string& folder, bool create) override {
    if (readOnly.contains(folder)) return false;
    std::error_code ignored;
    if (create) std::filesystem::create_directory(folder, ignored);
    return std::filesystem::is_directory(folder);
  }
  char PathSeparator() override { return '/'; }
  FileResult WriteFile(const std::string& path, std::string_view contents) override {
    if (failWrites) return {"Permission denied"};
    std::ofstream(path, std::ios::binary) << contents;
    return {};
  }
  FileResult ReadFile(const std::string& path, std::string& contents) override {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {"No such file or directory"};
    contents.assign(std::istreambuf_iterator<char>(in), {});
    return {};
  }
  std::optional<std::string> ChooseFile(Form&, FileDialog, const std::string&,
                                        const std::vector<FileFilter>&,
                                        const std::string& suggested) override {
    suggestions.push_back(suggested);
    return chosen;
  }
  std::string ClipboardText() override { return clipboard; }
  void SetClipboardText(const std::string& text) override { clipboard = text; }
  Answer Ask(Form&, const Question& question) override {
    messages.push_back(question.Text);
    return answer;
  }
  void Warn(Form&, const std::string& text) override { messages.push_back(text); }
  int UtcOffsetMinutes(std::int64_t) override { return utcOffset; }
  VersionNumbers Version() override { return version; }
  std::string DecimalSeparator() override { return separator; }
  void PopupMenu(Form&, MenuItem& menu) override { popups.push_back(&menu); }
  void Show(Form& form) override { shown.push_back(&form); }
  void Unload(Form& form) override { unloaded.push_back(&form); }
  void Quit() override { ++quits; }

  int beeps = 0, quits = 0;
  std::vector<std::string> messages, opened;
  std::vector<const Form*> shown, unloaded;
  std::vector<const MenuItem*> popups;
  std::string directory = ".", documents, home = ".", separator = ".";
  std::set<std::string> readOnly;  // folders the user could not write
  bool failWrites = false;         // a write that fails once the folder is found writable
  VersionNumbers version{1, 0, 0};
  std::optional<std::string> chosen;  // the file the user picks in a dialog
  std::vector<std::string> suggestions;
  std::string clipboard;
  Answer answer = Answer::Cancel;
  int utcOffset = 0;
};

struct Calculatrice {
  FakePlatform platform;
  Apropos about{platform};
  Planificateur planner{platform};
  FormFormules f{platform, about, planner};

  explicit Calculatrice(std::string_view separator = ".") {
    platform.separator = separator;
    f.Form_Load();
  }

  // A click in a box: it takes the focus, whose handler selects the start of its text.
  void Click(Control& control) {
    f.SetFocus(control);
    f.UserClick(control);
  }

  // Keystrokes into the focused box: each character replaces the selection, as typing does.
  void Keys(std::string_view keys) {
    for (std::size_t i = 0; i < keys.size();) {
      std::size_t n = 1;
      while (i + n < keys.size() && (static_cast<unsigned char>(keys[i + n]) & 0xC0) == 0x80) ++n;
      auto* box = dynamic_cast<TextBox*>(f.Focus());
      if (box == nullptr) return;
      const int start = box->SelStart();
      f.UserType(*box, Left(box->Text(), start) + std::string(keys.substr(i, n)) +
                           Mid(box->Text(), start + box->SelLength() + 1));
      box->SetSelection(start + 1, 0);
      i += n;
    }
  }

  // Clicks into a box and types its whole new text.
  void Type(TextBox& box, std::string_view text) {
    Click(box);
    box.SetSelection(0, Length(box.Text()));
    if (text.empty()) f.UserType(box, "");  // a selected text deleted
    Keys(text);
  }

  // Types one field of texts into each box; fields are one space apart, so that an empty one
  // leaves two spaces, as Shown writes them.
  void TypeFields(const std::vector<TextBox*>& boxes, std::string_view texts) {
    for (TextBox* box : boxes) {
      const std::size_t space = std::min(texts.find(' '), texts.size());
      Type(*box, texts.substr(0, space));
      texts.remove_prefix(std::min(space + 1, texts.size()));
    }
  }

  // Types a position into slot k: degrees, minutes, seconds of latitude then longitude.
  void Position(std::int16_t k, std::string_view texts) {
    std::vector<TextBox*> boxes;
    for (FormFormules::Composante c : kComposantes) boxes.push_back(&f.Boite(c, k));
    TypeFields(boxes, texts);
  }

  std::string Shown(std::int16_t k) const {
    std::string s;
    for (FormFormules::Composante c : kComposantes) s += (f.*c)[k].Text() + " ";
    s.pop_back();
    return s;
  }
};

}  // namespace orbalide::test
