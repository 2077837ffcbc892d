// What people expect of a command-line tool: --version, a manual page, the stored files found in
// the user's configuration folder and nowhere else.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <string>

#include "support/run.h"
#include "support/temp_dir.h"

namespace caelix {
namespace {

using testing::ReadWhole;
using testing::RunCaelix;
using testing::TempDir;

TEST(CommandLine, VersionNamesTheProgramAndTheEphemerisTheTablesCameFrom) {
  const auto r = RunCaelix("--version");
  ASSERT_EQ(0, r.status) << r.err;
  EXPECT_TRUE(std::regex_search(r.out, std::regex("^caelix [0-9]+\\.[0-9]+\\.[0-9]+\n"))) << r.out;
  // Every data set has its source and licence.
  std::size_t sets = 0;
  for (std::size_t at = r.out.find("\n  "); at != std::string::npos; at = r.out.find("\n  ", at + 1)) {
    if (r.out.compare(at + 3, 1, " ") == 0) continue;  // a source or licence line
    ++sets;
    const std::size_t next = r.out.find("\n  ", r.out.find("\n    licence: ", at) + 1);
    EXPECT_NE(std::string::npos, r.out.substr(at, next - at).find("\n    source: ")) << r.out;
  }
  EXPECT_EQ(4u, sets) << r.out;
  // The zones' database and the atlas' sources, with the attribution GeoNames asks for.
  EXPECT_TRUE(std::regex_search(r.out, std::regex("\nTime zones: IANA tzdata [0-9]{4}[a-z]"))) << r.out;
  EXPECT_NE(std::string::npos, r.out.find("GeoNames (geonames.org), CC BY")) << r.out;
  // Each generated table says which Swiss Ephemeris made it; --version must name that one.
  const std::regex made("from the Swiss Ephemeris ([^,:]+)[,:]");
  int tables = 0;
  for (const auto& entry : std::filesystem::directory_iterator(CAELIX_SOURCE_DIR "/astro/tables")) {
    if (!entry.path().filename().string().ends_with("_generated.cpp")) continue;
    std::smatch m;
    const std::string head = ReadWhole(entry.path()).substr(0, 400);
    ASSERT_TRUE(std::regex_search(head, m, made)) << entry.path();
    EXPECT_NE(std::string::npos, r.out.find("Swiss Ephemeris " + m[1].str()))
        << entry.path() << " was made with " << m[1] << "; --version says\n"
        << r.out;
    ++tables;
  }
  EXPECT_EQ(13, tables);  // the twelve bodies and Pluto
}

void WritePlace(const std::filesystem::path& folder, double longitude, double latitude) {
  std::filesystem::create_directories(folder);
  const double v[2] = {longitude, latitude};
  std::ofstream(folder / "aplace.bin", std::ios::binary).write(reinterpret_cast<const char*>(v), sizeof v);
}

TEST(CommandLine, StoredFilesAreReadFromTheConfigurationFolderOnly) {
  TempDir t;
  const auto config = t.Path() / "config";
  const auto home = t.Path() / "home";
  const auto old = t.Path() / "old";
  WritePlace(config / "caelix", 1.5, 2.5);
  WritePlace(home / ".config" / "caelix", 3.5, 4.5);
  WritePlace(old, 5.5, 6.5);  // where an older version kept it: the working folder
  WritePlace(t.Path() / "chosen", 7.5, 8.5);
  const std::string cdOld = "cd " + old.string() + " && ";
  const struct {
    std::string prefix;
    std::string options;
    double longitude;
    double latitude;
  } cases[] = {
      {cdOld + "XDG_CONFIG_HOME=" + config.string(), "", 1.5, 2.5},
      {cdOld + "env -u XDG_CONFIG_HOME HOME=" + home.string(), "", 3.5, 4.5},
      {cdOld + "XDG_CONFIG_HOME= HOME=" + home.string(), "", 3.5, 4.5},                  // empty: unset
      {cdOld + "XDG_CONFIG_HOME=relative HOME=" + home.string(), "", 3.5, 4.5},          // relative: unset
      {cdOld + "XDG_CONFIG_HOME=" + (t.Path() / "empty").string(), "", 14.417, 50.083},  // nothing stored
      {cdOld + "XDG_CONFIG_HOME=" + config.string(), "--data-dir " + (t.Path() / "chosen").string(), 7.5, 8.5},
      {cdOld, "--data-dir .", 5.5, 6.5},
  };
  for (const auto& c : cases) {
    const auto r = RunCaelix("chart --json --date 2000-01-01 --time 12:00 " + c.options, "", c.prefix);
    ASSERT_EQ(0, r.status) << c.prefix << ": " << r.err;
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(c.longitude, j["input"]["longitude"].get<double>()) << c.prefix << " " << c.options;
    EXPECT_EQ(c.latitude, j["input"]["latitude"].get<double>()) << c.prefix << " " << c.options;
  }
}

TEST(CommandLine, TheManualPageRendersWithoutWarningsAndNamesEveryOption) {
  const std::string page = CAELIX_SOURCE_DIR "/docs/caelix.1";
  testing::TempDir t;
  const std::string cmd = "LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l '" + page + "' >'" +
                          (t.Path() / "out").string() + "' 2>'" + (t.Path() / "err").string() + "'";
  ASSERT_EQ(0, std::system(cmd.c_str())) << ReadWhole(t.Path() / "err");
  EXPECT_EQ("", ReadWhole(t.Path() / "err"));
  const std::string shown = ReadWhole(t.Path() / "out");
  EXPECT_NE(std::string::npos, shown.find("caelix - natal-chart calculator"));

  // Each command and each of its options, as --help lists them, is on the page.
  const std::string source = ReadWhole(page);
  const std::regex option("--([a-z][a-z-]*)");
  for (const char* command : {"chart", "batch", "places", "gui", "completion"}) {
    EXPECT_NE(std::string::npos, source.find(std::string(".SS \"caelix ") + command + "\"")) << command;
    const std::string help = RunCaelix(std::string(command) + " --help").out;
    for (std::sregex_iterator m(help.begin(), help.end(), option), end; m != end; ++m) {
      const std::string name = (*m)[1].str();
      std::string roff = "\\-\\-";
      for (const char c : name) roff += c == '-' ? std::string("\\-") : std::string(1, c);
      EXPECT_NE(std::string::npos, source.find(roff)) << command << " --" << name << " is not on the page";
    }
  }
  EXPECT_NE(std::string::npos, source.find("\\-\\-version"));
}

}  // namespace
}  // namespace caelix
