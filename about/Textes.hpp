// The About window's two description texts in each language, and what screen readers call the
// window, which has no title, and its mail link, which shows the author's name.
#pragma once

#include <string_view>

namespace orbalide {

struct TextesApropos {
  std::string_view Description;  // Label2(1)
  std::string_view Precision;    // Label2(0)
  std::string_view Fenetre, Courriel;
};

inline constexpr TextesApropos kAproposFrancais{
    "   La terre n'est pas ronde... Voici les principaux modèles de orbalide (dont le plus "
    "communément employé, WGS-84) pour effectuer vos recherches en ''Directe'' (On connait la "
    "position de départ le cap initial, la distance) ou en ''Inverse'' (On connait les deux "
    "positions et on cherche le cap départ- cap arrivée, cap retour et distance)",
    "Les calculs sont effectués grâce à la méthode de Vincenty qui garantie, en fonction de "
    "l'ellipsoïde employée, une précision proche du millimètre.",
    "À propos d'Orbalide", "Écrire à l'auteur"};

inline constexpr TextesApropos kAproposAnglais{
    "   The earth is not round ... The main models of Geodesy (by default the most commonly used "
    "WGS-84) will help you to do your research in ''forward'' mode (One knows the initial "
    "position plus the initial course and distance) or ''Reverse''(One knows the two positions "
    "and looking on intial course + arrival course + heading back and distance) ",
    "Computations are done with Vincenty's method that gives, regarding the ellipsoïd used an "
    "accuracy that reaches the millimeter.",
    "About Orbalide", "Write to the author"};

}  // namespace orbalide
