// The real-address row's hand-off: the system's own file-download dialog.
#pragma once

#include <vector>

#include "codec/text.h"

// The text in UTF-16 from the ANSI code page, in a zeroed buffer of
// length + 1 units (room for every character and the end mark; a
// double-byte character takes one unit, so units past the text stay 0).
std::vector<wchar_t> AnsiToUtf16Buffer(const Text& text);

// Opens the download dialog for the address; nothing is examined.
void OpenDownloadDialog(const Text& address);
