#pragma once
// What `caelix --version` says: the program's version and the data sets built into it.
#include <span>
#include <string>
#include <string_view>

namespace caelix {

// One data set the program carries: what it is, the version of its source, and its licence.
struct DataSet {
  std::string_view name;
  std::string_view version;
  std::string_view licence;
};

// Returns the program's version ("0.1.0"), the project version of the build.
std::string_view CaelixVersion();

// Returns the data sets built into the program, in the order --version lists them.
std::span<const DataSet> DataSets();

// Returns the text of `caelix --version`: "caelix VERSION", then "Data sets:" and for each its
// name, its source's version and its licence on three lines; every line ends with "\n".
std::string VersionText();

}  // namespace caelix
