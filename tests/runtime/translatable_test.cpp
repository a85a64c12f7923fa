#include "runtime/translatable.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

struct FilledCase {
    const char* pattern;
    const char* expected; // with the arguments "a", "%1" and "c"
};

// Each number takes its own argument wherever it stands, once: an argument
// that looks like a placeholder is written as it is.
TEST(FilledPattern, PutsEachArgumentInPlaceOfItsNumber) {
    const FilledCase cases[] = {
        {"%1 e %3", "a e c"},
        {"%3, %1, %1", "c, a, a"},
        {"'%2'", "'%1'"},
        {"passo %1 di %3 (%3%)", "passo a di c (c%)"},
        {"%4 %0 %x %", "%4 %0 %x %"},
        {"", ""},
    };
    for (const FilledCase& c : cases) {
        SCOPED_TRACE(c.pattern);
        EXPECT_EQ(runtime::filled(c.pattern, {"a", "%1", "c"}), c.expected);
    }
}

std::string shouted(const char* context, const char* source) {
    return std::string(context) + ':' + source + '!';
}

// Each test starts and ends with no translator, the Italian sources.
class TextTranslator : public ::testing::Test {
protected:
    void SetUp() override { runtime::setTextTranslator(nullptr); }
    void TearDown() override { runtime::setTextTranslator(nullptr); }
};

TEST_F(TextTranslator, LeavesTheSourceUntilOneIsInstalled) {
    EXPECT_EQ(runtime::translated("calc", "Passo"), "Passo");
    runtime::setTextTranslator(shouted);
    EXPECT_EQ(runtime::translated("calc", "Passo"), "calc:Passo!");
}

} // namespace
