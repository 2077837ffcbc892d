#pragma once
// The one parser of coordinates as people copy them from maps and birth records, used by the
// command line, batch, the dialogs' helper and the web server.
#include <optional>
#include <string>
#include <string_view>

namespace caelix {

enum class CoordinateAxis { Latitude, Longitude };

struct ParsedCoordinate {
  std::optional<double> valueDeg;  // north and east positive
  std::string error;               // what is accepted, when valueDeg is empty
};

// Parses a latitude or a longitude in any of these forms (blanks allowed between the parts,
// letters in any case):
//   signed decimal degrees       40.4168   -3.7038   +51
//   degrees with a hemisphere    40.4168N  N40.4168  3.7038 W
//   degrees and minutes          40°25'N   3°42'W   40°25.1'N   40 25 N   -3°42'
//   the letter between them      40N25     3W42     40N25'01"   (minutes of two digits)
//   with seconds                 40°25'01"N   40°25'01.5"N
// Degree signs ° or º or the letter d; minute signs ' or ′; second signs " or ″ or ''. Minutes
// and seconds are 0 to under 60, only the last number may have a fraction, a sign and a
// hemisphere letter exclude each other, and the letter must suit the axis (N/S for a latitude,
// E/W for a longitude). A latitude is within -90 to 90, a longitude within -360 to 360 degrees.
ParsedCoordinate ParseCoordinate(std::string_view text, CoordinateAxis axis);

}  // namespace caelix
