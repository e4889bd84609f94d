#include "ui/NaturalOrder.h"

#include <gtest/gtest.h>

namespace kw {
namespace {

TEST(NaturalOrder, DigitsCountByTheirValue) {
  const struct {
    const char* a;
    const char* b;
    bool less;
  } cases[] = {
      {"G5", "G11", true},     {"G11", "G5", false},  {"G11", "G105", true}, {"G105", "G11", false},
      {"G7", "G7", false},     {"G07", "G7", false},  {"G7", "G07", true},   {"G007", "G8", true},
      {"K21", "T5", true},     {"1461", "K21", true}, {"Z281/Z284", "Z281/Z3", false},
      {" G1次", "G1次", false}, {"G1", "G1次", true},  {"G1次", "G1", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NaturalLess(QString::fromUtf8(c.a), QString::fromUtf8(c.b)), c.less) << c.a << " < " << c.b;
  }
}

}  // namespace
}  // namespace kw
