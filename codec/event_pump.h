// The one hook through which the codec hands control back to its host:
// the Base64 decoder calls it after every group of four characters, so a
// window can keep handling its messages while a very long link decodes.
#pragma once

using EventPumpFunction = void (*)();

// Replaces the hook; nullptr restores the default, which does nothing.
void SetEventPump(EventPumpFunction pump);

// Calls the hook once.
void EventPump();
