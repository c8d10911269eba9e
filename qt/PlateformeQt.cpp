#include "PlateformeQt.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QLocale>
#include <QMessageBox>
#include <QSaveFile>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>

#include "Version.hpp"
#include "Vue.hpp"

namespace orbalide {

PlateformeQt::~PlateformeQt() {
  for (const auto& [form, vue] : vues_) delete vue->Window();
  for (const QPointer<QWidget>& window : dechargees_) delete window.data();
}

void PlateformeQt::Beep() {
  QApplication::beep();
}

void PlateformeQt::Message(const std::string& text) {
  QMessageBox::information(QApplication::activeWindow(), "Orbalide", QString::fromStdString(text),
                           QMessageBox::Ok);
}

void PlateformeQt::Open(const std::string& target) {
  const QString t = QString::fromStdString(target);
  QDesktopServices::openUrl(t.startsWith('/') ? QUrl::fromLocalFile(t) : QUrl(t));
}

std::string PlateformeQt::ProgramDirectory() {
  return QCoreApplication::applicationDirPath().toStdString();
}

std::string PlateformeQt::DocumentsDirectory() {
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
}

std::string PlateformeQt::HomeDirectory() {
  return QDir::homePath().toStdString();
}

// For the user the program runs as, not the one who started it.
bool PlateformeQt::CanWriteIn(const std::string& folder, bool create) {
  if (create) ::mkdir(folder.c_str(), 0777);  // less the user's umask
  return ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

// The new file takes the user's umask; a file it replaces keeps its permissions.
bool PlateformeQt::WriteFile(const std::string& path, std::string_view contents) {
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(contents.data(), static_cast<qint64>(contents.size()));  // a failure fails the commit
  return file.commit();
}

VersionNumbers PlateformeQt::Version() {
  return {VersionMajeure, VersionMineure, VersionRevision};
}

std::string PlateformeQt::DecimalSeparator() {
  return QLocale::system().decimalPoint().toStdString();
}

void PlateformeQt::PopupMenu(Form& form, MenuItem& menu) {
  if (Vue* vue = View(form)) vue->Popup(menu);
}

void PlateformeQt::Show(Form& form) {
  Vue*& vue = vues_[&form];
  if (vue == nullptr) vue = new Vue(form, *this);
  vue->Synchroniser();
  QWidget* window = vue->Window();
  window->show();
  window->raise();
  window->activateWindow();
}

// The window's widgets go once the event that asked for it has been handled.
void PlateformeQt::Unload(Form& form) {
  const auto found = vues_.find(&form);
  if (found == vues_.end()) return;
  QWidget* window = found->second->Window();
  vues_.erase(found);
  window->hide();
  window->deleteLater();
  std::erase_if(dechargees_, [](const QPointer<QWidget>& w) { return w.isNull(); });
  dechargees_.emplace_back(window);
}

void PlateformeQt::Quit() {
  ended_ = true;
  for (const auto& [form, vue] : vues_) vue->Window()->hide();
  QCoreApplication::exit(0);
}

Vue* PlateformeQt::View(const Form& form) const {
  const auto found = vues_.find(&form);
  return found == vues_.end() ? nullptr : found->second;
}

void PlateformeQt::SynchroniserTout() {
  if (ended_) return;
  for (const auto& [form, vue] : vues_) vue->Synchroniser();
}

}  // namespace orbalide
