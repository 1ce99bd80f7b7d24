#include "files/code_page.h"

#include <gtest/gtest.h>

#include <string>

using namespace ravelo;

TEST(CodePage, EveryByteHasACharacterOfItsOwn) {
    std::string bytes;
    for (int byte = 1; byte < 256; ++byte) {
        bytes += static_cast<char>(byte);
    }
    const std::u16string characters = decodeText(bytes);
    EXPECT_EQ(characters.size(), bytes.size());
    EXPECT_EQ(encodeText(characters), bytes);
}

TEST(CodePage, ACharacterOutsideItBecomesAQuestionMark) {
    EXPECT_EQ(encodeText(u"a\u4e2db"), "a?b");
    EXPECT_EQ(encodeText(std::u16string{u'a', char16_t{0xD800}, u'b'}), "a?b");  // half a pair
#ifndef _WIN32
    // Off Windows, one for a character beyond the first 65,536 too; Windows decides for itself.
    EXPECT_EQ(encodeText(u"a\U0001F600b"), "a?b");
#endif
}

TEST(CodePage, PathsKeepTheirCharacters) {
    EXPECT_EQ(nativePath("caf\xe9.csv").u16string(), u"caf\u00e9.csv");
    EXPECT_EQ(nativePath("a b").u16string(), u"a b");
}

TEST(CodePage, NamesInUtf8KeepTheCharactersItHoldsAndMarkTheRest) {
    EXPECT_EQ(textFromUtf8("/home/jos\xc3\xa9/.local/share"), "/home/jos\xe9/.local/share");
    EXPECT_EQ(textFromUtf8("\xe2\x82\xac \xe4\xb8\xad"), "\x80 ?");
#ifndef _WIN32
    EXPECT_EQ(textFromUtf8("\xf0\x9f\x98\x80."), "?.");
#endif
    // Bytes that are no UTF-8: a stray continuation, an overlong form, a cut-off sequence.
    EXPECT_EQ(textFromUtf8("a\x80"
                           "b\xc0\xaf"
                           "c\xe2\x82"),
              "a?b??c??");
}
