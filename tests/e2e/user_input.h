// Real keyboard and mouse input (SendInput): it reaches the foreground
// window through the system's input queue and the program's own message
// loop, exactly as a user's keystrokes and clicks do.
#pragma once

#include <windows.h>

#include <initializer_list>

#include "wait.h"

namespace e2e {

// Brings `window` to the foreground; false when it did not get there.
bool Activate(HWND window, milliseconds timeout = kActionTimeout);

// Presses and releases `key`, with the `held` keys held down around it.
void PressKey(WORD key, std::initializer_list<WORD> held = {});

// Moves the pointer and waits until it is there.
void MoveMouseTo(POINT screen);
void ClickAt(POINT screen);
void DoubleClickAt(POINT screen);

// Mouse down and up on the centre of `window`.
void Click(HWND window);

// Mouse down on `control`, moved off it onto `elsewhere`, then up: a push
// button takes the focus on the press but sees no click, an edit box
// takes the focus. Lets a test focus a control without starting its action.
void PressAndSlideOff(HWND control, POINT elsewhere);

POINT CentreOf(HWND window);

}  // namespace e2e
