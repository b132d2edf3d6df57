// Window geometry in twips: 15 twips to a pixel at 100 % scale; Qt's device pixel ratio takes
// care of hi-DPI screens.
#pragma once

#include <QRect>

class QWidget;

namespace qelvar {

inline constexpr double kTwipsPerPixel = 15.0;

int TwipsToPixels(int twips);

// Places a control at left, top, width, height given in twips.
void PlaceInTwips(QWidget &widget, int left, int top, int width, int height);

} // namespace qelvar
