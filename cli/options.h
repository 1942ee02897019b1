// Command-line options of linkconv-cli.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "codec/link_forms.h"

struct CliOptions {
  std::optional<LinkForm> to;     // --to FORM: only that form, nothing else
  bool null_separated = false;    // -0: NUL-separated input and output
  bool help = false;
  std::vector<std::string> links; // none: read standard input
};

struct ParseResult {
  CliOptions options;
  std::string error;  // non-empty: bad usage, one line
};

ParseResult ParseOptions(const std::vector<std::string>& args);

// "thunder", "flashget", "qqdl", "boxdl", "real" or an integer code;
// nullopt when it is none of these.
std::optional<LinkForm> ParseForm(const std::string& name);

extern const char kUsage[];
