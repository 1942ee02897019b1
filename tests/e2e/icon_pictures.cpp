#include "icon_pictures.h"

#include <cstring>

namespace e2e {

namespace {

BOOL CALLBACK TakeFirstName(HMODULE, LPCSTR, LPSTR name, LONG_PTR param) {
  auto* found = reinterpret_cast<LPSTR*>(param);
  *found = IS_INTRESOURCE(name) ? name : _strdup(name);
  return FALSE;
}

IconPicture DrawIcon(HICON icon, SIZE size) {
  auto draw = [&](HDC dc) { DrawIconEx(dc, 0, 0, icon, size.cx, size.cy, 0, nullptr, DI_NORMAL); };
  return {Draw(size, RGB(0, 0, 0), draw), Draw(size, RGB(255, 255, 255), draw)};
}

#pragma pack(push, 2)
struct GroupEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bit_count;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

}  // namespace

std::vector<IconPicture> ProgramIconPictures(const std::string& exe, SIZE size) {
  std::vector<IconPicture> pictures;
  HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (!module) return pictures;
  LPSTR group = nullptr;
  EnumResourceNamesA(module, RT_GROUP_ICON, TakeFirstName, reinterpret_cast<LONG_PTR>(&group));
  if (group) {
    // The system's pick for the size...
    if (HICON icon = static_cast<HICON>(LoadImageA(module, group, IMAGE_ICON, size.cx, size.cy, LR_DEFAULTCOLOR))) {
      pictures.push_back(DrawIcon(icon, size));
      DestroyIcon(icon);
    }
    // ...and every image of the icon scaled to it.
    HRSRC directory = FindResourceA(module, group, RT_GROUP_ICON);
    const BYTE* data = directory ? static_cast<const BYTE*>(LockResource(LoadResource(module, directory))) : nullptr;
    const WORD count = data ? *reinterpret_cast<const WORD*>(data + 4) : 0;
    for (WORD i = 0; i < count; ++i) {
      GroupEntry entry;
      std::memcpy(&entry, data + 6 + i * sizeof(GroupEntry), sizeof entry);
      HRSRC image = FindResourceA(module, MAKEINTRESOURCEA(entry.id), RT_ICON);
      if (!image) continue;
      auto* bytes = static_cast<BYTE*>(LockResource(LoadResource(module, image)));
      HICON icon = CreateIconFromResourceEx(bytes, SizeofResource(module, image), TRUE, 0x00030000, 0, 0,
                                            LR_DEFAULTCOLOR);
      if (!icon) continue;
      pictures.push_back(DrawIcon(icon, size));
      DestroyIcon(icon);
    }
    if (!IS_INTRESOURCE(group)) free(group);
  }
  FreeLibrary(module);
  return pictures;
}

bool ShowsOneOf(const Image& area, const std::vector<IconPicture>& pictures, const RECT& corners) {
  for (const IconPicture& picture : pictures) {
    const Image& black = picture.on_black;
    for (int top = corners.top; top <= corners.bottom; ++top)
      for (int left = corners.left; left <= corners.right; ++left) {
        bool match = true;
        int opaque = 0;
        for (int y = 0; y < black.height && match; ++y)
          for (int x = 0; x < black.width && match; ++x) {
            if (black.At(x, y) != picture.on_white.At(x, y)) continue;
            ++opaque;
            match = area.Contains(left + x, top + y) && area.At(left + x, top + y) == black.At(x, y);
          }
        if (match && opaque > 0) return true;
      }
  }
  return false;
}

}  // namespace e2e
