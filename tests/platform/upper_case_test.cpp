// Upper case of the kit's Windows-1252 text, byte for byte.
#include "platform/codepage.h"

#include <gtest/gtest.h>

namespace qelvar {
namespace {

TEST(UpperCase, LettersOfWindows1252BecomeCapitals) {
    struct Case {
        const char *text, *upper;
    } cases[] = {
        {"eddf", "EDDF"},
        {"EdDf 12-x;", "EDDF 12-X;"},
        {"\xE9vora \xE0\xFE", "\xC9VORA \xC0\xDE"}, // é à þ
        {"\xF7\xDF", "\xF7\xDF"},                   // ÷ and ß stay
        {"\x9A\x9C\x9E\xFF", "\x8A\x8C\x8E\x9F"},   // š œ ž ÿ
        {"", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(UpperCase(c.text), c.upper) << c.text;
}

} // namespace
} // namespace qelvar
