#include "window/actions.h"

#include "codec/link_forms.h"

namespace {

// Convert's four conversions, in the order they run.
struct ConvertStep {
  LinkForm form;
  ControlId box;
};
constexpr ConvertStep kConvertSteps[] = {
    {link_form::Thunder, kId迅雷},
    {link_form::Qq, kId旋风},
    {link_form::FlashGet, kId快车},
    {link_form::Real, kId真实},
};

struct CopyRow {
  ControlId button;
  ControlId box;
  bool clears_first;  // empties the clipboard in an opening of its own first
  const char* success;
};
const CopyRow kCopyRows[] = {
    {kId迅雷f, kId迅雷, true, "您复制了迅雷下载地址。"},
    {kId快车f, kId快车, false, "您复制了快车下载地址。"},
    {kId旋风f, kId旋风, true, "您复制了旋风下载地址。"},
    {kId真实f, kId真实, true, "您复制了真实下载地址。"},
};
const char kCopyFailed[] = "复制失败。";
constexpr ControlId kStatusLine = kId透明标签5;

enum class HandOff { Browser, DownloadDialog };
struct DownloadRow {
  ControlId button;
  ControlId box;
  HandOff to;
};
constexpr DownloadRow kDownloadRows[] = {
    {kId迅雷x, kId迅雷, HandOff::Browser},
    {kId快车x, kId快车, HandOff::Browser},
    {kId旋风x, kId旋风, HandOff::Browser},
    {kId真实x, kId真实, HandOff::DownloadDialog},
};

void Copy(ActionContext& context, const CopyRow& row) {
  TextClipboard& clipboard = context.Clipboard();
  if (row.clears_first) clipboard.ClearClipboard();
  clipboard.SetClipboardText(context.ReadText(row.box));
  const Text read_back = clipboard.GetClipboardText();
  // Only the read-back against the box's text decides the message.
  const bool same = read_back == context.ReadText(row.box);
  context.WriteText(kStatusLine, same ? row.success : kCopyFailed);
}

void Download(ActionContext& context, const DownloadRow& row) {
  const Text text = context.ReadText(row.box);
  if (row.to == HandOff::Browser)
    context.NavigateBrowser(text);
  else
    context.OpenDownloadDialog(text);
}

}  // namespace

void Convert(ActionContext& context) {
  for (const ConvertStep& step : kConvertSteps) {
    // Read anew each time: events handled during the last conversion may
    // have changed the input.
    const Text result = ConvertLink(context.ReadText(kId编辑框1), step.form);
    if (context.WindowDestroyed()) return;
    context.WriteText(step.box, result);
  }
}

bool RunButtonAction(ActionContext& context, int control_id) {
  if (control_id == kId按钮1) {
    Convert(context);
    return true;
  }
  for (const CopyRow& row : kCopyRows) {
    if (row.button == control_id) {
      Copy(context, row);
      return true;
    }
  }
  for (const DownloadRow& row : kDownloadRows) {
    if (row.button == control_id) {
      Download(context, row);
      return true;
    }
  }
  return false;
}
