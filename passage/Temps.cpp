#include "Temps.hpp"

#include <chrono>
#include <cmath>
#include <cstdio>

namespace orbalide {
namespace {

using namespace std::chrono;

constexpr Instant kSecondesParMinute = 60, kSecondesParHeure = 3600, kSecondesParJour = 86400;
constexpr int kAnMax = 9999;

// The text read from left to right, field by field; once a field is missing, Lu() is false.
class Curseur {
 public:
  explicit Curseur(std::string_view t) : t_(t) {}

  // `chiffres` digits, as a number.
  int Nombre(std::size_t chiffres) {
    int n = 0;
    for (std::size_t k = 0; k < chiffres; ++k, ++i_) {
      lu_ = lu_ && i_ < t_.size() && t_[i_] >= '0' && t_[i_] <= '9';
      if (!lu_) return 0;
      n = n * 10 + (t_[i_] - '0');
    }
    return n;
  }
  // Whether the next character is one of `possibles`, passed if so.
  bool Passer(std::string_view possibles) {
    if (!lu_ || i_ == t_.size() || possibles.find(t_[i_]) == std::string_view::npos) return false;
    ++i_;
    return true;
  }
  void Exiger(std::string_view possibles) { lu_ = Passer(possibles); }
  bool Chiffre() const { return lu_ && i_ < t_.size() && t_[i_] >= '0' && t_[i_] <= '9'; }
  bool Fini() const { return i_ == t_.size(); }
  bool Lu() const { return lu_; }

 private:
  std::string_view t_;
  std::size_t i_ = 0;
  bool lu_ = true;
};

// The offset of the zone, in seconds east of UTC; nothing when there is none or it is unreadable.
std::optional<Instant> Decalage(Curseur& c) {
  if (c.Passer("Zz")) return c.Fini() ? std::optional<Instant>(0) : std::nullopt;
  const bool ouest = c.Passer("-");
  if (!ouest) c.Exiger("+");
  const int heures = c.Nombre(2);
  int minutes = 0;
  if (!c.Fini()) {
    c.Passer(":");
    minutes = c.Nombre(2);
  }
  if (!c.Lu() || heures > 23 || minutes > 59 || !c.Fini()) return std::nullopt;
  const Instant d = heures * kSecondesParHeure + minutes * kSecondesParMinute;
  return ouest ? -d : d;
}

}  // namespace

std::optional<Instant> LireInstant(std::string_view texte) {
  Curseur c(texte);
  const int an = c.Nombre(4);
  c.Exiger("-");
  const int mois = c.Nombre(2);
  c.Exiger("-");
  const int jour = c.Nombre(2);
  c.Exiger("Tt ");
  const int heure = c.Nombre(2);
  c.Exiger(":");
  const int minute = c.Nombre(2);
  int seconde = 0;
  if (c.Passer(":")) {
    seconde = c.Nombre(2);
    if (c.Passer(".,")) {
      c.Nombre(1);
      while (c.Chiffre()) c.Nombre(1);
    }
  }
  const year_month_day date{year{an}, month{static_cast<unsigned>(mois)},
                            day{static_cast<unsigned>(jour)}};
  const std::optional<Instant> decalage = Decalage(c);
  if (!decalage || !date.ok() || heure > 23 || minute > 59 || seconde > 59) return std::nullopt;
  const Instant jours = sys_days(date).time_since_epoch().count();
  return jours * kSecondesParJour + heure * kSecondesParHeure + minute * kSecondesParMinute +
         seconde - *decalage;
}

std::optional<Instant> InstantApres(Instant depart, double heures) {
  const Instant fin =
      sys_days(year{kAnMax + 1} / January / 1).time_since_epoch().count() * kSecondesParJour;
  const double minutes =
      std::round((static_cast<double>(depart) + heures * static_cast<double>(kSecondesParHeure)) /
                 static_cast<double>(kSecondesParMinute));
  if (!(minutes * static_cast<double>(kSecondesParMinute) < static_cast<double>(fin))) {
    return std::nullopt;
  }
  return static_cast<Instant>(minutes) * kSecondesParMinute;
}

std::string TexteInstant(Instant t) {
  const std::string xml = TexteInstantXml(
      static_cast<Instant>(std::round(static_cast<double>(t) / kSecondesParMinute)) *
      kSecondesParMinute);
  return xml.substr(0, xml.size() - 4) + "Z";  // without ":00Z"'s seconds
}

std::string TexteInstantXml(Instant t) {
  const Instant jours = (t >= 0 ? t : t - (kSecondesParJour - 1)) / kSecondesParJour;
  const Instant s = t - jours * kSecondesParJour;
  const year_month_day date{sys_days{days{jours}}};
  char texte[32];
  std::snprintf(texte, sizeof texte, "%04d-%02u-%02uT%02d:%02d:%02dZ",
                static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                static_cast<unsigned>(date.day()), static_cast<int>(s / kSecondesParHeure),
                static_cast<int>(s % kSecondesParHeure / kSecondesParMinute),
                static_cast<int>(s % kSecondesParMinute));
  return texte;
}

}  // namespace orbalide
