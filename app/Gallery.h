#pragma once

#include <string>

namespace quobrix {

// Draws every block type, text placement and line end at zoom 100 and 200
// into a PNG file, for checking the drawing by eye. Needs no display.
// Returns false when the file cannot be written.
bool WriteGallery(const std::string& pngPath);

}  // namespace quobrix
