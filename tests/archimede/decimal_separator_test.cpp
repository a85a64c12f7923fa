#include "archimede/decimal_separator.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(DecimalSeparatorOfLocaleName, FollowsLanguageAndTerritory) {
    struct Case {
        const char* name;
        const char* separator;
    };
    for (const Case& c :
         {Case{"it_IT.UTF-8", ","}, Case{"it_IT", ","}, Case{"it", ","}, Case{"it_IT@euro", ","},
          Case{"de_DE.UTF-8", ","}, Case{"fr_FR.UTF-8", ","}, Case{"pt_BR.UTF-8", ","},
          Case{"en_US.UTF-8", "."}, Case{"en_GB", "."}, Case{"ja_JP.UTF-8", "."},
          Case{"it_CH.UTF-8", "."}, Case{"de_CH", "."}, Case{"es_MX.UTF-8", "."}, Case{"C", "."},
          Case{"C.UTF-8", "."}, Case{"POSIX", "."}, Case{"", "."}}) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(archimede::decimalSeparatorOfLocaleName(c.name), c.separator);
    }
}

TEST(NumericLocaleName, TakesTheFirstSetOfLcAllLcNumericAndLang) {
    using archimede::numericLocaleName;
    EXPECT_EQ(numericLocaleName("it_IT.UTF-8", "en_US.UTF-8", "de_DE"), "it_IT.UTF-8");
    EXPECT_EQ(numericLocaleName("", "en_US.UTF-8", "de_DE"), "en_US.UTF-8");
    EXPECT_EQ(numericLocaleName(nullptr, nullptr, "de_DE"), "de_DE");
    EXPECT_EQ(numericLocaleName(nullptr, "", ""), "");
}

} // namespace
