#include "codec/link_forms.h"

#include "codec/base64.h"
#include "codec/shift_cipher.h"

namespace {

enum class Body { Base64, ShiftedBase64 };

// One row per accepted prefix, in the order the prefixes are tested. The
// wrappers are dropped by length only; their content is never compared.
struct Form {
  LinkForm code;
  const char* prefix;
  Body body;
  const char* before;
  const char* after;
};

const Form kForms[] = {
    {link_form::Thunder, "thunder://", Body::Base64, "AA", "ZZ"},
    {link_form::FlashGet, "flashget://", Body::Base64, "[FLASHGET]", "[FLASHGET]"},
    {link_form::Qq, "qqdl://", Body::Base64, "", ""},
    {link_form::Boxdl, "boxdl://", Body::ShiftedBase64, "BOX", "DL"},
};

Text RealAddress(const Text& input) {
  const Count len = TextLength(input);
  for (const Form& form : kForms) {
    const Text prefix = form.prefix;
    if (TextLeft(input, TextLength(prefix)) != prefix) continue;
    Text body = TextRight(input, len - TextLength(prefix));
    if (form.body == Body::ShiftedBase64) body = ShiftDecode(body, BoxdlKey);
    // BytesToText ends the text at the first 0 byte, before the cut.
    const Text t = BytesToText(BASE64类().Decode(body));
    const Count before = TextLength(form.before), after = TextLength(form.after);
    return TextMid(t, before + 1, TextLength(t) - before - after);
  }
  return input;
}

Text Wrap(const Form& form, const Text& real) {
  const Text base64 = BASE64类().Encode(TextToBytes(TextConcat(form.before, real, form.after)));
  return TextConcat(form.prefix,
                    form.body == Body::ShiftedBase64 ? ShiftEncode(base64, BoxdlKey) : base64);
}

}  // namespace

Text ConvertLink(const Text& input, LinkForm form) {
  const Text real = RealAddress(input);
  for (const Form& f : kForms)
    if (f.code == form) return Wrap(f, real);
  return real;
}
