// The system functions the program's own code calls by name (see
// dll_calls.h). None of them is imported.
#pragma once

#include <windows.h>

#include "window/dll_calls.h"

namespace by_name {

// Clipboard and global memory: entries without a library name.
extern DllFunction<BOOL WINAPI(HWND)> OpenClipboard;
extern DllFunction<BOOL WINAPI()> EmptyClipboard;
extern DllFunction<BOOL WINAPI()> CloseClipboard;
extern DllFunction<BOOL WINAPI(UINT)> IsClipboardFormatAvailable;
extern DllFunction<HANDLE WINAPI(UINT)> GetClipboardData;
extern DllFunction<HANDLE WINAPI(UINT, HANDLE)> SetClipboardData;
extern DllFunction<HGLOBAL WINAPI(UINT, SIZE_T)> GlobalAlloc;
extern DllFunction<LPVOID WINAPI(HGLOBAL)> GlobalLock;
extern DllFunction<BOOL WINAPI(HGLOBAL)> GlobalUnlock;
extern DllFunction<HGLOBAL WINAPI(HGLOBAL)> GlobalFree;
extern DllFunction<SIZE_T WINAPI(HGLOBAL)> GlobalSize;
// RtlMoveMemory; the header makes that name a macro.
extern DllFunction<void WINAPI(void*, const void*, SIZE_T)> MoveBytes;

// Download on the real-address row.
extern DllFunction<int WINAPI(UINT, DWORD, LPCSTR, int, LPWSTR, int)> MultiByteToWideChar;
extern DllFunction<HRESULT WINAPI(LPCWSTR, BOOL)> DoFileDownloadEx;

}  // namespace by_name
