// Times the two solutions and the rhumb line against GeographicLib on the same lines (the random
// block of Karney's test set, or random pairs when it is absent) and prints the ratios.
#include <benchmark/benchmark.h>
#include <zlib.h>
#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/Rhumb.hpp>

#include <array>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "Ellipsoide.hpp"
#include "Loxodromie.hpp"
#include "ModFormules.hpp"
#include "inverse.hpp"

namespace {

struct Geodesique {
  double lat1, azi1, lat2, lon2, s12;
};

std::vector<Geodesique> Inputs() {
  std::vector<Geodesique> rows;
  if (gzFile file = gzopen(ORBALIDE_GEODTEST, "rb")) {
    std::array<char, 512> line{};
    while (rows.size() < 2000 && gzgets(file, line.data(), static_cast<int>(line.size()))) {
      Geodesique g{};
      double lon1 = 0, azi2 = 0;
      if (std::sscanf(line.data(), "%lf %lf %lf %lf %lf %lf %lf", &g.lat1, &lon1, &g.azi1, &g.lat2,
                      &g.lon2, &azi2, &g.s12) == 7) {
        rows.push_back(g);
      }
    }
    gzclose(file);
  }
  std::mt19937_64 random(42);
  std::uniform_real_distribution<double> lat(-90, 90), lon(-180, 180), s(0, 2e7);
  while (rows.size() < 2000)
    rows.push_back({lat(random), lon(random), lat(random), lon(random), s(random)});
  return rows;
}

const orbalide::Ellipsoide kWgs84 = *orbalide::EllipsoideDuCatalogue(orbalide::kIndexWgs84);

const std::vector<Geodesique>& Rows() {
  static const std::vector<Geodesique> rows = Inputs();
  return rows;
}

template <class F>
void Loop(benchmark::State& state, F&& call) {
  std::size_t i = 0;
  for (auto _ : state) {
    call(Rows()[i]);
    i = (i + 1) % Rows().size();
  }
}

void CalculInverse(benchmark::State& state) {
  Loop(state, [](const Geodesique& g) {
    benchmark::DoNotOptimize(orbalide::CalculInverse(kWgs84, g.lat1, 0, g.lat2, g.lon2));
  });
}

void CalculDirect(benchmark::State& state) {
  Loop(state, [](const Geodesique& g) {
    benchmark::DoNotOptimize(orbalide::CalculDirect(kWgs84, g.lat1, 0, g.azi1, g.s12));
  });
}

void GeographicLibInverse(benchmark::State& state) {
  const GeographicLib::Geodesic& wgs84 = GeographicLib::Geodesic::WGS84();
  Loop(state, [&](const Geodesique& g) {
    double s12 = 0, azi1 = 0, azi2 = 0;
    wgs84.Inverse(g.lat1, 0, g.lat2, g.lon2, s12, azi1, azi2);
    benchmark::DoNotOptimize(s12 + azi1 + azi2);
  });
}

void GeographicLibDirect(benchmark::State& state) {
  const GeographicLib::Geodesic& wgs84 = GeographicLib::Geodesic::WGS84();
  Loop(state, [&](const Geodesique& g) {
    double lat2 = 0, lon2 = 0, azi2 = 0;
    wgs84.Direct(g.lat1, 0, g.azi1, g.s12, lat2, lon2, azi2);
    benchmark::DoNotOptimize(lat2 + lon2 + azi2);
  });
}

// The rhumb line from the same departures and courses runs a quarter of the geodesic's length,
// so that most lines end short of a pole rather than without a result.
constexpr double kPartLoxodromie = 0.25;

void CalculInverseLoxodromie(benchmark::State& state) {
  Loop(state, [](const Geodesique& g) {
    benchmark::DoNotOptimize(orbalide::CalculInverseLoxodromie(kWgs84, g.lat1, 0, g.lat2, g.lon2));
  });
}

void CalculDirectLoxodromie(benchmark::State& state) {
  Loop(state, [](const Geodesique& g) {
    benchmark::DoNotOptimize(
        orbalide::CalculDirectLoxodromie(kWgs84, g.lat1, 0, g.azi1, g.s12 * kPartLoxodromie));
  });
}

// GeographicLib's default, exact form, as RhumbSolve uses it.
const GeographicLib::Rhumb& RhumbWgs84() {
  static const GeographicLib::Rhumb rhumb(kWgs84.DemiGrandAxe, kWgs84.Aplatissement);
  return rhumb;
}

void GeographicLibRhumbInverse(benchmark::State& state) {
  Loop(state, [&](const Geodesique& g) {
    double s12 = 0, azi12 = 0;
    RhumbWgs84().Inverse(g.lat1, 0, g.lat2, g.lon2, s12, azi12);
    benchmark::DoNotOptimize(s12 + azi12);
  });
}

void GeographicLibRhumbDirect(benchmark::State& state) {
  Loop(state, [&](const Geodesique& g) {
    double lat2 = 0, lon2 = 0;
    RhumbWgs84().Direct(g.lat1, 0, g.azi1, g.s12 * kPartLoxodromie, lat2, lon2);
    benchmark::DoNotOptimize(lat2 + lon2);
  });
}

// The console report, then each solution's time as a fraction of GeographicLib's (the medians
// when the benchmarks are repeated).
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (run.run_type == Run::RT_Iteration || median) {
        nanoseconds_[run.run_name.function_name] = run.GetAdjustedRealTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("CalculInverse / GeographicLib Inverse: %.2f\n",
                nanoseconds_["CalculInverse"] / nanoseconds_["GeographicLibInverse"]);
    std::printf("CalculDirect / GeographicLib Direct:   %.2f\n",
                nanoseconds_["CalculDirect"] / nanoseconds_["GeographicLibDirect"]);
    std::printf(
        "CalculInverseLoxodromie / GeographicLib Rhumb Inverse: %.2f\n",
        nanoseconds_["CalculInverseLoxodromie"] / nanoseconds_["GeographicLibRhumbInverse"]);
    std::printf("CalculDirectLoxodromie / GeographicLib Rhumb Direct:   %.2f\n",
                nanoseconds_["CalculDirectLoxodromie"] / nanoseconds_["GeographicLibRhumbDirect"]);
  }

 private:
  std::map<std::string, double> nanoseconds_;
};

}  // namespace

BENCHMARK(CalculInverse);
BENCHMARK(GeographicLibInverse);
BENCHMARK(CalculDirect);
BENCHMARK(GeographicLibDirect);
BENCHMARK(CalculInverseLoxodromie);
BENCHMARK(GeographicLibRhumbInverse);
BENCHMARK(CalculDirectLoxodromie);
BENCHMARK(GeographicLibRhumbDirect);

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
}
