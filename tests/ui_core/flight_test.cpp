#include "ui_core/flight.h"

#include <gtest/gtest.h>

namespace ferlo {
namespace {

// With zero rates the flight goes straight ahead: every frame moves the
// view by the speed along the model's x axis, and nothing else.
TEST(Flight, ZeroRatesFlyStraightAhead) {
    FlightState flight;
    startFlight(flight, std::nullopt);
    const Matrix4 start = flight.modelView;
    for (int i = 0; i < 3; ++i) advanceFlight(flight);
    const Matrix4 expected = start * translation(-30, 0, 0);
    for (int k = 0; k < 16; ++k) EXPECT_NEAR(flight.modelView[k], expected[k], 1e-9);
}

}  // namespace
}  // namespace ferlo
