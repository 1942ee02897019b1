// Link forms: reduces any accepted link (thunder://, flashget://, qqdl://,
// boxdl:// or a plain address) to its real address and returns that
// address in the requested form. Never fails; damaged links convert by
// the decoder's lenient rules.
#pragma once

#include "codec/text.h"

// The integer code of a form. Any value not named here acts as Real.
using LinkForm = long long;
namespace link_form {
constexpr LinkForm Real = 0;
constexpr LinkForm FlashGet = 1;
constexpr LinkForm Qq = 2;
constexpr LinkForm Thunder = 3;
constexpr LinkForm Boxdl = 6;
}  // namespace link_form

Text ConvertLink(const Text& input, LinkForm form);
