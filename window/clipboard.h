// The program's only contact with the system clipboard. Text goes there
// as CF_TEXT, byte for byte, with no code-page conversion. Each operation
// opens the clipboard and closes it again before it returns.
#pragma once

#include "codec/text.h"

// What the Copy actions need of a clipboard.
class TextClipboard {
 public:
  virtual ~TextClipboard() = default;

  // True when the clipboard was opened and emptied.
  virtual bool ClearClipboard() = 0;
  // True when the clipboard took the text.
  virtual bool SetClipboardText(const Text& text) = 0;
  // The clipboard's text, or the empty text when it holds none or cannot
  // be opened.
  virtual Text GetClipboardText() = 0;
};

// The system clipboard. Keeps no state.
class 剪辑板类 final : public TextClipboard {
 public:
  bool ClearClipboard() override;
  bool SetClipboardText(const Text& text) override;
  Text GetClipboardText() override;
};
