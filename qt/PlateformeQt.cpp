#include "PlateformeQt.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QStandardPaths>
#include <QTimeZone>
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
FileResult PlateformeQt::WriteFile(const std::string& path, std::string_view contents) {
  QSaveFile file(QString::fromStdString(path));
  if (file.open(QIODevice::WriteOnly)) {
    file.write(contents.data(), static_cast<qint64>(contents.size()));  // a failure fails commit
    if (file.commit()) return {};
  }
  return {file.errorString().toStdString()};
}

FileResult PlateformeQt::ReadFile(const std::string& path, std::string& contents) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return {file.errorString().toStdString()};
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return {file.errorString().toStdString()};
  contents.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  return {};
}

std::optional<std::string> PlateformeQt::ChooseFile(Form& form, FileDialog dialog,
                                                    const std::string& title,
                                                    const std::vector<FileFilter>& filters,
                                                    const std::string& suggested) {
  QStringList names;
  for (const FileFilter& f : filters) {
    QStringList patterns;
    for (const std::string& p : f.Patterns) patterns << QString::fromStdString(p);
    names << QString::fromStdString(f.Name) + " (" + patterns.join(' ') + ")";
  }
  QWidget* parent = View(form) != nullptr ? View(form)->Window() : nullptr;
  const QString t = QString::fromStdString(title), s = QString::fromStdString(suggested);
  const QString chosen = dialog == FileDialog::Open
                             ? QFileDialog::getOpenFileName(parent, t, s, names.join(";;"))
                             : QFileDialog::getSaveFileName(parent, t, s, names.join(";;"));
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.toStdString();
}

std::string PlateformeQt::ClipboardText() {
  return QGuiApplication::clipboard()->text().toStdString();
}

void PlateformeQt::SetClipboardText(const std::string& text) {
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

Answer PlateformeQt::Ask(Form& form, const Question& question) {
  QMessageBox box(QMessageBox::Warning, "Orbalide", QString::fromStdString(question.Text),
                  QMessageBox::NoButton, View(form) != nullptr ? View(form)->Window() : nullptr);
  QPushButton* yes = box.addButton(QString::fromStdString(question.Yes), QMessageBox::AcceptRole);
  QPushButton* no =
      box.addButton(QString::fromStdString(question.No), QMessageBox::DestructiveRole);
  box.addButton(QString::fromStdString(question.Cancel), QMessageBox::RejectRole);
  box.setDefaultButton(yes);
  box.exec();
  if (box.clickedButton() == yes) return Answer::Yes;
  return box.clickedButton() == no ? Answer::No : Answer::Cancel;
}

void PlateformeQt::Warn(Form& form, const std::string& text) {
  QMessageBox::warning(View(form) != nullptr ? View(form)->Window() : nullptr, "Orbalide",
                       QString::fromStdString(text), QMessageBox::Ok);
}

int PlateformeQt::UtcOffsetMinutes(std::int64_t utcSeconds) {
  const QDateTime moment = QDateTime::fromSecsSinceEpoch(utcSeconds, QTimeZone::utc());
  return QTimeZone::systemTimeZone().offsetFromUtc(moment) / 60;
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
