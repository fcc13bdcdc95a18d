// "q7cli diff": what differs between two data files, named as "show" names
// it, then the bytes no named entry shows. Exit 0 when nothing differs, 1
// when something does, 2 for a file that cannot be opened.
#include <memory>

#include "cli_args.h"
#include "cli_editor.h"
#include "shell/image_compare.h"
#include "verbs.h"

namespace q7::cli {
namespace {

constexpr int kExitDifferent = 1;

struct DiffOptions {
  std::string before;
  std::string after;
  bool json = false;
  int language = kEnglish;
};

// The file's bytes as stored, before the refresh's corrections.
CodeplugImage fileImage(const CliEditor& opened) {
  CodeplugImage image = opened.state().image;
  image.loadFileLayout(opened.fileBytes().first(kDataFileSize));
  return image;
}

int runDiff(const DiffOptions& options) {
  const CodeplugImage after = fileImage(CliEditor(options.after, options.language));
  CliEditor opened(options.before, options.language);
  const ImageDifferences differences = compareImages(opened.state(), fileImage(opened), after);
  saveTextFile("-", options.json ? toJson(toReport(differences)) : toPlainText(differences));
  return differences.empty() ? kExitSuccess : kExitDifferent;
}

}  // namespace

Verb declareDiff(CLI::App& app) {
  auto options = std::make_shared<DiffOptions>();
  CLI::App* verb = addVerb(app, "diff", "list what differs between two data files, by name");
  verb->footer("Exit status: 0 the files show the same, 1 they differ, 2 usage or file error.");
  verb->add_option("before", options->before, "the first data file (- reads standard input)")
      ->type_name("A.dat")
      ->required();
  verb->add_option("after", options->after, "the second data file (- reads standard input)")
      ->type_name("B.dat")
      ->required();
  verb->add_flag("--json", options->json, "as JSON");
  verb->add_option("--lang", options->language, "1 Simplified Chinese, 2 Traditional, 3 English")
      ->check(CLI::Range(1, 3));
  return {verb, [options] { return runDiff(*options); }};
}

}  // namespace q7::cli
