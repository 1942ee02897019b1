#include "codec/event_pump.h"

namespace {

void DoNothing() {}

// Process-wide: set once by the host at start-up, before any conversion.
EventPumpFunction g_event_pump = DoNothing;

}  // namespace

void SetEventPump(EventPumpFunction pump) { g_event_pump = pump ? pump : DoNothing; }

void EventPump() { g_event_pump(); }
