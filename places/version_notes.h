#pragma once
// What `caelix --version` says of the data the program carries or reads.
#include <string>

namespace caelix {

// Returns two lines: "Time zones: IANA tzdata 2026f (the system's, /usr/share/zoneinfo)" and
// "Place data: GeoNames (geonames.org), CC BY: ..." (the atlas' sources), each ending in "\n".
std::string DataVersionNotes();

}  // namespace caelix
