// The pointer's cursor as a picture and as text: its image's 16 x 16 pixels exactly, the
// top-left corner first, as the screen shows them (an image of another size is cut or padded
// with transparent pixels at the right and bottom).
#pragma once

#include "Cursor.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace host::render {

constexpr int kCursorPixels = 16;

// The pixel as 0xAARRGGBB, not premultiplied, `row` counted down from the top; 0 where the
// cursor has no image or the image no such pixel.
uint32_t cursorPixel(const ns::Cursor& cursor, int column, int row);

// A 16 x 16 PNG, pixel for pixel, transparency kept. Written atomically; a reason naming the
// file on failure, empty on success.
std::string saveCursorPng(const ns::Cursor& cursor, const std::filesystem::path& path);

// "cursor NAME" ("image" for one made from an image, "none" for one without), "hot spot
// (X, Y)", then 16 rows of 16 characters, top row first: '.' transparent, '#' black, 'o'
// white, '+' anything else. Each line ends with a line feed.
std::string cursorText(const ns::Cursor& cursor);

} // namespace host::render
