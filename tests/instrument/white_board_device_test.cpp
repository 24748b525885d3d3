// The white board read and written through the real libColorport.
#include <gtest/gtest.h>

#include <cstring>

#include "instrument/white_board.h"
#include "sim_connection.h"

namespace corvana {
namespace {

class WhiteBoardDevice : public testing::SimConnection {};

TEST_F(WhiteBoardDevice, WrittenFieldsReadBackAsTheyWereTyped) {
  connect();
  WhiteBoardFields typed;
  typed.inner = "W123";
  typed.outer = "W456";
  for (int i = 0; i < kWhiteBoardValues; ++i)
    typed.values[std::size_t(i)] = std::to_string(90 + i % 7) + ".25";
  auto collected = collectWhiteBoard(typed);
  ASSERT_TRUE(std::holds_alternative<WhiteBoardData>(collected));
  EXPECT_EQ(writeWhiteBoardNotice(writeWhiteBoard(std::get<WhiteBoardData>(collected))).text,
            "Write white board data successfully!");
  WhiteBoardData read = {};
  ASSERT_EQ(readWhiteBoard(read), API_SUCCESS);
  EXPECT_FALSE(readWhiteBoardNotice(API_SUCCESS).shown());
  const WhiteBoardFields shown = whiteBoardFieldsOf(read);
  EXPECT_EQ(shown.inner, "W123");
  EXPECT_EQ(shown.outer, "W456");
  EXPECT_EQ(shown.values, typed.values);
}

TEST_F(WhiteBoardDevice, FailuresNameTheirOperationAndCode) {
  WhiteBoardData data = {};
  EXPECT_EQ(readWhiteBoardNotice(readWhiteBoard(data)).text,
            "Read White Board Parameters Failed\n(Invalid device handle.)");
  EXPECT_EQ(writeWhiteBoardNotice(writeWhiteBoard(data)).text,
            "Write white board data failed!\n(Invalid device handle.)");
  connect();
  ASSERT_TRUE(sim_->control("status 3"));
  std::strcpy(data.innerName, "keep");
  EXPECT_EQ(readWhiteBoardNotice(readWhiteBoard(data)).text,
            "Read White Board Parameters Failed\n(Execute request failed.)");
  EXPECT_STREQ(data.innerName, "keep");  // the fields are not changed
}

}  // namespace
}  // namespace corvana
