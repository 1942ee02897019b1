// What the nine buttons do: Convert, Copy per row, Download per row.
// The actions reach the window only through ActionContext.
#pragma once

#include "codec/text.h"
#include "window/clipboard.h"
#include "window/control_ids.h"

class ActionContext {
 public:
  // Text of an edit box, or caption of a label.
  virtual Text ReadText(ControlId id) = 0;
  virtual void WriteText(ControlId id, const Text& text) = 0;
  // True once the main window has been destroyed (its controls are gone).
  virtual bool WindowDestroyed() const = 0;
  // The browser box goes to the address; the registered program of a
  // link's URL protocol takes it over.
  virtual void NavigateBrowser(const Text& address) = 0;
  virtual void OpenDownloadDialog(const Text& address) = 0;
  virtual TextClipboard& Clipboard() = 0;

 protected:
  ~ActionContext() = default;
};

// Runs the action of the button with this control id; false when the id
// is not one of the nine buttons.
bool RunButtonAction(ActionContext& context, int control_id);

// Convert fills the four rows from the input box. It may dispatch window
// events while it decodes; if the window is destroyed meanwhile, it stops.
void Convert(ActionContext& context);
