#!/usr/bin/env python3
"""Plants single-point faults in the product code, one at a time, and counts how many the test
suites catch. Slow (a build and a test run per fault), so it is not part of the test command.

Usage: tests/mutants/mutants.py [BUILD_DIR] [--only=N,M,...] [--which]

With --which every suite runs for every fault, and the tests that failed are listed beside it:
slower, but it shows which tests hold which faults.

Each fault is a piece of code that stands exactly once in one file (the file is found by its
name, wherever it lies under the product's folders, or by its path from the root) and what replaces it. A fault whose code is
no longer found is reported as such rather than counted.
"""
import os
import pathlib
import re
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]
FOLDERS = ["core", "forms", "window", "passage", "export", "about", "qt", "calc"]

# (file name, or names it had, code, replacement, what the fault is)
FAULTS = [
    # core
    ("Angles.hpp", "if (x <= y) return Atan(y / x) - Pi;", "if (x <= y) return Atan(y / x) + Pi;",
     "arctangent quadrant constant"),
    ("Angles.hpp", "if (course > 360) course = course - 360;",
     "if (course >= 360) course = course - 360;", "course normalisation keeps 360"),
    ("Angles.hpp", "if (longitude < -180) longitude", "if (longitude <= -180) longitude",
     "longitude normalisation keeps -180"),
    ("Angles.hpp", "std::array{'E', 'W'}", "std::array{'W', 'E'}", "hemisphere letters swapped"),
    ("Ellipsoide.hpp", "6356514.86955", "6356514.86950", "catalogue digit, Clarke 1880 b"),
    ("Ellipsoide.hpp", "300.801697979", "300.801697997", "catalogue digit, Everest 1/f"),
    ("Ellipsoide.hpp", "6378136.0, 6356751.362", "6378163.0, 6356751.362",
     "catalogue digit, PZ-90 a"),
    ("Ellipsoide.cpp", "(kCirconferenceSphere / Pi) / 2",
     "(kCirconferenceSphere / 3.141592653589793) / 2", "sphere radius with the full double π"),
    ("ModFormules.cpp", "> 1e-14 && passes", "> 1e-12 && passes", "direct threshold"),
    ("ModFormules.cpp", "(1 - f) * Sqrt(sinAlpha * sinAlpha + t * t)",
     "(1 + f) * Sqrt(sinAlpha * sinAlpha + t * t)", "direct latitude formula"),
    ("Vincenty.hpp", "return (f / 16) * cosSqAlpha", "return (f / 15) * cosSqAlpha",
     "C coefficient"),
    ("inverse.cpp", "if (compteur == 0) return sansResultat;",
     "if (compteur < 0) return sansResultat;", "inverse gives a result without settling"),
    ("inverse.cpp", "lambda = L + vincenty::", "lambda = L - vincenty::", "inverse λ update"),
    ("inverse.cpp", "const Reel s = b * A", "const Reel s = a * A", "inverse distance scale"),
    ("InverseComplet.cpp", "(lon12 == 0 || pole)", "(lon12 == 0)",
     "a pole at two longitudes not the same point"),
    ("InverseComplet.cpp", "std::signbit(static_cast<double>(U1)) ? 1 : -1", "U1 > 0 ? -1 : 1",
     "from the equator, the geodesic south of it"),
    ("InverseComplet.cpp", "if (f == 0) return quartDeTour;", "if (f >= 0) return quartDeTour;",
     "Newton's method started a quarter turn away"),
    ("InverseComplet.cpp", "const bool echange = Abs(U1) < Abs(U2);", "const bool echange = false;",
     "the arrival farther from the equator than the departure"),
    ("Calculateur.cpp", "CalculInverseComplet(r_.Reference", "CalculInverse(r_.Reference",
     "nearly antipodal lines left without an answer"),
    ("Sexagesimal.cpp", "texte.Minutes = Entier(d.minutes + 1);",
     "texte.Minutes = Entier(d.minutes);", "course seconds carry"),
    ("Sexagesimal.cpp", "hemisphere == kHemisphereNegatif ? -valeur",
     "hemisphere != kHemispherePositif ? -valeur", "no hemisphere counts as south"),
    ("Nombres.cpp", "*i == '.' && IsDigit(i[1])", "(*i == '.' || *i == ',') && IsDigit(i[1])",
     "comma read as a decimal point"),
    ("Nombres.cpp", "if (whole < integerDigits) text.insert",
     "if (whole + 1 < integerDigits) text.insert", "picture padding"),
    ("Nombres.cpp", "std::chars_format::scientific, 14", "std::chars_format::scientific, 13",
     "general text with 14 digits"),
    # rhumb line
    ("Loxodromie.cpp", "{0, 13. / 48, -3. / 5", "{0, 13. / 24, -3. / 5", "Krüger's α2"),
    ("Loxodromie.cpp", "return DifferenceSommeSinus(c, Cos(x + y), Cos(d), d == 0 ? Reel(1)",
     "return DifferenceSommeSinus(c, Cos(x + y), Cos(d), d == 0 ? Reel(0)",
     "a rhumb line along a parallel"),
    ("Loxodromie.cpp", "(d == 0 ? Reel(1) : Sinh(d) / d)", "(d == 0 ? Reel(0) : Sinh(d) / d)",
     "rhumb line between points on one parallel"),
    ("Loxodromie.cpp", "(1 + produit) * cos12,\n                                                cos12 / dChiDTaup);",
     "(1 + produit) * cos12,\n                                                cos12);",
     "rhumb length's divided difference of the series"),
    ("Loxodromie.cpp", "return chi > 0 ? 1 / Tan(demiPi - chi) : -1 / Tan(demiPi + chi);",
     "return Tan(chi);", "τ′ near a pole with the library's π"),
    ("Loxodromie.cpp", "if (Abs(lon12) == 180) lon12 = brute > 0", "if (false) lon12 = brute > 0",
     "half a turn of longitude the way of the remainder"),
    ("Loxodromie.cpp", "(!meridien && (p1.Pole || Abs(mu2) == demiPi))",
     "(!meridien && Abs(mu2) == demiPi)", "a rhumb line leaving a pole off its meridian"),
    ("Loxodromie.cpp", "mu2 > 0 ? 90.0 : -90.0, Longitude(lon1, 0)}", "mu2 > 0 ? 90.0 : -90.0, lon1}",
     "the pole's longitude beyond 180"),
    # passage
    ("Parties.cpp", "for (double j = 1; j <= n; ++j)", "for (double j = 1; j < n; ++j)",
     "the last waypoint made by distance left out"),
    ("Orthodromie.cpp", "kEcartLongitude = 1e-11;", "kEcartLongitude = 1e-3;",
     "a meridian's crossing sought roughly"),
    ("Orthodromie.cpp", "Reel sigma = Reel(Pi) / 2 - sigma1;", "Reel sigma = Reel(Pi) / 2.01 - sigma1;",
     "the distance to a geodesic's vertex"),
    ("Orthodromie.cpp", "travers ? Reel(0)", "travers && false ? Reel(0)",
     "a waypoint on the parallel touching it a whole turn away"),
    ("Parties.cpp", "Contact(e, troncon.Fin, latitude, !est)", "Contact(e, troncon.Fin, latitude, est)",
     "the composite route's exit on the wrong side"),
    ("Parties.cpp", "if (s.Latitude > latitudeMax && s.Distance > 0",
     "if (s.Latitude > 90 && s.Distance > 0", "no composite sailing"),
    ("Passage.cpp", "prefixe + std::to_string(faits.size() + 1)",
     "prefixe + std::to_string(faits.size() + 2)", "made waypoints numbered from 2"),
    ("Passage.cpp", "heures, passage_.Heures});", "heures, heures});", "no running total of hours"),
    ("Passage.cpp", "  faits_ += faits.size();\n", "\n", "made waypoints counted leg by leg"),
    ("Passage.cpp", "if (std::fabs(points[i].Latitude) > reglages.LatitudeMax",
     "if (points[i].Latitude > reglages.LatitudeMax", "no maximum latitude south"),
    ("Passage.cpp", "std::remainder(donne.Longitude, kTour)", "donne.Longitude",
     "a waypoint's longitude beyond 180"),
    ("Passage.cpp", "passage_.Heures = static_cast<double>(passage_.Heures + Reel(heures));",
     "passage_.Heures += heures;", "hours that overflow summed to infinity"),
    ("Itineraire.cpp", "Ligne::Loxodromie}", "Ligne::Orthodromie}",
     "the KML line along the geodesics"),
    ("Itineraire.cpp", "kTour * std::round((ligne.back().Longitude - points[0].Longitude) / kTour)",
     "0", "the KML line jumps a turn across 180"),
    ("Gpx.cpp", "\"><name>\" + EchapperXml(p.Nom)", "\"><name>\" + std::string(p.Nom)",
     "a route point's name not escaped"),
    # generic window rules
    ("Controles.cpp", "  if (text == text_) return;\n", "\n",
     "change handler runs for the same text"),
    ("Controles.cpp", "c->Container == Container", "c->Container != Container",
     "option buttons of other frames"),
    ("Controles.cpp", "  text_ = text;\n  listIndex_ = -1;\n", "  text_ = text;\n",
     "typed combo text keeps the item"),
    ("Controles.cpp", "c->CoveredBy != nullptr && c->CoveredBy->Shown()", "false",
     "covered controls count as shown"),
    ("Fenetre.cpp|Controles.cpp", "? *before : order.back();", "? *before : order.front();",
     "Shift+Tab does not wrap"),
    ("Controles.cpp", "if (box.CommaIsPoint) std::replace", "if (!box.CommaIsPoint) std::replace",
     "a typed comma is kept"),
    ("Texte.cpp", "text.find_last_not_of(' ') - first + 1", "text.find_last_not_of(' ') - first",
     "trim cuts a character"),
    # main window
    ("Saisie.cpp", "{&FormFormules::LatD, 2, true,", "{&FormFormules::LatD, 2, false,",
     "latitude degrees advance in the direct departure only"),
    ("Saisie.cpp", "{&FormFormules::LATS, 0, true,", "{&FormFormules::LATS, 0, false,",
     "latitude seconds advance in the direct departure only"),
    ("Saisie.cpp", "LireNombre(Text1[0].Text()) > kRouteMaximale",
     "LireNombre(Text1[0].Text()) >= kRouteMaximale", "course of 360 refused"),
    ("Saisie.cpp", "Left(partie, 1) == std::string(1, LettresHemisphere(axe)[0])",
     "Left(partie, 1) != std::string(1, LettresHemisphere(axe)[1])", "paste hemisphere test"),
    ("Saisie.cpp", "Trim(Mid(s, espace, 13))", "Trim(Mid(s, espace, 12))", "paste latitude width"),
    ("Commandes.cpp", "entiers < 180 ? degres + 180", "entiers <= 180 ? degres + 180",
     "return course boundary"),
    ("Commandes.cpp", "EnMetres(LireNombre(Text2.Text()), UniteChoisie())",
     "EnMetres(LireNombre(Text2.Text()), Unite::Metres)", "forward unit"),
    ("Commandes.cpp", "LettreHemisphere(r.Longitude, Axe::Longitude)",
     "LettreHemisphere(r.Latitude, Axe::Longitude)", "arrival longitude letter"),
    ("Commandes.cpp", "r.Distance < kLimitePieds", "r.Distance <= kLimitePieds",
     "feet tooltip at 10000 m"),
    ("Commandes.cpp", "kMetresParPied = 0.3048", "kMetresParPied = 0.3047", "feet constant"),
    ("Transferts.cpp", "    FB[0].ToolTipText = \"\";\n", "\n",
     "a failed forward keeps the course tooltip"),
    ("Transferts.cpp", "Text3.ToolTipText = Text1[5].ToolTipText = Text1[8].ToolTipText = \"\"",
     "Text3.ToolTipText = \"\"", "a failed inverse keeps the course tooltips"),
    ("Commandes.cpp", "ExpliquerSansResultat(EnAnglais());", "ExpliquerSansResultat(false);",
     "the cause of no result always in French"),
    ("Langue.cpp", "if (sansResultat_) ExpliquerSansResultat(anglais);", "",
     "the cause of no result does not follow the flag"),
    ("Precision.cpp", "  Text3.ToolTipText = \"\";\n  sansResultat_", "  sansResultat_",
     "the unit label keeps the feet"),
    ("Transferts.cpp", "CopierHemispheres(1, 3);", "CopierHemispheres(0, 3);",
     "inverse arrival hemisphere"),
    ("Transferts.cpp", "= Emplacements(slot).Liste(axe)->GetChoice();",
     "= Emplacements(slot).Liste(Axe::Latitude)->GetChoice();",
     "exchange of the longitude hemispheres"),
    ("Precision.cpp", "centiemes % 2 == 1", "centiemes % 2 == 0", "half to even"),
    ("Precision.cpp", "Unite::Milles ? textes::Milles : textes::Metres",
     "Unite::Milles ? textes::Metres : textes::Milles", "unit label"),
    ("window/Libelles.hpp", "\"Back HDG °\"", "\"Back HGD °\"", "English caption typo"),
    ("window/Libelles.hpp", "Maximale{\"Maximale\"", "Maximale{\"Maximal\"", "French caption typo"),
    ("Demarrage.cpp", "Combo3.Text() + \" **\"", "Combo3.Text() + \"**\"", "title text"),
    ("Disposition.cpp", "  Sortie(Text3);\n", "\n", "inverse distance editable"),
    # KML export
    ("Kml.cpp", "texte += \"&lt;\";", "texte += \"<\";", "'<' not escaped"),
    ("Kml.cpp", "kPointSansNom ? \"Geo\"", "kPointSansNom ? \"Geo \"", "unnamed file name"),
    ("Kml.cpp", "return c >= 0x20 &&", "return c >= 0x09 &&",
     "tabs and line breaks in names"),
    ("Kml.cpp", "      texte += kRemplacement;\n", "      texte += nom.substr(debut, i - debut);\n",
     "bytes of no UTF-8 written into XML"),
    ("Kml.cpp", "kFinDeLigne = \"\\r\\n\"", "kFinDeLigne = \"\\n\"", "line ends"),
    ("Route.hpp", "kPasRoute = 10000;", "kPasRoute = 20000;", "route points 20 km apart"),
    ("Gpx.cpp", "std::remainder(longitude, kTour)", "longitude",
     "GPX longitudes beyond 180"),
    ("Gpx.cpp", "return l == kTour / 2 ? -l : l;", "return l;", "a GPX longitude of 180 kept"),
    ("Route.cpp", "std::ceil(std::fabs(t.Distance) / kPasRoute)", "std::ceil(t.Distance / kPasRoute)",
     "a negative distance's track not sampled"),
    ("Route.cpp", "{{Reduite(t.Longitude1), t.Latitude1}}", "{{t.Longitude1, t.Latitude1}}",
     "a track's first longitude beyond 180"),
    # reading one field
    ("Lecture.cpp", "if (rang_ >= 0 && n.Valeur >= kComposanteMax)",
     "if (rang_ >= 0 && n.Valeur > kComposanteMax)", "60 minutes accepted"),
    ("Lecture.cpp", 'Marque{"s", kSecondes, true}', 'Marque{"s", kSecondes, false}',
     "a lower-case s always the seconds mark"),
    ("Lecture.cpp", 'Marque{"º", kDegres},', "", "the masculine ordinal no degree mark"),
    ("Lecture.cpp", "n.Longueur != 0 && entier &&", "false &&", "a trailing point refused"),
    # orbalide-calc
    ("Champs.cpp", "if (virgules && c.Nombre < decimaux) std::replace", "if (virgules && c.Nombre < decimaux && false) std::replace",
     "decimal comma not read"),
    ("Champs.cpp", "if (l_[i_] == '\"') ++i_;", "", "doubled quote kept double"),
    ("Enregistrements.cpp|Lignes.cpp", "texte[longueur - 1] == '\\r'", "texte[longueur - 1] == '\\n'",
     "CR LF line ends keep the CR"),
    ("Decimal.cpp", "Entier128{1} << (decalage - 1)", "Entier128{1} << decalage",
     "decimals rounded from the wrong half"),
    ("Decimal.cpp", "(reste == moitie && (entier & 1) != 0)", "reste == moitie",
     "ties rounded away from zero"),
    ("Ecriture.cpp", "ecrit.starts_with('-') && Nul(ecrit)", "false", "a zero written -0"),
    ("Ecriture.cpp", 't.Degres == "360") t.Degres.clear();', 't.Degres == "360") {}',
     "a course of a whole turn written 360 with --dms"),
    ("Ecriture.cpp", "milles ? kDecimalesMilles : kDecimalesMetres",
     "milles ? kDecimalesMetres : kDecimalesMilles", "distance decimals of the other unit"),
    ("Textes.cpp", "for (const char* reglage : {lcAll, lcMessages, lang})",
     "for (const char* reglage : {lang, lcMessages, lcAll})", "LANG before LC_ALL"),
    ("Ellipsoide.cpp", "!std::isspace(x, c) && ", "", "spaces count in ellipsoid names"),
    ("Ellipsoide.hpp", '{{}, "intl", ""}', '{{}, "", ""}', "PROJ's name of International 1924"),
    ("calc/Fichiers.cpp", "  if (lu) return Conflit::Lu;", "  if (lu && nom.empty()) return Conflit::Lu;",
     "a file of geodesics written over an input"),
    ("Calculateur.cpp", "std::fabs(longitude) <= 180 ?", "std::fabs(longitude) <= 1e9 ?",
     "longitudes beyond 180° out"),
    ("calc/Programme.cpp", "bool enTete = o_.Csv;", "bool enTete = false;",
     "CSV header read as a line"),
    ("Sortie.cpp", "    if (fd < 0) return errno;\n    ::close(fd);", "    if (fd >= 0) ::close(fd);",
     "a read-only file of geodesics replaced"),
    ("calc/Fichiers.cpp", "  if (MemeFichier(::fileno(sortie_), nom)) return Conflit::SortieStandard;\n",
     "\n", "a file of geodesics replaces the standard output's"),
    ("Options.cpp", "  if (valeur == \"-\") return", "  if (valeur == \"+\") return",
     "a file of geodesics named -"),
    ("Temporaires.cpp", "    if (defaut) ::sigaction", "    if (defaut && s < 0) ::sigaction",
     "temporary files left by a signal"),
    ("calc/Programme.cpp", "(tampon_.Plein() || !lecteur.Prete())", "tampon_.Plein()",
     "a line typed at a terminal answered late"),
    ("calc/Fichiers.cpp", "    if (nom == kEntreeStandard) {", "    if (nom.empty()) {",
     "- as an operand taken for a file"),
    ("Textes.cpp", "  if (fichier) return std::string(*fichier) + \":\" + numero;",
     "  if (fichier) return \"-:\" + numero;", "messages without their file"),
    ("calc/main.cpp", "  std::setlocale(LC_CTYPE, \"\");\n", "\n", "the system's messages in ASCII"),
    ("calc/Programme.cpp", "  if (enTeteEcrit_) return;\n", "\n", "a CSV header for each file"),
    ("calc/Programme.cpp", "  calculateur_.Dialecte(separateur);\n", "\n",
     "answers in commas under a header of semicolons"),
    ("Calculateur.cpp", "if (separateur_ == ';') sortie.Remplacer", "if (separateur_ == 'x') sortie.Remplacer",
     "decimal points under semicolons"),
    ("calc/Programme.cpp", "  if (r.Suite) calculateur_", "  if (r.Suite && false) calculateur_",
     "identifiers and comments dropped"),
    ("Champs.cpp", "    ligne = ligne.first(marque);\n", "\n", "a comment read as fields"),
    ("Champs.cpp", "      if (c.Nombre == kChampsParLigne) {",
     "      if (c.Nombre == kChampsParLigne && i_ < l_.size()) {", "a trailing separator dropped"),
    ("Enregistrements.cpp|Lignes.cpp", "  if (!etat.Ouvert()) return e;", "  return e;", "a quoted line break ends the record"),
    ("Options.cpp", "courtes.c_str(), longues.data()", "(\"+\" + courtes).c_str(), longues.data()",
     "options after the operands taken for files"),
    ("Options.cpp", "OptionConnue{\"help\", 'h',", "OptionConnue{\"help\", 0,", "no -h"),
    ("calc/Programme.cpp", "fichiers_.Entrees().size() > 1 ? std::optional(fichier)",
     "fichiers_.Entrees().size() > 9 ? std::optional(fichier)",
     "tracks of several inputs named alike"),
    # orbalide-calc's rhumb lines and routes
    ("Calculateur.cpp", "  if (r_.Chemin == Ligne::Loxodromie) {\n    const ResultatInverseLoxodromie",
     "  if (false) {\n    const ResultatInverseLoxodromie", "inverse --rhumb along the geodesic"),
    ("Calculateur.cpp", "RouteReduite(course1), r_.Chemin}",
     "course1 + 0 * RouteReduite(course1), r_.Chemin}", "a rhumb line's course2 of -90"),
    ("Calculateur.cpp", "if (!r.Obtenu) {", "if (false) {", "a rhumb line past a pole answered"),
    ("Calculateur.cpp", "0, 0, lat2, lon2, 0, r_.Chemin};", "0, 0, lat2, lon2, 0, Ligne::Orthodromie};",
     "inverse --rhumb's track along the geodesic"),
    ("Calculateur.cpp", "RouteReduite(course1), r_.Chemin}", "RouteReduite(course1), Ligne::Orthodromie}",
     "direct --rhumb's track along the geodesic"),
    ("Options.cpp", "(p == Portee::Route) != route) {", "(p == Portee::Route) != route && false) {",
     "an option of another command accepted"),
    ("Options.cpp", "lue.Valeur <= 0", "lue.Valeur < 0", "a route's setting of 0 accepted"),
    ("Escales.cpp", "c.Suite ? c.Suite->data() : ", "", "a waypoint's comment in its name"),
    ("Escales.cpp", "if (enTete) continue;", "", "a whole text's CSV header read as a waypoint"),
    ("Escales.cpp", "std::replace(cellule.begin(), cellule.end(), ',', '.');", "",
     "a cell's decimal comma not read"),
    ("Champs.cpp", "if (virgules && c.Nombre < decimaux) std::replace",
     "if (virgules && (c.Nombre < decimaux || true)) std::replace",
     "a waypoint's name's commas made points"),
    ("Champs.cpp", "decimal_ = separateur_ == ';' && c.Nombre < decimaux_;",
     "decimal_ = separateur_ == ';';", "a CSV name's commas made points"),
    ("Etapes.cpp", "  if (!guillemets) return sortie.Ecrire(texte);",
     "  if (!guillemets || true) return sortie.Ecrire(texte);", "route's names never quoted"),
    ("Etapes.cpp", ": texte.empty());", ": false);", "an empty field left out of plain text"),
    ("Etapes.cpp", "Temps(t.Heures, t.HeuresCumulees, sortie);", "Temps(t.Heures, t.Heures, sortie);",
     "no time since the first waypoint"),
    ("Etapes.cpp", "Debut(kTotal, p.Points.front(), p.Points.back(), sortie);",
     "Debut(kTotal, p.Points.front(), p.Points[1], sortie);", "the total's last waypoint"),
    ("Etapes.cpp", "  if (separateur_ == ';') sortie.Remplacer", "  if (false) sortie.Remplacer",
     "route's decimal points under semicolons"),
    ("Etapes.cpp", "  for (const std::string_view nom : kColonnesTemps) {\n    if (temps_)",
     "  for (const std::string_view nom : kColonnesTemps) {\n    if (!temps_)",
     "the times' header without the times"),
    ("CommandeRoute.cpp", "EnMetres(o_.Intervalle, o_.Distances)", "o_.Intervalle",
     "--every in metres whatever the unit"),
    ("CommandeRoute.cpp", "  if (!tousLus_) return kLignesSansReponse;\n",
     "  if (!tousLus_ && false) return kLignesSansReponse;\n", "a route past its bad waypoints"),
    ("CommandeRoute.cpp", "  if (!tousLus_) return kLignesSansReponse;\n",
     "  if (!tousLus_) return fichiers_.Fermer(), kLignesSansReponse;\n",
     "a failed route replaces the file"),
    ("CommandeRoute.cpp", "documents && !TexteXml(point->Nom)", "documents && false",
     "names that XML cannot hold"),
    ("CommandeRoute.cpp", "o_.Csv ? separateur_ : ' '", "o_.Csv ? ',' : ' '",
     "route's CSV in commas under a header of semicolons"),
    ("CommandeRoute.cpp", "lieux_.push_back({entree.NomLu(), e->Ligne});",
     "lieux_.push_back({entree.NomLu(), lieux_.size() + 1});", "waypoints' lines counted without blanks"),
    ("CommandeRoute.cpp", "erreur.Quoi != Motif::Reglages && erreur.Quoi != Motif::AucunPoint",
     "erreur.Quoi != Motif::Reglages", "a passage of no waypoint told at a line"),
    ("CommandeRoute.cpp", "TexteKmlPassage(p, nom, TexteLigneKml(anglais_))", "TexteKmlPassage(p, nom, \"\")",
     "the KML line's description"),
    ("Champs.cpp", "    if (c == '\"') cite = !cite;\n", "\n",
     "a CSV header's separator taken from a quoted name"),
    ("Sortie.cpp", "  nom_ = Cible(nom);", "  nom_ = Cible(nom).empty() ? \"\" : nom;",
     "a symbolic link replaced by the file of geodesics"),
    ("InverseComplet.cpp", "  if (r.Confondus) return kMemePoint;\n", "\n",
     "points too close for an arc given Newton's courses"),
    # About window
    ("apropos.cpp", "\"Version: \" +", "\"Version \" +", "version text"),
    ("apropos.cpp", "?subject=Tiramoss V", "?subject=Tiramoss%20V", "mail subject encoded"),
    ("apropos.cpp", "if (Index == 0) {", "if (Index == 1) {", "web link closes the window"),
    ("about/Textes.hpp", "regarding the ellipsoïd used", "regarding the ellipsoid used",
     "English About text typo"),
    # faults of the delivered window that once passed every suite
    ("Transferts.cpp", "  RouteDirecte.reset();\n", "\n", "a forward without result keeps the route"),
    ("Transferts.cpp", "  RouteInverse.reset();\n", "\n", "an inverse without result keeps the route"),
    ("Export.cpp", "ExporterRoute(emplacementMenu_ >= 2)", "ExporterRoute(emplacementMenu_ >= 3)",
     "the inverse departure's menu exports the direct route"),
    ("Disposition.cpp", "i < 3; ++i) Text1[i].CommaIsPoint", "i < 2; ++i) Text1[i].CommaIsPoint",
     "the course seconds keep a typed comma"),
    ("Disposition.cpp", "Text2.CommaIsPoint = true;", "Text2.CommaIsPoint = false;",
     "the distance keeps a typed comma"),
    ("Export.cpp", "if (!platform_.WriteFile(chemin, fichier->Contenu)) return std::nullopt;",
     "platform_.WriteFile(chemin, fichier->Contenu);", "a failed write is taken for done"),
    ("Saisie.cpp", "LATS[index].SetTypedText(", "LATS[index].SetText(",
     "a comma through the paste box ends the number"),
    ("Controles.cpp", "AsTyped(*this, text.substr(start, length))", "AsTyped(*this, text.substr(start))",
     "the comma rule changes what the program wrote"),
    ("Export.cpp",
     "  const std::optional<RouteCalculee>& route = inverse ? RouteInverse : RouteDirecte;\n",
     "  std::optional<RouteCalculee> route = inverse ? RouteInverse : RouteDirecte;\n"
     "  if (route) route->Geodesique.Reference = EllipsoideCourant;\n",
     "a route drawn on the ellipsoid chosen since"),
    ("Export.cpp", "nom(route->Depart, textes::PointDepart)",
     "nom(Emplacements(inverse ? 2 : 0).Nom->Text(), textes::PointDepart)",
     "a route's departure named after what its box holds since"),
    ("Export.cpp", "unite.En(anglais)", "unite.En(false)", "the route's unit always in French"),
    ("Transferts.cpp", "  SetFocus(LatD[0]);\n", "\n", "the focus after Directe left to repair"),
    ("Evenements.cpp", "form_.Focus() != control && !synchronising_", "form_.Focus() != control",
     "Qt's own focus moves taken into the model"),
    ("Controles.cpp", "if (listIndex_ >= 0) return listIndex_;", "return listIndex_;",
     "a list's first key lost without a selection"),
    ("Accessibles.cpp",
     "if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);\n"
     "    return QAccessibleWidget::interface_cast(t);",
     "return QAccessibleWidget::interface_cast(t);", "labels' texts hidden from screen readers"),
    ("Accessibles.cpp",
     "if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return Texte();",
     "if (t == QAccessible::Name) return Texte();", "labels named by their text"),
    # the keyboard and screen readers
    ("Disposition.cpp", "    bouton->TabStop = true;\n", "",
     "the flags, the globe and the unit out of the tab order"),
    ("Fabrique.cpp", "control.Pressable() ? Qt::TabFocus : Qt::NoFocus", "Qt::NoFocus",
     "the flags, the globe and the links not focusable"),
    ("Accessibles.cpp", "if (Widget()->Pressable) names.prepend(pressAction());", "",
     "no press action for screen readers"),
    ("Disposition.cpp", "MPrec.AccessKey = 'P';", "", "Alt+P opens nothing"),
    ("FormFormules.cpp", "Help = [this] { Image1_Click(); };", "", "F1 opens nothing"),
    ("Fenetre.cpp|Controles.cpp", "if (focus_->GetKind() == Kind::OptionButton) {", "if (false) {",
     "Space selects no option button"),
    ("Langue.cpp", "if (Focus() == &Image2[Index]) SetFocus(Image2[autre]);", "(void)autre;",
     "the focus lost with the flag pressed from the keyboard"),
    ("Accessibles.cpp", "return widget()->isWindow() ? QAccessible::Window : QAccessible::Client;",
     "return QAccessible::Client;", "the About window no window to screen readers"),
    ("apropos.cpp", "liens[i]->TabStop = true;", "", "the About window's links out of the tab order"),
    ("Langue.cpp", "{&Frame1, textes::UniteDistance}};", "};", "the unit group without a name"),
    ("Evenements.cpp", "      Widget(control)->clearFocus();\n", "",
     "a link focused as the About window opens"),
    ("Fabrique.cpp", "&QRadioButton::toggled", "&QRadioButton::clicked",
     "a screen reader's toggle of a unit not taken"),
    ("Controles.cpp", "return static_cast<std::int16_t>(std::min(item, last));",
     "return static_cast<std::int16_t>(item);", "Down from a list's last item empties it"),
    ("Controles.cpp", "const std::int16_t shown = ShownItem();", "const std::int16_t shown = -1;",
     "a typed letter chooses the first item it starts, not the next"),
    ("Evenements.cpp", "e.modifiers() & ~Qt::KeypadModifier;", "e.modifiers();",
     "keypad Enter computes nothing"),
    ("Evenements.cpp", "if (m == Qt::ShiftModifier) return Key::ContextMenu;", "",
     "Shift+F10 opens no menu"),
    ("FormFormules.cpp", "    INS[k].Action = [this, k] { LireCollage(k); };\n", "",
     "a paste box read by no key nor screen reader"),
    ("Fenetre.cpp|Controles.cpp", "      UserAction(static_cast<TextBox&>(*focus_));\n      return true;",
     "      return false;", "Shift+Return reads no paste box"),
    ("Fenetre.cpp|Controles.cpp", "!static_cast<TextBox*>(focus_)->Action)\n        return false;",
     "!static_cast<TextBox*>(focus_)->Action)\n        return UserKey(Key::Return);",
     "Shift+Return computes from any other box"),
    ("Disposition.cpp", "  ordre.push_back(&Label10);", "  ordre.insert(ordre.end() - 11, &Label10);",
     "the unit before the inverse panel's buttons in the tab order"),
    ("FormFormules.cpp", "for (OptionButton& o : Option1) o.Click = [this] { NommerBascule(EnAnglais()); };",
     "", "the unit button's name left behind by \"Mètres\" and \"Nm\""),
    ("Precision.cpp", "  NommerUnite();\n  NommerBascule(EnAnglais());", "  NommerUnite();",
     "the unit button's name left behind by its press"),
    ("Precision.cpp", "UniteChoisie() == Unite::Milles ? textes::VersMetres",
     "UniteChoisie() == Unite::Metres ? textes::VersMetres", "the unit button named after the unit in use"),
    ("Langue.cpp", "    INS[k].ActionName = textes::LirePosition.En(anglais);\n", "",
     "the paste box's reader action without a name"),
    ("Evenements.cpp", "      if (m == Qt::ShiftModifier) return Key::ShiftReturn;\n", "",
     "Shift+Return kept from the model"),
    ("Fabrique.cpp", "auto* edit = new Champ(parent);", "auto* edit = new QLineEdit(parent);",
     "a screen reader's text and the paste boxes' action lost"),
    ("Fabrique.cpp", "combo->setLineEdit(new Champ(combo));",
     "combo->setLineEdit(new QLineEdit(combo));", "a screen reader's hemisphere lost"),
    ("Fenetre.cpp|Controles.cpp", "  if (combo.Editable && item >= 0) return UserSelect(combo, item);",
     "  if (false) return UserSelect(combo, item);", "a written hemisphere typed, not chosen"),
    ("Copie.cpp", "if (auto* champ = qobject_cast<Champ*>(edit)) champ->Commande",
     "if (auto* champ = qobject_cast<Champ*>(edit); champ && champ->Commande.isEmpty()) champ->Commande",
     "the reader action's name left in French"),
    ("Accessibles.cpp", "      emit Widget()->Commandee();\n", "", "the reader's action reads nothing"),
    ("Accessibles.cpp", "    emit Widget()->textEdited(text);\n", "",
     "a paste box's text written by a screen reader lost"),
    ("Accessibles.cpp",
     "if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);\n"
     "    if (t == QAccessible::EditableTextInterface)",
     "if (t == QAccessible::EditableTextInterface)", "a paste box's text hidden from screen readers"),
    ("Ajustement.cpp", "static_cast<double>(largeur - cadre.Marge) / texte",
     "static_cast<double>(largeur) / texte", "fitting shrinks the margin too"),
]


