#include "window/system_calls.h"

namespace by_name {

DllFunction<BOOL WINAPI(HWND)> OpenClipboard{nullptr, "OpenClipboard"};
DllFunction<BOOL WINAPI()> EmptyClipboard{nullptr, "EmptyClipboard"};
DllFunction<BOOL WINAPI()> CloseClipboard{nullptr, "CloseClipboard"};
DllFunction<BOOL WINAPI(UINT)> IsClipboardFormatAvailable{nullptr, "IsClipboardFormatAvailable"};
DllFunction<HANDLE WINAPI(UINT)> GetClipboardData{nullptr, "GetClipboardData"};
DllFunction<HANDLE WINAPI(UINT, HANDLE)> SetClipboardData{nullptr, "SetClipboardData"};
DllFunction<HGLOBAL WINAPI(UINT, SIZE_T)> GlobalAlloc{nullptr, "GlobalAlloc"};
DllFunction<LPVOID WINAPI(HGLOBAL)> GlobalLock{nullptr, "GlobalLock"};
DllFunction<BOOL WINAPI(HGLOBAL)> GlobalUnlock{nullptr, "GlobalUnlock"};
DllFunction<HGLOBAL WINAPI(HGLOBAL)> GlobalFree{nullptr, "GlobalFree"};
DllFunction<SIZE_T WINAPI(HGLOBAL)> GlobalSize{nullptr, "GlobalSize"};
DllFunction<void WINAPI(void*, const void*, SIZE_T)> MoveBytes{nullptr, "RtlMoveMemory"};

DllFunction<int WINAPI(UINT, DWORD, LPCSTR, int, LPWSTR, int)> MultiByteToWideChar{
    "kernel32", "MultiByteToWideChar"};
DllFunction<HRESULT WINAPI(LPCWSTR, BOOL)> DoFileDownloadEx{"shdocvw.dll", "DoFileDownloadEx"};

}  // namespace by_name
