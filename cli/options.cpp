#include "cli/options.h"

#include <cerrno>
#include <cstdlib>
#include <limits>

const char kUsage[] =
    "Usage: linkconv-cli [--to FORM] [-0|--null] [LINK ...]\n"
    "\n"
    "Converts download links between the plain address and the encoded\n"
    "thunder://, flashget://, qqdl:// and boxdl:// forms. Any of them is\n"
    "accepted as input; damaged links convert as far as they can.\n"
    "\n"
    "  --to FORM    print only FORM: thunder, flashget, qqdl, boxdl, real,\n"
    "               or an integer code (0 real, 1 flashget, 2 qqdl,\n"
    "               3 thunder, 6 boxdl; any other number means real)\n"
    "  -0, --null   input and output are NUL-separated: bytes pass exactly,\n"
    "               line breaks included, and every result ends in one NUL\n"
    "  -h, --help   show this help\n"
    "  --           end of options\n"
    "\n"
    "Each LINK gives one result. Without LINK, links are read from standard\n"
    "input, one a line (a CR before the LF is dropped), and every input line\n"
    "gives exactly one output line, blank lines included.\n"
    "\n"
    "Without --to, each LINK argument prints its four forms, labelled as in\n"
    "the window; standard input gives one line per link with the thunder,\n"
    "flashget, qqdl and real forms separated by tabs (with -0: four results,\n"
    "each ending in NUL).\n"
    "\n"
    "A result that holds the line's own separator (a line feed; in the\n"
    "tab-separated output also a tab) is written with it as %0A or %09, a\n"
    "warning goes to standard error and the exit code is 1: use -0 for\n"
    "exact bytes.\n"
    "\n"
    "Bytes in, bytes out: no code-page conversion. Addresses in GBK read\n"
    "well on a UTF-8 terminal through: linkconv-cli --to real LINK | iconv -f GBK\n"
    "\n"
    "Exit codes: 0 done; 1 a result was escaped, or output failed;\n"
    "2 bad usage.\n";

std::optional<LinkForm> ParseForm(const std::string& name) {
  static const struct {
    const char* name;
    LinkForm form;
  } kNames[] = {{"thunder", link_form::Thunder}, {"flashget", link_form::FlashGet},
                {"qqdl", link_form::Qq},         {"boxdl", link_form::Boxdl},
                {"real", link_form::Real}};
  for (const auto& entry : kNames)
    if (name == entry.name) return entry.form;

  // An integer code; one too large for LinkForm is still a code that
  // names no form, so it means real, like every other unnamed code.
  if (name.empty()) return std::nullopt;
  const char* begin = name.c_str();
  char* end = nullptr;
  errno = 0;
  const long long value = std::strtoll(begin, &end, 10);
  if (end == begin || *end != '\0' || name.find_first_of(" \t\n\r\f\v") != std::string::npos)
    return std::nullopt;
  if (errno == ERANGE) return link_form::Real;
  return static_cast<LinkForm>(value);
}

ParseResult ParseOptions(const std::vector<std::string>& args) {
  ParseResult result;
  CliOptions& options = result.options;
  bool options_ended = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (options_ended || arg.empty() || arg[0] != '-' || arg == "-") {
      options.links.push_back(arg);
    } else if (arg == "--") {
      options_ended = true;
    } else if (arg == "-h" || arg == "--help") {
      options.help = true;
    } else if (arg == "-0" || arg == "--null") {
      options.null_separated = true;
    } else if (arg == "--to" || arg.rfind("--to=", 0) == 0) {
      std::string value;
      if (arg == "--to") {
        if (i + 1 == args.size()) {
          result.error = "option --to needs a value (thunder, flashget, qqdl, boxdl, real or a number)";
          return result;
        }
        value = args[++i];
      } else {
        value = arg.substr(5);
      }
      options.to = ParseForm(value);
      if (!options.to) {
        result.error = "unknown form '" + value +
                       "' for --to (thunder, flashget, qqdl, boxdl, real or a number)";
        return result;
      }
    } else {
      result.error = "unknown option '" + arg + "' (see --help)";
      return result;
    }
  }
  return result;
}
