// The folder of the program's executable, made the current directory.
#pragma once

#include <string>

// The folder part of a full file path: "C:\\a\\b.exe" -> "C:\\a". A drive
// root keeps its backslash ("C:\\b.exe" -> "C:\\"), since "C:" alone
// would mean the drive's current directory. Empty when there is no folder.
std::wstring FolderOfPath(const std::wstring& path);

// Sets the current directory to the executable's folder.
void MakeExeFolderCurrent();
