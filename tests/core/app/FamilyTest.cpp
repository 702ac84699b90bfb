#include "core/family/Family.h"

#include <gtest/gtest.h>

TEST(Family, KeysRoundTrip) {
    for (kelo::Family family : {kelo::Family::Tz48, kelo::Family::Tz48P, kelo::Family::TzAmp}) {
        EXPECT_EQ(kelo::familyFromKey(kelo::familyKey(family)), family);
    }
    EXPECT_FALSE(kelo::familyFromKey("TZ48").has_value());
}
