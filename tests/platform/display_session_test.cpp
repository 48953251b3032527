// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/screen/display_session.h"
#include "tests/support/row_name.h"

#include <gtest/gtest.h>
#include <vector>

namespace tessavundo {
namespace {

DisplayEnvironment WaylandDesktop() {
    return DisplayEnvironment{"wayland-0", "wayland", ":0", ""};
}

TEST(IsWaylandSession, ByEitherVariable) {
    EXPECT_FALSE(IsWaylandSession(DisplayEnvironment{"", "", ":0", ""}));
    EXPECT_FALSE(IsWaylandSession(DisplayEnvironment{"", "x11", ":0", ""}));
    EXPECT_FALSE(IsWaylandSession(DisplayEnvironment{"", "tty", "", ""}));
    EXPECT_TRUE(IsWaylandSession(DisplayEnvironment{"wayland-0", "", ":0", ""}));
    EXPECT_TRUE(IsWaylandSession(DisplayEnvironment{"", "wayland", ":0", ""}));
    // A compositor nested in an X11 session still gives its programs no screen to read.
    EXPECT_TRUE(IsWaylandSession(DisplayEnvironment{"wayland-1", "x11", ":0", ""}));
}

struct PlatformCase {
    const char* name;
    DisplayEnvironment environment;
    std::vector<const char*> arguments;
    bool runOnXWayland;
};

class ShouldRunOnXWaylandTest : public testing::TestWithParam<PlatformCase> {};

TEST_P(ShouldRunOnXWaylandTest, OnlyOnAWaylandDesktopWithXWaylandAndNoChoiceMade) {
    std::vector<const char*> argv = {"tessavundo"};
    argv.insert(argv.end(), GetParam().arguments.begin(), GetParam().arguments.end());
    EXPECT_EQ(
        ShouldRunOnXWayland(GetParam().environment, static_cast<int>(argv.size()), argv.data()),
        GetParam().runOnXWayland);
}

DisplayEnvironment With(DisplayEnvironment environment, const char* x11Display,
                        const char* chosenPlatform) {
    environment.x11Display = x11Display;
    environment.chosenPlatform = chosenPlatform;
    return environment;
}

INSTANTIATE_TEST_SUITE_P(
    Sessions, ShouldRunOnXWaylandTest,
    testing::Values(
        PlatformCase{"wayland_desktop", WaylandDesktop(), {}, true},
        PlatformCase{"x11_desktop", DisplayEnvironment{"", "x11", ":0", ""}, {}, false},
        PlatformCase{"no_xwayland", With(WaylandDesktop(), "", ""), {}, false},
        PlatformCase{
            "platform_chosen_by_variable", With(WaylandDesktop(), ":0", "wayland"), {}, false},
        PlatformCase{
            "platform_chosen_by_argument", WaylandDesktop(), {"-platform", "wayland"}, false},
        PlatformCase{
            "platform_chosen_by_long_argument", WaylandDesktop(), {"--platform", "wayland"}, false},
        PlatformCase{"platform_argument_without_a_name", WaylandDesktop(), {"-platform"}, true},
        PlatformCase{
            "theme_argument_is_no_platform", WaylandDesktop(), {"-platformtheme", "gtk3"}, true}),
    RowName());

} // namespace
} // namespace tessavundo
