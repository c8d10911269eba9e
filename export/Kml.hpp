// KML files of one placemark.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orbalide {

// The text with "&", "<" and ">" written as XML's entities, a tab as "&#9;", and each byte that
// is no valid UTF-8 and each other character that XML text may not hold (the control characters
// of TexteXml) written as U+FFFD, so that the file stays XML whatever the text: a file name in
// Latin-1, "a\x01b".
std::string EchapperXml(std::string_view texte);

// Whether a text can stand in a file as XML text: valid UTF-8 of characters that XML allows,
// without the control characters (C0, DEL and C1, U+0085 being a line break) that no file name
// should hold either; with `tabulations`, tabs allowed (a waypoint's name).
bool TexteXml(std::string_view texte, bool tabulations = false);

// The folder, in the user's documents, that the windows export their files to when the
// program's own folder cannot take them.
inline constexpr std::string_view kDossierExport = "Orbalide";

// The name of a placemark whose name box is empty.
inline constexpr std::string_view kPointSansNom = "Point non nommé";

// The nine lines of the file, each ended by CR LF, in UTF-8. The name is written as typed, with
// "&", "<" and ">" escaped; latitude and longitude are decimal degrees, written in plain decimal
// notation with at most 15 significant digits.
std::string TexteKml(std::string_view nom, double latitude, double longitude);

// The file name of a placemark of slot `slot`: the name, or "Geo" for the unnamed placemark,
// then "(slot).kml". Nothing when the name cannot be one file name inside a directory: it holds
// "/", a NUL or another control character (C0, DEL or C1), is no valid UTF-8 (the file could
// not be read as XML), or the file name would be longer than 255 bytes.
std::optional<std::string> NomFichierKml(std::string_view nom, int slot);

}  // namespace orbalide
