#include "twips.h"

#include <QWidget>
#include <cmath>

namespace qelvar {

int TwipsToPixels(int twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

void PlaceInTwips(QWidget &widget, int left, int top, int width, int height) {
    widget.setGeometry(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

} // namespace qelvar
