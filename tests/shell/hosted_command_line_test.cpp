#include "platform/hosted.h"
#include "saver/shell/hosted_command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

HostedRequest request_for(std::vector<const char*> arguments, const char* environment) {
    arguments.insert(arguments.begin(), "solvantrix");
    return hosted_request(static_cast<int>(arguments.size()), arguments.data(), environment);
}

TEST(HostedCommandLine, PicksTheHostsWindow) {
    struct Case {
        std::vector<const char*> arguments;
        const char* environment;
        unsigned long window;
        bool show_frame_rate;
    } cases[] = {
        {{"-root"}, nullptr, HOST_ROOT_WINDOW, false},
        {{"--root"}, "", HOST_ROOT_WINDOW, false},
        {{"-root"}, "0x1a00007", 0x1a00007, false},
        {{"--root", "-fps"}, "4194311", 4194311, true},
        {{"-window-id", "0x40"}, nullptr, 0x40, false},
        {{"--window-id", "123"}, nullptr, 123, false},
        {{"--window-id=0XaBc"}, nullptr, 0xabc, false},
        // The preview names its own window, whatever the variable says.
        {{"-root", "-window-id", "77"}, "0x1a00007", 77, false},
        // Options a host adds for its other savers are no reason to refuse.
        {{"--fps", "-install", "-root"}, "0x10", 0x10, true},
    };
    for (const Case& c : cases) {
        const HostedRequest request = request_for(c.arguments, c.environment);
        const std::string line = c.arguments[0];
        EXPECT_TRUE(request.hosted) << line;
        EXPECT_EQ(request.error, "") << line;
        EXPECT_EQ(request.window, c.window) << line;
        EXPECT_EQ(request.show_frame_rate, c.show_frame_rate) << line;
    }
}

TEST(HostedCommandLine, RunModeSwitchesStayWithTheRunModes) {
    for (auto arguments : std::vector<std::vector<const char*>>{
             {}, {"/s"}, {"/p", "1234"}, {"/x"}, {"-r"}, {"-rooted"}, {"-fps"}, {"/c:1234"}}) {
        const HostedRequest request = request_for(arguments, "0x1a00007");
        EXPECT_FALSE(request.hosted) << (arguments.empty() ? "" : arguments[0]);
    }
}

TEST(HostedCommandLine, AnUnusableWindowIdIsAnErrorNamingIt) {
    struct Case {
        std::vector<const char*> arguments;
        const char* environment;
        const char* named;
    } cases[] = {
        {{"-root"}, "screen", "XSCREENSAVER_WINDOW \"screen\""},
        {{"-root"}, "0x", "XSCREENSAVER_WINDOW \"0x\""},
        {{"-root"}, "12ab", "XSCREENSAVER_WINDOW \"12ab\""},
        {{"-window-id", "0"}, nullptr, "-window-id \"0\""},
        {{"-window-id", "-5"}, nullptr, "-window-id \"-5\""},
        {{"-window-id", "0x100000000"}, nullptr, "-window-id \"0x100000000\""},
        {{"-window-id", "99999999999999999999999"}, nullptr, "\"99999999999999999999999\""},
        {{"-window-id", " 12"}, nullptr, "\" 12\""},
        {{"-window-id"}, nullptr, "-window-id needs a window id"},
        {{"-root"}, "12\n34", "XSCREENSAVER_WINDOW \"12?34\""},
        {{"-root"},
         "0x0123456789abcdef0123456789abcdef0123456789abcdef",
         "\"0x0123456789abcdef0123456789abcdef012345...\""},
    };
    for (const Case& c : cases) {
        const HostedRequest request = request_for(c.arguments, c.environment);
        EXPECT_TRUE(request.hosted);
        EXPECT_NE(request.error.find(c.named), std::string::npos) << request.error;
        EXPECT_EQ(request.error.find('\n'), std::string::npos);
    }
}

} // namespace
