// Checks that window controls stand where their twip positions put them.
#pragma once

#include <QWidget>
#include <initializer_list>

namespace qelvar::testing {

struct TwipPlacement {
    QWidget *control;
    int left, top, width, height;
};

// One expectation per control: its geometry in pixels is its twip rectangle at 15 twips a pixel.
void ExpectPlacedInTwips(std::initializer_list<TwipPlacement> placements);

} // namespace qelvar::testing
