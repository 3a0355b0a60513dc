#pragma once
// Runs the kord command line as a separate process and captures its result.

#include <sys/wait.h>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "core/test_support.h"

namespace kord::test {

struct CliResult {
  int status = -1;
  std::string out;
  std::string err;
};

inline std::string shellQuoted(const std::string& word) {
  std::string quoted = "'";
  for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

/// Runs `kord` with `args` in `dir`; output files live in `dir` too.
/// `prefix` goes before the command: VAR=value words, or a wrapper program
/// (a resource limit, a timeout).
inline CliResult RunKord(const TempDir& dir, const std::vector<std::string>& args, const std::string& prefix = {}) {
  std::string command = "cd " + shellQuoted(dir.folder()) + " && " + prefix + " " + shellQuoted(KORD_CLI);
  for (const auto& a : args) command += " " + shellQuoted(a);
  command += " >.out 2>.err </dev/null";
  int raw = std::system(command.c_str());
  CliResult r;
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  r.out = dir.read(".out");
  r.err = dir.read(".err");
  return r;
}

/// Copies the bundled sample database into `dir`/sample/.
inline std::string CopySample(const TempDir& dir) {
  std::filesystem::copy(KORD_SAMPLE_DIR, dir.file("sample"), std::filesystem::copy_options::recursive);
  return dir.file("sample/famiglia.rni");
}

}  // namespace kord::test
