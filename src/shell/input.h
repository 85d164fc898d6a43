#pragma once
// Keyboard and mouse handlers. They never draw: they change fields, and the
// next frame shows the result.
#include <cstdint>

#include "common/game.h"

namespace vel {

// Virtual-key codes, as the key map is written.
namespace vk {
inline constexpr int32_t Shift = 0x10, Space = 0x20, PageUp = 0x21, PageDown = 0x22;
inline constexpr int32_t Left = 0x25, Up = 0x26, Right = 0x27, Down = 0x28;
inline constexpr int32_t F1 = 0x70, F2 = 0x71;
inline constexpr int32_t Plus = 0xBB, Comma = 0xBC, Minus = 0xBD, Period = 0xBE;
constexpr int32_t Letter(char c) { return static_cast<int32_t>(c); }  // 'A'..'Z', '0'..'9'
}  // namespace vk

void OnKeyDown(Game& g, int32_t key);

// Pointer positions enter here (the mouse handlers and the frame's cursor
// sample): clamped to the frame, so no handler sees a point the window cannot
// give. Before the first frame is measured, the largest frame stands in.
inline constexpr int32_t kLargestFrameWidth = 1150;
inline constexpr int32_t kLargestFrameHeight = 768;
void ClampToFrame(const ScreenState& s, int32_t& x, int32_t& y);

void OnLButtonDown(Game& g, int32_t x, int32_t y);
void OnRButtonDown(Game& g, int32_t x, int32_t y);
void OnLButtonDblClk(Game& g, int32_t x, int32_t y);
void OnMouseMove(Game& g, int32_t x, int32_t y);
void OnMouseWheel(Game& g, int32_t delta);

// First press: the results so far; second press: back to the title screen.
void NextCruiseStep(Game& g);

}  // namespace vel
