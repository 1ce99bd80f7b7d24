#include "platform/code_page.h"

#include <gtest/gtest.h>

using namespace ravelo;

TEST(CodePage, EveryByteHasACharacterOfItsOwn) {
    for (int byte = 1; byte < 256; ++byte) {
        const char16_t character = decodeByte(static_cast<unsigned char>(byte));
        EXPECT_EQ(encodeCharacter(character), static_cast<char>(byte)) << "byte " << byte;
    }
    EXPECT_EQ(encodeCharacter(U'\u4e2d'), '?');
}

TEST(CodePage, PathsKeepTheirCharacters) {
    EXPECT_EQ(nativePath("caf\xe9.csv").u16string(), u"caf\u00e9.csv");
    EXPECT_EQ(nativePath("a b").u16string(), u"a b");
}
