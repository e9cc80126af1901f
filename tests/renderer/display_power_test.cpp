#include "main/display_power.h"

#include <gtest/gtest.h>

#include "main/renderer_arguments.h"

TEST(DisplayPower, OffAndLowPowerRestDimmedAndOnDrawOtherValuesChangeNothing) {
  for (const auto& [state, on] : {std::pair{0u, std::optional{false}},
                                  {1u, true},
                                  {2u, true},
                                  {3u, std::nullopt},
                                  {0xFFFFFFFFu, std::nullopt}}) {
    EXPECT_EQ(DisplayOnFromConsoleState(state), on) << state;
  }
  for (const auto& [argument, on] : {std::pair{intptr_t{-1}, std::optional{true}},
                                     {1, false},
                                     {2, false},
                                     {0, std::nullopt},
                                     {3, std::nullopt}}) {
    EXPECT_EQ(DisplayOnFromMonitorPower(argument), on) << argument;
  }
}

TEST(RendererArguments, PrimaryOnlyIsAWholeWordInAnyCase) {
  for (const auto& [arguments, primaryOnly] : {std::pair{L"/primary", true},
                                               {L"  /PRIMARY\t", true},
                                               {L"/c /Primary -x", true},
                                               {L"", false},
                                               {L"/primaryx", false},
                                               {L"x/primary", false},
                                               {L"/prim ary", false},
                                               {L"/c", false}}) {
    EXPECT_EQ(PrimaryOnlyRequested(arguments), primaryOnly);
  }
}
