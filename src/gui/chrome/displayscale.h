#pragma once

namespace Display {

// Factor by which every fixed pixel size of the interface is multiplied, from the first
// screen's logical DPI. Computed on first use (GUI thread only); stays 1.0 and is tried again
// on the next call while there is no screen.
double DisplayScale();

// n x Display::DisplayScale(), truncated toward zero.
int ScaledPixels(int n);

// The factor for a logical DPI: 1.0, 1.25, 1.5, 1.75 or 2.0 by the ratio to 96.
double ScaleForDpi(double dpi);

} // namespace Display
