// The passage planner recomputed after an edit of one waypoint of a passage of 1,000: the legs,
// their made waypoints and times, and every cell of both tables written again. The aim is below
// 50 ms an edit.
#include <benchmark/benchmark.h>

#include <string>

#include "Calculatrice.hpp"
#include "FormPassage.hpp"

namespace {

using orbalide::FormPassage;
using orbalide::Reglages;

// 1,000 waypoints zigzagging across the North Atlantic, a few degrees apart.
std::string Passage() {
  std::string texte;
  for (int i = 0; i < 1000; ++i) {
    const double latitude = 20 + (i % 20) * 1.5, longitude = -70 + (i % 47) * 1.25;
    texte += std::to_string(latitude) + " " + std::to_string(longitude) + " WP" +
             std::to_string(i) + "\n";
  }
  return texte;
}

void Recalcul(benchmark::State& state, Reglages reglages) {
  orbalide::test::FakePlatform platform;
  FormPassage f(platform, {false, 3}, 0);
  f.Form_Load();
  platform.clipboard = Passage();
  f.UserClick(f.MColler);
  f.AppliquerReglages(reglages);
  bool nord = false;
  for (auto _ : state) {
    f.UserEdit(f.TblPoints, 500, 1, (nord = !nord) ? "31.5N" : "31.5S");
    benchmark::DoNotOptimize(f.TblEtapes.Rows().data());
  }
  state.counters["legs"] = static_cast<double>(f.TblEtapes.RowCount() - 1);
}

}  // namespace

BENCHMARK_CAPTURE(Recalcul, plain, Reglages{})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Recalcul, timed, Reglages{0, true, false, {"", "", "", "6", "2026-12-24T06:00Z"}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Recalcul, every_20_nm, Reglages{0, true, false, {"20", "", "", "6", ""}})
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
