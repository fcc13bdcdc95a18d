#pragma once
// Window sizes are given in twips, as the layout tables hold them: 15 twips
// make a pixel at the standard resolution.
namespace q7 {

inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) {
  return twips / kTwipsPerPixel;
}

}  // namespace q7
