#pragma once
// A test connected to a real colorport-sim through the program's own connect
// routine, and disconnected at the end the way an unplugged instrument is.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "instrument/connection.h"
#include "sim_process.h"

namespace corvana::testing {

class SimConnection : public ::testing::Test {
 protected:
  // Starts the simulator with `options` and connects to it.
  void connect(const std::vector<std::string>& options = {}) {
    sim_ = std::make_unique<colorport::test::SimProcess>(options);
    ASSERT_FALSE(sim_->path().empty()) << "colorport-sim did not start";
    setenv("COLORPORT_PORT", sim_->path().c_str(), 1);
    ASSERT_EQ(connectInstrument(), API_SUCCESS);
    ASSERT_TRUE(instrumentConnected());
  }
  void TearDown() override {
    if (instrumentConnected()) handlePortRemoval({connectedPortPath(), {}});
    unsetenv("COLORPORT_PORT");
  }

  std::unique_ptr<colorport::test::SimProcess> sim_;
};

}  // namespace corvana::testing
