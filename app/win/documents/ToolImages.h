// The tool images of the main window and its editing-list bar, 16 x 16, painted by code.
#pragma once
#include "app/win/ui/TImageList.h"

// Index of each image in the list AddToolImages fills.
namespace ToolImage {
inline constexpr int Backward = 0;
inline constexpr int Forward = 1;
inline constexpr int Refresh = 2;
inline constexpr int Open = 3;
inline constexpr int New = 4;
inline constexpr int Save = 5;
inline constexpr int Delete = 6;
} // namespace ToolImage

void AddToolImages(TImageList& images);
