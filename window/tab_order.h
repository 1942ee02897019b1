// Moving the focus along a fixed tab order.
#pragma once

// The index that takes the focus after (forward) or before `current` in a
// tab order of `count` stops, wrapping around and skipping the stops that
// `can_focus(index)` refuses. current == -1: the focus is on none of them,
// so forward starts at the first stop and backward at the last. Returns
// -1 when no stop can take the focus.
template <typename CanFocus>
int NextTabStop(int count, int current, bool forward, CanFocus can_focus) {
  if (count <= 0) return -1;
  if (current < 0 || current >= count) current = forward ? count - 1 : 0;
  for (int step = 1; step <= count; ++step) {
    const int i = forward ? (current + step) % count : (current - step % count + count) % count;
    if (can_focus(i)) return i;
  }
  return -1;
}
