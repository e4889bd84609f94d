#include "query/ClassFilter.h"

#include <gtest/gtest.h>

namespace kw {
namespace {

TEST(ClassFilter, AClassPassesAnOptionItsNameContainsAndSlowTakesLocal) {
  const struct {
    const char* className;
    const char* option;
    bool passes;
  } cases[] = {
      {"特快", "特快", true},    {"直达特快", "特快", true}, {"空调特快", "特快", true}, {"快速", "特快", false},
      {"普快", "快速", false},   {"普慢", "普慢", true},     {"普客", "普慢", true},     {"普客", "普快", false},
      {"动车组", "普慢", false}, {"", "快速", false},
  };
  for (const auto& c : cases) EXPECT_EQ(ClassMatches(c.className, c.option), c.passes) << c.className << c.option;
}

}  // namespace
}  // namespace kw
