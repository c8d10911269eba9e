// The platform services on the desktop, with Qt.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include <QPointer>
#include <QWidget>

#include "Plateforme.hpp"

namespace orbalide {

class Vue;

class PlateformeQt : public Platform {
 public:
  PlateformeQt() = default;
  PlateformeQt(const PlateformeQt&) = delete;
  PlateformeQt& operator=(const PlateformeQt&) = delete;
  // The windows go with the platform that their views use.
  ~PlateformeQt() override;

  void Beep() override;
  void Message(const std::string& text) override;
  void Open(const std::string& target) override;
  std::string ProgramDirectory() override;
  std::string DocumentsDirectory() override;
  std::string HomeDirectory() override;
  bool CanWriteIn(const std::string& folder, bool create) override;
  char PathSeparator() override { return '/'; }
  FileResult WriteFile(const std::string& path, std::string_view contents) override;
  FileResult ReadFile(const std::string& path, std::string& contents) override;
  std::optional<std::string> ChooseFile(Form& form, FileDialog dialog, const std::string& title,
                                        const std::vector<FileFilter>& filters,
                                        const std::string& suggested) override;
  std::string ClipboardText() override;
  void SetClipboardText(const std::string& text) override;
  Answer Ask(Form& form, const Question& question) override;
  void Warn(Form& form, const std::string& text) override;
  int UtcOffsetMinutes(std::int64_t utcSeconds) override;
  VersionNumbers Version() override;
  std::string DecimalSeparator() override;
  void PopupMenu(Form& form, MenuItem& menu) override;
  void Show(Form& form) override;
  void Unload(Form& form) override;
  void Quit() override;

  // The view of a window, once shown; nullptr otherwise.
  Vue* View(const Form& form) const;
  // Copies every model into its widgets, after each event.
  void SynchroniserTout();
  bool Ended() const { return ended_; }

 private:
  std::map<const Form*, Vue*> vues_;           // owned by their windows' widgets
  std::vector<QPointer<QWidget>> dechargees_;  // unloaded, awaiting deletion
  bool ended_ = false;
};

}  // namespace orbalide
