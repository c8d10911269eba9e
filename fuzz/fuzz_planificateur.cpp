// A navigator's session on the passage planner, every choice of event and text taken from the
// input: cells typed, waypoints pasted (lines, CSV, GPX), rows inserted, deleted, moved and
// reversed, settings typed and chosen, undone and redone, the language and the precision changed.
// After every event the tables are whole and their figures readable; at the end, undoing every
// edit empties the passage and redoing as many gives it back.
#include <unistd.h>

#include <cstdint>
#include <functional>
#include <string>

#include "Calculatrice.hpp"
#include "FormPassage.hpp"
#include "Lisible.hpp"
#include "Verifier.hpp"

using namespace orbalide;
using orbalide::fuzz::Lisible;
using orbalide::fuzz::Verifier;

namespace {

class Navigator {
 public:
  Navigator(FormPassage& f, test::FakePlatform& p, const std::uint8_t* data, std::size_t size)
      : f_(f), p_(p), data_(data), size_(size) {}
  bool More() const { return at_ < size_; }

  void Act() {
    MenuItem* const menus[] = {&f_.MAnnuler,     &f_.MRetablir,   &f_.MInserer,  &f_.MSupprimer,
                               &f_.MMonter,      &f_.MDescendre,  &f_.MInverser, &f_.MCopierEtapes,
                               &f_.MEnregistrer, &f_.MExporterKml};
    const auto rows = static_cast<std::size_t>(f_.TblPoints.RowCount());
    const std::function<void()> events[] = {
        [&] { f_.UserEdit(f_.TblPoints, Pick(rows), Pick(3), Text()); },
        [&] { f_.UserCurrent(f_.TblPoints, Pick(rows + 1), Pick(3)); },
        [&] { f_.UserClick(*menus[Pick(std::size(menus))]); },
        [&] { p_.clipboard = Pasted(), f_.UserClick(f_.MColler); },
        [&] {
          const auto box = static_cast<std::size_t>(Pick(kReglages));
          f_.UserType(f_.TxtReglage[static_cast<std::int16_t>(box)], Setting(box));
        },
        [&] { f_.UserSelect(f_.OptUnite[static_cast<std::int16_t>(Pick(2))]); },
        [&] { f_.UserSelect(f_.OptHeures[static_cast<std::int16_t>(Pick(2))]); },
        [&] { f_.UserSelect(f_.CboEllipsoide, static_cast<std::int16_t>(Pick(10))); },
        [&] { f_.Traduire(Pick(2) == 1); },
        [&] { f_.Precision(static_cast<std::int16_t>(Pick(2) == 0 ? 2 : 7)); },
    };
    events[static_cast<std::size_t>(Pick(std::size(events)))]();
  }

 private:
  int Pick(std::size_t n) { return static_cast<int>(at_ < size_ && n > 0 ? data_[at_++] % n : 0); }
  template <std::size_t N>
  std::string From(const char* const (&texts)[N]) {
    return texts[static_cast<std::size_t>(Pick(N))];
  }
  std::string Text() {
    static const char* const texts[] = {
        "Brest",  "48°23'N", "4°29'W", "N48 23.500",  "-9.15",      "95",
        "38:42N", "",        " ",      "W004 29.000", "1e999",      "é\t&<",
        "0",      "90S",     "180",    "-180",        "Las Palmas", "\"12\""};
    return From(texts);
  }
  // A box's texts: readable or not, within its bounds or not; waypoints made at most a few
  // thousand apart (each edit computes the passage again).
  std::string Setting(std::size_t box) {
    static const char* const texts[kReglages][5] = {
        {"", "30000", "abc", "-5", "1e999"},
        {"", "5", "181", "0", "45"},
        {"", "40S", "0", "60", "95"},
        {"", "6", "0.05", "1e300", "abc"},
        {"", "2026-12-24T06:00Z", "2026-12-24T06:00", "9999-12-31T23:59Z", "demain"}};
    return texts[box][Pick(5)];
  }
  std::string Pasted() {
    static const char* const texts[] = {
        "48.38 -4.49 Brest\n38.7 -9.15 Lisbon\n",
        "lat;lon;nom\n48,38;-4,49;Brest\n",
        "10 0 A\n-10 179.5 B\n",
        "0 0\n0 0\n",
        "89.9 0 N\n-89.9 180 S\n",
        ("<?xml version='1.0'?><gpx version='1.1' xmlns='http://www.topografix.com/GPX/1/1'><rte>"
         "<rtept lat='1' lon='2'><name>a</name></rtept><rtept lat='3' lon='4'/></rte></gpx>"),
        "<gpx",
        "95 0 Nowhere\n",
        ""};
    return From(texts);
  }

  FormPassage& f_;
  test::FakePlatform& p_;
  const std::uint8_t* data_;
  std::size_t size_, at_ = 0;
};

std::string Names(const FormPassage& f) {
  std::string names;
  for (const PointSaisi& l : f.Lignes())
    names += l.Nom + "|" + l.Latitude.Texte + "|" + l.Longitude.Texte + "\n";
  return names;
}

// The tables hold a cell for each column, the waypoints one row more than the rows given (the
// empty one), and every figure of the legs is readable.
void Verify(const FormPassage& f) {
  Verifier(f.TblPoints.RowCount() == static_cast<int>(f.Lignes().size()) + 1, "waypoint rows");
  for (const Table* t : {&f.TblPoints, &f.TblEtapes}) {
    for (const Row& r : t->Rows()) Verifier(r.Cells.size() == t->Columns.size(), "cells of a row");
  }
  for (const Row& r : f.TblEtapes.Rows()) {
    for (std::size_t i = 2; i < r.Cells.size(); ++i)
      Verifier(Lisible(r.Cells[i].Text), "a figure of the legs");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string folder = [] {  // where the KML goes
    char pattern[] = "/tmp/orbalide-fuzz-planner-XXXXXX";
    return std::string(mkdtemp(pattern));
  }();
  test::FakePlatform platform;
  platform.directory = folder;
  FormPassage f(platform, {false, 3}, 0);
  f.Form_Load();
  Navigator navigator(f, platform, data, size);
  while (navigator.More()) {
    try {
      navigator.Act();
    } catch (const std::exception&) {
      Verifier(false, "an exception escaped a handler");
    }
    Verify(f);
  }
  const std::string edited = Names(f);
  int edits = 0;
  for (; f.MAnnuler.Enabled; ++edits) f.UserClick(f.MAnnuler);
  Verifier(f.Lignes().empty(), "every edit undone");
  for (; edits > 0; --edits) f.UserClick(f.MRetablir);
  Verifier(Names(f) == edited, "every edit redone");
  return 0;
}
