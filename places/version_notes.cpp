#include "places/version_notes.h"

#include "places/atlas.h"
#include "places/local_time.h"

namespace caelix {

std::string DataVersionNotes() {
  return "Time zones: IANA tzdata " + TzdataVersion() + " (the system's, /usr/share/zoneinfo)\n" +
         "Place data: " + std::string(Atlas::Embedded().SourceText()) + "\n";
}

}  // namespace caelix
