// The drawing steps of a gradient caption, each on the memory context that
// holds the caption image. Every object a step creates is deleted and every
// selection undone before it returns, also when it fails.
#pragma once

#include <string_view>
#include <vector>

#include "core/CaptionGeometry.h"
#include "core/GradientTable.h"
#include "toolkit/Win.h"

namespace rytmalo {

// The system's caption metrics at a resolution, by default the system's.
CaptionMetrics CaptionMetricsForDpi(int dpi);
CaptionMetrics CurrentCaptionMetrics();

// The whole image in one colour.
void FillCaptionFlat(HDC dc, int width, int height, COLORREF color);
// The first count entries as a one-pixel strip stretched over the image.
void FillCaptionStretched(HDC dc, int width, int height, const GradientColorTable& table,
                          int count);
// One solid band per entry: for palette displays, where a stretched strip
// would be dithered.
void FillCaptionBands(HDC dc, int width, int height, const GradientColorTable& table, int count);
// The icon cell in the background colour and the small icon on it.
void DrawCaptionIcon(HDC dc, const CaptionLayout& layout, HICON icon, COLORREF background);
void DrawCaptionButtons(HDC dc, const std::vector<CaptionButton>& buttons);
// White, vertically centred, cut with an ellipsis; nullptr font: the
// context's own.
void DrawCaptionText(HDC dc, std::wstring_view text, const TRect& textArea, HFONT font);

}  // namespace rytmalo
