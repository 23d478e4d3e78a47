#include "diagram/flechas.h"

#include <gtest/gtest.h>

namespace trazalia::diagram {
namespace {

TEST(ArcoNegroTest, SmokeRangeOne) {
    auto arco = ArcoNegro({100, 100}, 0, 3.14159);
    ASSERT_TRUE(arco);
    EXPECT_FLOAT_EQ(static_cast<float>(arco->inicio), 4.712385F);
}

}  // namespace
}  // namespace trazalia::diagram
