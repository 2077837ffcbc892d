#include "platform/clock.h"

#include <chrono>

namespace caelix {

UtcDateTime CurrentUtc() {
  using namespace std::chrono;
  const auto now = floor<seconds>(system_clock::now());
  const auto today = floor<days>(now);
  const year_month_day ymd{today};
  const hh_mm_ss<seconds> hms{now - today};
  return UtcDateTime{static_cast<int>(ymd.year()),
                     static_cast<int>(static_cast<unsigned>(ymd.month())),
                     static_cast<int>(static_cast<unsigned>(ymd.day())),
                     static_cast<int>(hms.hours().count()),
                     static_cast<int>(hms.minutes().count()),
                     static_cast<int>(hms.seconds().count())};
}

}  // namespace caelix
