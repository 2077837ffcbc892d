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
};

CLI::App* AddBatchCommand(CLI::App& app, BatchOptions& options);

// Reads rows from in until its end and writes one JSON line per good row to out, in input
// order; a bad row gets one line on err with its line number and the reason. Memory stays
// bounded by one block of rows whatever the input's length. Returns 0, or 1 when a row was bad.
int RunBatchCommand(const BatchOptions& options, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace caelix