def find(names):
    for name in names.split("|"):
        if "/" in name and (ROOT / name).is_file():
            return ROOT / name
        for folder in FOLDERS:
            for path in (ROOT / folder).rglob(name):
                return path
    return None


def run(cmd, build):
    return subprocess.run(cmd, cwd=build, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    which = "--which" in sys.argv[1:]
    only = None
    for a in sys.argv[1:]:
        if a.startswith("--only"):
            only = {int(n) for n in a.split("=", 1)[1].split(",")}
    build = pathlib.Path(args[0] if args else ROOT / "build-mutants").resolve()
    subprocess.run(["cmake", "-S", str(ROOT), "-B", str(build), "-G", "Ninja",
                    "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DORBALIDE_TESTS=ON"],
                   check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", str(build)], check=True, stdout=subprocess.DEVNULL)
    caught = missed = absent = 0
    for n, (name, code, replacement, what) in enumerate(FAULTS, 1):
        if only and n not in only:
            continue
        path = find(name)
        text = path.read_text() if path else ""
        if text.count(code) != 1:
            print(f"{n:2} absent  {name}: {what}")
            absent += 1
            continue
        path.write_text(text.replace(code, replacement))
        try:
            built = run(["cmake", "--build", "."], build).returncode == 0
            ctest = ["ctest", "-j", str(os.cpu_count()), "--timeout", "120"]
            tests = subprocess.run(ctest + ([] if which else ["--stop-on-failure"]), cwd=build,
                                   capture_output=True, text=True) if built else None
            passed = built and tests.returncode == 0
        finally:
            path.write_text(text)
        failed = re.findall(r"^\s*\d+ - (\S+) \(", tests.stdout, re.M) if tests else ["(build)"]
        if passed:
            missed += 1
        else:
            caught += 1
        print(f"{n:2} {'MISSED' if passed else 'caught'}  {name}: {what}"
              + (f" :: {' '.join(failed)}" if which else ""), flush=True)
    run(["cmake", "--build", "."], build)
    print(f"caught {caught} of {caught + missed}; {absent} no longer apply")


if __name__ == "__main__":
    main()
