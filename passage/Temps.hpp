// The passage's clock: the departure as navigators write it (ISO 8601, with its zone), and the
// times of arrival at each waypoint, in UTC to the minute.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orbalide {

// An instant: whole seconds since 1970-01-01T00:00Z (negative before), from the year 0 to 9999.
using Instant = std::int64_t;

// A date and time of ISO 8601's extended form, with its zone: "2026-12-24T06:00Z",
// "2026-12-24T07:00+01:00", also with seconds ("06:00:30", their decimals dropped), "t" or a
// space for "T", "z" for "Z", offsets as "+01", "+0100" or "+01:00". Nothing for a time
// without a zone, an impossible date (2026-02-30), an hour beyond 23 or minutes and seconds
// beyond 59, a year outside 0 to 9999, or any other text.
std::optional<Instant> LireInstant(std::string_view texte);

// The instant `heures` (hours, 0 or more) after `depart`, rounded to the minute; nothing when it
// falls after the year 9999 or the hours are not finite.
std::optional<Instant> InstantApres(Instant depart, double heures);

// The instant in UTC as "2026-12-24T18:31Z" (rounded to the minute), the form of the ETA columns.
std::string TexteInstant(Instant t);

// The instant in UTC as XML Schema's dateTime, to the second: "2026-12-24T18:31:00Z", the form of
// GPX's <time>.
std::string TexteInstantXml(Instant t);

}  // namespace orbalide
