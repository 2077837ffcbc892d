// The layers of docs/architecture.md, checked on the sources: what each folder includes, and
// that the knowledge of the catalogue and the input rules is written in them alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "chart/catalogue.h"
#include "chart/input_rules.h"
#include "ui/pages/page_list.h"

namespace caelix {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = CAELIX_SOURCE_DIR;

struct SourceLine {
  std::string file;  // relative to the source folder
  int number;
  std::string text;  // without a trailing // comment
};

// Every line of code of the .h and .cpp files directly in folder (not in its subfolders).
std::vector<SourceLine> CodeLines(const std::string& folder) {
  std::vector<SourceLine> lines;
  for (const auto& entry : fs::directory_iterator(kSource / folder)) {
    const std::string ext = entry.path().extension().string();
    if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
    std::ifstream in(entry.path());
    std::string line;
    for (int n = 1; std::getline(in, line); ++n) {
      const std::size_t comment = line.find("//");
      if (comment != std::string::npos) line.erase(comment);
      lines.push_back({folder + "/" + entry.path().filename().string(), n, line});
    }
  }
  return lines;
}

// What the #include lines of a folder name: project headers "a/b.h" and system headers <x>.
struct Includes {
  std::vector<SourceLine> project;
  std::vector<SourceLine> system;
};

Includes IncludesOf(const std::string& folder) {
  static const std::regex kProject(R"(^\s*#include\s+"([^"]+)\")");
  static const std::regex kSystem(R"(^\s*#include\s+<([^>]+)>)");
  Includes in;
  for (const SourceLine& line : CodeLines(folder)) {
    std::smatch m;
    if (std::regex_search(line.text, m, kProject)) in.project.push_back({line.file, line.number, m[1]});
    if (std::regex_search(line.text, m, kSystem)) in.system.push_back({line.file, line.number, m[1]});
  }
  return in;
}

TEST(Architecture, EachFolderIncludesOnlyItsLayerAndTheLayersBelow) {
  struct Case {
    std::string folder;
    std::vector<std::string> allowed;  // prefixes of the project headers it may include
    bool core;                         // standard library only, but for the libraries below
    std::vector<std::string> libraries = {};
  } const cases[] = {
      // The precise engine's astronomy uses ERFA and SLEEF (Debian's liberfa-dev, libsleef-dev)
      // and the compiler's vector intrinsics.
      {"astro", {"astro/"}, true, {"erfa.h", "erfam.h", "sleef.h", "immintrin.h"}},
      {"astro/tables", {"astro/tables/"}, true},
      {"astro/series", {"astro/"}, true},
      {"houses", {"astro/", "houses/"}, true},
      {"chart", {"astro/", "houses/", "chart/"}, true},
      {"ui/pages", {"astro/", "chart/", "ui/pages/"}, true},
      // The one exception: the wheel draws through the drawing port of platform/.
      {"ui/wheel", {"astro/", "chart/", "ui/pages/", "ui/wheel/", "platform/drawing_surface.h"}, true},
      {"platform", {"platform/", "resources/"}, false},
      {"resources", {"resources/"}, false},
      {"ui/dialogs", {"chart/", "ui/", "platform/"}, false},
      // Time zones, the atlas and the coordinate forms: front-end side, on the chart's calendar.
      {"places", {"chart/", "places/"}, false},
      {"app", {"chart/", "ui/dialogs/", "app/", "platform/", "places/"}, false},
      {"cli",
       {"astro/", "chart/", "houses/", "ui/", "app/", "platform/", "places/", "cli/", "web/serve_command.h"},
       false},
      // The program's entry (cli/main.cpp) also starts the web front end.
      {"web", {"astro/", "chart/", "houses/", "ui/", "app/", "platform/", "places/", "cli/", "web/"}, false},
  };
  for (const Case& c : cases) {
    const Includes in = IncludesOf(c.folder);
    EXPECT_FALSE(in.project.empty()) << c.folder << ": no sources read";
    for (const SourceLine& inc : in.project) {
      const bool ok = std::any_of(c.allowed.begin(), c.allowed.end(),
                                  [&](const std::string& prefix) { return inc.text.rfind(prefix, 0) == 0; });
      EXPECT_TRUE(ok) << inc.file << ":" << inc.number << " includes " << inc.text;
    }
    if (!c.core) continue;
    // The standard library's headers have a bare name: <cmath>, <string_view>.
    static const std::regex kStandard("^[a-z_]+$");
    for (const SourceLine& inc : in.system) {
      const bool library = std::find(c.libraries.begin(), c.libraries.end(), inc.text) != c.libraries.end();
      EXPECT_TRUE(std::regex_match(inc.text, kStandard) || library)
          << inc.file << ":" << inc.number << " includes <" << inc.text << ">";
    }
  }
}

// The labels and keys of the slots, the names of the house systems and of the pages are quoted
// in their home alone; the readers ask the catalogue.
std::string Quoted(std::string_view name) {
  std::string q(1, '"');
  q.append(name);
  q.push_back('"');
  return q;
}

TEST(Architecture, SlotHouseAndPageNamesAreQuotedInTheirHomeOnly) {
  std::vector<std::string> names;
  for (const SlotInfo& slot : kCatalogue) {
    for (std::string_view name : {slot.key, slot.label, slot.wheel.label}) {
      if (!name.empty()) names.push_back(Quoted(name));
    }
  }
  for (const HouseSystemInfo& h : kHouseSystems) names.push_back(Quoted(h.name));
  for (const PageInfo& p : kPages) names.push_back(Quoted(p.key));
  const std::vector<std::string> homes = {"chart/catalogue.h", "chart/input_rules.h", "ui/pages/page_list.h"};
  for (const std::string folder : {"chart", "ui/pages", "ui/wheel", "ui/dialogs", "app", "cli"}) {
    for (const SourceLine& line : CodeLines(folder)) {
      if (std::find(homes.begin(), homes.end(), line.file) != homes.end()) continue;
      for (const std::string& name : names) {
        EXPECT_EQ(std::string::npos, line.text.find(name)) << line.file << ":" << line.number << " quotes " << name;
      }
    }
  }
}

}  // namespace
}  // namespace caelix
