#include "core/data/Parametros.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace {

TEST(ParametroInteiro, TruncaParaZero) {
    EXPECT_EQ(parametroInteiro(2.9f), 2);
    EXPECT_EQ(parametroInteiro(-2.9f), -2);
    EXPECT_EQ(parametroInteiro(12.9f), 12);
    EXPECT_EQ(parametroInteiro(0.0001f), 0);
}

TEST(ParametroInteiro, ValoresForaDaFaixaSaturam) {
    EXPECT_EQ(parametroInteiro(1e10f), INT_MAX);
    EXPECT_EQ(parametroInteiro(-1e10f), INT_MIN);
    EXPECT_EQ(parametroInteiro(std::numeric_limits<float>::infinity()), INT_MAX);
    EXPECT_EQ(parametroInteiro(std::nanf("")), 0);
    // The floats at the ends of the range.
    EXPECT_EQ(parametroInteiro(2147483520.0f), 2147483520);
    EXPECT_EQ(parametroInteiro(2147483648.0f), INT_MAX);
    EXPECT_EQ(parametroInteiro(-2147483520.0f), -2147483520);
    EXPECT_EQ(parametroInteiro(-2147483648.0f), INT_MIN);
}

}  // namespace
