// kord: the command line over the same core as the windows.

#include <iostream>
#include <map>

#include "cli_context.h"

int main(int argc, char** argv) {
  using namespace kord::cli;
  std::string error;
  auto options = ParseOptions(argc, argv, error);
  if (!options) {
    std::cerr << "kord: " << error << '\n' << UsageText();
    return kUsage;
  }
  const std::map<std::string, int (*)(CliContext&)> commands = {{"info", RunInfo},
                                                                {"create", RunCreate},
                                                                {"card", RunCard},
                                                                {"date", RunDate},
                                                                {"search", RunSearch},
                                                                {"edit", RunEdit},
                                                                {"add", RunAdd},
                                                                {"link", RunLink},
                                                                {"spouse", RunSpouse},
                                                                {"captions", RunCaptions},
                                                                {"roots", RunRoots},
                                                                {"branches", RunBranches},
                                                                {"kin", RunKin},
                                                                {"list", RunList},
                                                                {"report", RunReport},
                                                                {"stats", RunStats},
                                                                {"book", RunBook},
                                                                {"census", RunCensus},
                                                                {"navigate", RunNavigate},
                                                                {"sorted", RunSorted},
                                                                {"assist", RunAssist},
                                                                {"import-gedcom", RunImportGedcom},
                                                                {"export-gedcom", RunExportGedcom},
                                                                {"import-csv", RunImportCsv},
                                                                {"check", RunCheck},
                                                                {"relation", RunRelation},
                                                                {"verify", RunVerify},
                                                                {"sort-copy", RunSortCopy}};
  auto command = commands.find(options->command);
  if (command == commands.end()) {
    std::cerr << "kord: unknown command " << options->command << '\n' << UsageText();
    return kUsage;
  }
  CliContext context(std::move(*options), std::cout, std::cerr);
  int status = command->second(context);
  // An output file that could not be written was named on standard error.
  if (status == kOk && !context.session.failedOutputs.empty()) status = kFailed;
  return status;
}
