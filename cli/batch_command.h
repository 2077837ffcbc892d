#pragma once
// `caelix batch`: many charts, one CSV row in and one JSON line out each, streamed.
#include <iosfwd>
#include <string>

namespace CLI {
class App;
}

namespace caelix {

struct BatchOptions {
  unsigned threads = 0;  // 0: the number of cores
  bool pages = false;
  bool progress = true;            // a progress line on stderr when it is a terminal and the run is long
  std::string engine = "precise";  // "precise" or "classic"
  std::string resolve;             // "earlier" or "later": a repeated or skipped local time's reading; "" refuses
};

CLI::App* AddBatchCommand(CLI::App& app, BatchOptions& options);

// Reads rows from in until its end and writes one JSON line per good row to out, in input
// order; a row with a place or a tz is resolved as `chart --place`/`--tz` resolve it, on the
// computing threads, and its line carries "localTime", "ut" and "place" as `chart --json`'s; a bad row (a line too long
// among them) gets one line on err with its line number and the reason. A bad header ends the run after its line; an
// exception of in's stream buffer (a read error) ends it with a line on err. Memory stays bounded by one block of lines
// of at most kMaxLineBytes whatever the input. Returns 0, or 1 when a row was bad, the input could not be read or out
// failed (the run stops at the first block out refuses; saying why is the caller's part).
int RunBatchCommand(const BatchOptions& options, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace caelix
