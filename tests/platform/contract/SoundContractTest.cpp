// Sound calls whose answers do not depend on the device that plays.
#include <cstring>

#include "tests/platform/contract/Contract.h"

namespace {

using namespace plat;

class Sound : public contract::Contract {};

TEST_F(Sound, ErrorTextsFitTheBufferAndUnknownCodesHaveNone) {
  char text[200];
  for (MCIERROR e : {MCIERROR{0}, MCIERR_INVALID_DEVICE_ID, MCIERR_UNRECOGNIZED_COMMAND, MCIERR_HARDWARE,
                     MCIERR_INVALID_DEVICE_NAME, MCIERR_MISSING_PARAMETER, MCIERR_FILE_NOT_FOUND,
                     MCIERR_INVALID_FILE}) {
    EXPECT_TRUE(mciGetErrorString(e, text, sizeof text)) << e;
    EXPECT_GT(std::strlen(text), 10u) << e;
  }
  char small[6];
  EXPECT_TRUE(mciGetErrorString(MCIERR_FILE_NOT_FOUND, small, sizeof small));
  EXPECT_EQ(std::strlen(small), 5u);
  EXPECT_FALSE(mciGetErrorString(12345, text, sizeof text));
  EXPECT_STREQ(text, "");
  EXPECT_FALSE(mciGetErrorString(0, nullptr, 10));
}

}  // namespace
