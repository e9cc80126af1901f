#include "main/renderer_arguments.h"

#include <gtest/gtest.h>

TEST(RendererArguments, PrimaryOnlyIsAWholeWordInAnyCase) {
  for (const auto& [arguments, primaryOnly] : {std::pair{L"/primary", true},
                                               {L"  /PRIMARY\t", true},
                                               {L"/c /Primary -x", true},
                                               {L"/primaryx", false},
                                               {L"x/primary", false},
                                               {L"/prim ary", false}}) {
    EXPECT_EQ(PrimaryOnlyRequested(arguments), primaryOnly);
  }
}
