#include "support/twips_placement.h"

#include "platform/twips.h"

#include <gtest/gtest.h>

namespace qelvar::testing {

void ExpectPlacedInTwips(std::initializer_list<TwipPlacement> placements) {
    for (const TwipPlacement &p : placements)
        EXPECT_EQ(p.control->geometry(), QRect(TwipsToPixels(p.left), TwipsToPixels(p.top),
                                               TwipsToPixels(p.width), TwipsToPixels(p.height)))
            << p.control->metaObject()->className();
}

} // namespace qelvar::testing
