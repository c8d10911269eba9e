// The fields of a record read by what they hold, and why a record gives no value: the reading
// of files, pasted texts and command lines.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "Champs.hpp"
#include "Enregistrements.hpp"
#include "Lecture.hpp"
#include "SansResultat.hpp"

namespace orbalide {

// The longest distance of a direct problem answered, metres either way: the direct solution's
// error grows with the distance, by about 7e-12 of it, and beyond this would pass 1 mm.
inline constexpr double kDistanceDirecteMax = 1e8;

// What a field holds.
enum class Genre { Latitude, Longitude, Route, Distance };

// Why a record has no answer.
struct Refus {
  enum class Motif {
    TropPeuDeChamps,
    TropDeChamps,
    LigneTropLongue,
    GuillemetOuvert,  // CSV: the input ends inside a quoted field
    Champ,
    SansResultat,
    NomXml,       // a waypoint's name that a GPX or KML file cannot hold
    NomPosition,  // a waypoint's name that begins with a word of a position (MotDePosition)
    TropLoin,     // a direct problem's distance beyond kDistanceDirecteMax
  };
  Motif Quoi;
  std::size_t Champs = 0;                  // TropPeuDeChamps: the fields found
  std::size_t Attendus = kChampsParLigne;  // TropPeuDeChamps, TropDeChamps: the fields read
  std::string_view Colonne{};              // Champ: the field's name, as the CSV header names it
  Genre Lu = Genre::Latitude;              // Champ: what it holds
  DefautLecture Defaut = DefautLecture::Aucun;     // Champ
  SansResultat Cause = SansResultat::HorsDomaine;  // SansResultat
};

// A record of blanks, answered by an empty line.
struct LigneVide {};

// A field's name, as the CSV header names it and refusals quote it, and what it holds.
struct Colonne {
  std::string_view Nom;
  Genre Lu;
};

// One field's text read by what it holds: LireCoordonnee on its axis, LireRoute, LireNombreSeul.
ValeurLue LireChamp(Genre genre, std::string_view texte);

// A record that cannot be read whatever its fields: one that the input ends inside a quoted field
// of, or one too long to keep.
std::optional<Refus> RefusEnregistrement(const Enregistrement& e);

// A field's value, by LireChamp; or its refusal.
std::variant<double, Refus> LireColonne(const Colonne& colonne, std::string_view texte);

// Reads the first colonnes.size() fields of `champs` into `valeurs`, each by LireColonne.
// Nothing, or the refusal of the first field that gives no value.
std::optional<Refus> LireColonnes(std::span<const Colonne> colonnes, const Champs& champs,
                                  std::span<double> valeurs);

// Why, in the words the user reads, French or English: "lat1 is beyond 90°", "3 fields, 4
// expected"; the causes without a result in the window's words (TexteSansResultat). Without the
// place of the record, which the caller puts before it.
std::string RaisonRefus(const Refus& refus, bool anglais);

}  // namespace orbalide
