// A DLL that sits in the tests' own folder, as a planted one would sit
// beside the program.
#include <windows.h>

extern "C" __declspec(dllexport) int WINAPI PlantedProbe() { return 4242; }
