#include "platform/flat_hash_map.h"

#include <gtest/gtest.h>

namespace qelvar {
namespace {

TEST(FlatHashMap, FindsEveryKeyThroughGrowthAndNoOther) {
    FlatStringMap<int> map;
    EXPECT_EQ(map.Find("KOLIB"), nullptr);
    for (int i = 0; i < 5000; ++i)
        map.Insert("K" + std::to_string(i), i);
    ASSERT_EQ(map.Size(), 5000u);
    for (int i = 0; i < 5000; ++i) {
        int *value = map.Find("K" + std::to_string(i));
        ASSERT_NE(value, nullptr) << i;
        EXPECT_EQ(*value, i);
    }
    for (const char *absent : {"", "K", "K5000", "k1", "K1 "})
        EXPECT_EQ(map.Find(absent), nullptr) << absent;
    *map.Find("K42") = -1;
    EXPECT_EQ(*map.Find("K42"), -1);
    map.Clear();
    EXPECT_EQ(map.Find("K42"), nullptr);
    map.Insert("", 3);
    EXPECT_EQ(*map.Find(""), 3);
}

} // namespace
} // namespace qelvar
