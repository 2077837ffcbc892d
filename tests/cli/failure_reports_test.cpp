// Failures as a careless user, a full disk or a gone reader produce them, driven from the
// command line: each gives one clear line and the right exit status, and no old file is lost.
#include <gtest/gtest.h>

#include <string>

#include "support/run.h"

namespace caelix {
namespace {

using caelix::testing::RunShell;

struct Case {
  const char* name;
  const char* script;
  int status;
  const char* errPart;  // "" for a quiet run
  const char* outPart = "";
};

std::string Rows(int n) {
  std::string rows;
  for (int i = 0; i < n; ++i) rows += "2000-01-01,12:00,14,50,P\n";
  return rows;
}

void Check(const Case& c, const std::string& stdinText = {}) {
  const auto r = RunShell(c.script, stdinText);
  EXPECT_EQ(c.status, r.status) << c.name << "\n" << r.err;
  if (*c.errPart == '\0') {
    EXPECT_EQ("", r.err) << c.name;
  } else {
    EXPECT_NE(std::string::npos, r.err.find(c.errPart)) << c.name << ": " << r.err;
    EXPECT_EQ(1, std::count(r.err.begin(), r.err.end(), '\n')) << c.name << ": one line\n" << r.err;
  }
  EXPECT_NE(std::string::npos, r.out.find(c.outPart)) << c.name << ": " << r.out.substr(0, 300);
}

constexpr const char* kChart = "$CAELIX chart --date 2000-01-01 --time 12:00 --lon 1 --lat 1 --houses P";

TEST(FailureReports, AFailedWriteToStandardOutputIsAnError) {
  const std::string chart = kChart;
  const std::string noSpace = "caelix: cannot write standard output: No space left on device";
  const std::string tooLarge = "caelix: cannot write standard output: File too large";
  const std::string tmp = "d=$(mktemp -d); trap 'rm -rf $d' EXIT; ";
  const std::string cases[][4] = {
      {"chart text", chart + " >/dev/full", "1", noSpace},
      {"chart json", chart + " --json >/dev/full", "1", noSpace},
      {"chart all pages", chart + " --page all >/dev/full", "1", noSpace},
      {"batch", "$CAELIX batch >/dev/full", "1", noSpace},
      {"help", "$CAELIX --help >/dev/full", "1", noSpace},
      {"chart json, file-size limit", tmp + "ulimit -f 2; " + chart + " --json >$d/out", "1", tooLarge},
      {"batch, file-size limit", tmp + "ulimit -f 8; $CAELIX batch >$d/out", "1", tooLarge},
      {"batch to a file that fits", tmp + "ulimit -f 16384; $CAELIX batch >$d/out", "0", ""},
  };
  for (const auto& c : cases) {
    Check({c[0].c_str(), c[1].c_str(), std::stoi(c[2]), c[3].c_str()}, Rows(300));
  }
}

TEST(FailureReports, AReaderThatHasGoneEndsTheRunQuietlyAndAtOnce) {
  // SIGPIPE ignored, as `trap '' PIPE` leaves it: the write fails with EPIPE instead. The last
  // row is bad; a run that went on after the reader had gone would report it.
  const std::string input = Rows(5000) + "1999-13-01,00:00,0,0,P\n";
  const Case cases[] = {
      {"batch, SIGPIPE ignored",
       "trap '' PIPE; $CAELIX batch | head -c 10 >/dev/null; echo \"status ${PIPESTATUS[0]}\"", 0, "", "status 141"},
      {"batch, SIGPIPE default", "$CAELIX batch | head -c 10 >/dev/null; echo \"status ${PIPESTATUS[0]}\"", 0, "",
       "status 141"},
      {"chart, SIGPIPE ignored",
       "trap '' PIPE; (sleep 0.2; $CAELIX chart --date 2000-01-01 --page all) | true; echo \"status ${PIPESTATUS[0]}\"",
       0, "", "status 141"},
  };
  for (const Case& c : cases) Check(c, input);
}

TEST(FailureReports, StoredFilesThatAreNotRegularFilesCountAsMissing) {
  // With the place and the house system not given, the stored ones are read: a FIFO must not
  // block that (timeout would end the run with 124), a folder or a device must not be read.
  const std::string make[][2] = {
      {"FIFO", "mkfifo $d/NAME"},
      {"folder", "mkdir $d/NAME"},
      {"device", "ln -s /dev/zero $d/NAME"},
  };
  for (const auto& m : make) {
    for (const std::string name : {"aplace.bin", "ahouses.bin", "alastcall.bin"}) {
      std::string create = m[1];
      create.replace(create.find("NAME"), 4, name);
      const std::string script = "d=$(mktemp -d); trap 'rm -rf $d' EXIT; " + create +
                                 "; timeout 20 $CAELIX chart --date 2000-01-01 --time 12:00 --json --data-dir $d";
      const std::string label = m[0] + " " + name;
      Check({label.c_str(), script.c_str(), 0, "", "\"longitude\":14.417,\"latitude\":50.083,\"houseCode\":\"P\""});
    }
  }
}

TEST(FailureReports, AnSvgThatCannotBeWrittenLeavesTheOldFile) {
  const std::string svg = std::string(kChart) + " --svg ";
  const std::string tmp = "d=$(mktemp -d); trap 'rm -rf $d' EXIT; echo old >$d/w.svg; ";
  const std::string same = "; s=$?; cat $d/w.svg; ls $d; exit $s";
  const std::string cases[][5] = {
      {"file-size limit", tmp + "ulimit -f 4; " + svg + "$d/w.svg >/dev/null" + same, "1", "--svg: cannot write /tmp/",
       "old\nw.svg\n"},
      {"full device", svg + "/dev/full >/dev/null", "1", "--svg: cannot write /dev/full: No space left on device", ""},
      {"missing folder", tmp + svg + "$d/none/w.svg >/dev/null" + same, "1", "No such file or directory",
       "old\nw.svg\n"},
      {"a folder in the way",
       "d=$(mktemp -d); trap 'rm -rf $d' EXIT; mkdir $d/w.svg; " + svg + "$d/w.svg >/dev/null; s=$?; ls $d; exit $s",
       "1", "Is a directory", "w.svg\n"},
      {"written", tmp + svg + "$d/w.svg >/dev/null; s=$?; head -c 5 $d/w.svg; ls $d; exit $s", "0", "", "<?xmlw.svg\n"},
      {"to standard output", svg + "/dev/stdout --json | head -c 5", "0", "", "<?xml"},
  };
  for (const auto& c : cases) {
    const auto r = RunShell(c[1]);
    EXPECT_EQ(std::stoi(c[2]), r.status) << c[0] << "\n" << r.err;
    EXPECT_NE(std::string::npos, r.err.find(c[3])) << c[0] << ": " << r.err;
    EXPECT_EQ(c[4], r.out) << c[0];
  }
  // The file-size case names the reason as well.
  EXPECT_NE(std::string::npos, RunShell("ulimit -f 4; " + svg + "/tmp/caelix-fsize-$$.svg").err.find("File too large"));
}

TEST(FailureReports, BadInputIsRefusedByLineAndEchoedShortAndEscaped) {
  const std::string longField(60000, '7');
  struct InputCase {
    const char* name;
    std::string input;
    int status;
    const char* errPart;
  } const cases[] = {
      {"a folder as input", "", 1, "caelix batch: cannot read standard input: Is a directory"},
      {"a line too long", std::string(70000, 'x') + "\n2000-01-01,12:00,14,50,P\n", 1,
       "caelix batch: line 1: longer than 65536 bytes"},
      {"a long bad field", "2000-01-01," + longField + ",14,50,P\n", 1,
       "'77777777777777777777777777777777777777"
       "77...(59960 more bytes)'"},
      {"escape sequences", "2000-01-01\x1b[2J\x1b]0;x\x07,12:00,14,50,P\n", 1, "'2000-01-01\\x1b[2J\\x1b]0;x\\x07'"},
  };
  for (const InputCase& c : cases) {
    const std::string script = std::string("$CAELIX batch") + (c.input.empty() ? " </" : "");
    const auto r = RunShell(script, c.input);
    EXPECT_EQ(c.status, r.status) << c.name;
    EXPECT_NE(std::string::npos, r.err.find(c.errPart)) << c.name << ": " << r.err.substr(0, 300);
    EXPECT_LT(r.err.size(), 400u) << c.name;
    EXPECT_EQ(std::string::npos, r.err.find('\x1b')) << c.name;
  }
  const auto option = RunShell("$CAELIX chart --time 12:00 --date $'\\e[31m2000-01-01\\e[0m'");
  EXPECT_EQ(2, option.status);
  EXPECT_NE(std::string::npos, option.err.find("'\\x1b[31m2000-01-01\\x1b[0m'")) << option.err;
  const auto parser = RunShell("$CAELIX chart --svg x --size $'1\\e[31m'");
  EXPECT_EQ(2, parser.status);
  EXPECT_EQ(std::string::npos, parser.err.find('\x1b')) << parser.err;
}

TEST(FailureReports, MinorPoints) {
  const std::string chart = kChart;
  const std::string cases[][4] = {
      {"--size is decimal", chart + " --svg /dev/stdout --size 0100 | grep -o 'width=\"[0-9]*\"' | head -1", "0",
       "width=\"100\""},
      {"--size with a blank", chart + " --svg /dev/null --size ' 100'", "2", ""},
      {"--size in hexadecimal", chart + " --svg /dev/null --size 0x80", "2", ""},
      {"--threads is decimal", "echo 2000-01-01,12:00,14,50,P | $CAELIX batch --threads 010 | head -c 2", "0", "{\""},
      {"--threads with a blank", "$CAELIX batch --threads ' 2' </dev/null", "2", ""},
      {"an unknown command", "$CAELIX charts", "2", ""},
      {"a missing data folder", chart + " --data-dir /nonexistent/caelix", "2", ""},
      {"longitude -0", "$CAELIX chart --date 2000-01-01 --time 12:00 --lon -0 --lat -0.000 --page positions | head -3",
       "0", "0.00\xc2\xb0 0.00\xc2\xb0"},
      {"batch takes p", "echo 2000-01-01,12:00,14,50,p | $CAELIX batch | head -c 2", "0", "{\""},
  };
  for (const auto& c : cases) {
    const auto r = RunShell(c[1]);
    EXPECT_EQ(std::stoi(c[2]), r.status) << c[0] << "\n" << r.err;
    EXPECT_NE(std::string::npos, r.out.find(c[3])) << c[0] << ": " << r.out.substr(0, 300);
    EXPECT_EQ(std::string::npos, r.out.find("-0.00")) << c[0];
  }
  const auto unknown = RunShell("$CAELIX charts");
  EXPECT_EQ("caelix: 'charts' is not a command (chart, batch, gui, serve, places; see caelix --help)\n", unknown.err);
  const auto folder = RunShell(chart + " --data-dir /nonexistent/caelix");
  EXPECT_NE(std::string::npos, folder.err.find("--data-dir")) << folder.err;
}

}  // namespace
}  // namespace caelix
