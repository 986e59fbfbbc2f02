#include "platform/clock.h"
#include "platform/headless.h"
#include "platform/single_instance.h"
#include "platform/window.h"
#include "tests/support/test_env.h"

#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

// The lock is held for the life of a process, so every copy that takes it runs in a child
// of the test process; the test process itself only ever plays the later copy.
namespace {

Lresult quiet_proc(Hwnd, unsigned, Wparam, Lparam) {
    return 0;
}

// Runs the body in a child process; its return value becomes the exit status.
int in_child(const std::function<int()>& body) {
    pid_t child = fork();
    if (child == 0) _exit(body());
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

Hwnd iconic_window(const char* class_name) {
    headless_reset();
    register_class(class_name, quiet_proc);
    Hwnd hwnd = create_window(class_name, "", WS_VISIBLE, 0, 0, 10, 10, nullptr);
    show_window(hwnd, SW_MINIMIZE);
    return hwnd;
}

bool restored_and_raised(Hwnd hwnd) {
    return !is_iconic(hwnd) && headless_foreground_window() == hwnd;
}

// Runs the message loop (which serves requests) until the window is brought back or the
// time runs out.
bool loop_until_raised(Hwnd hwnd, unsigned milliseconds) {
    for (unsigned waited = 0; waited < milliseconds; waited += 5) {
        Msg msg{};
        get_message(&msg);
        if (restored_and_raised(hwnd)) return true;
        sleep_ms(5);
    }
    return false;
}

int connect_to(const std::string& path) {
    int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

TEST(SingleInstance, SecondCopyIsRefusedAndRaisesTheFirst) {
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    pid_t first = fork();
    if (first == 0) {
        close(ready[0]);
        Hwnd hwnd = iconic_window("SOLOTEST");
        bool acquired = single_instance_acquire("SOLOTEST");
        char answer = acquired ? '1' : '0';
        if (write(ready[1], &answer, 1) != 1) _exit(4);
        if (!acquired) _exit(3);
        _exit(loop_until_raised(hwnd, 5000) ? 0 : 2);
    }
    close(ready[1]);
    char answer = 0;
    ASSERT_EQ(read(ready[0], &answer, 1), 1);
    close(ready[0]);
    EXPECT_EQ(answer, '1') << "the first copy takes the lock";

    EXPECT_FALSE(single_instance_acquire("SOLOTEST"));
    int status = 0;
    waitpid(first, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the first copy's window was restored and raised";

    // Once the first copy has ended, the next one is first again, despite its socket file.
    EXPECT_EQ(in_child([] {
                  return single_instance_acquire("SOLOTEST") && single_instance_acquire("SOLOTEST")
                             ? 0
                             : 1;
              }),
              0);
}

TEST(SingleInstance, MalformedOrSilentRequestsNeitherRaiseNorBlock) {
    std::string socket_path = test_root() + "/runtime/solvantrix-SOLOHOSTILE.sock";
    int result = in_child([&] {
        Hwnd hwnd = iconic_window("SOLOHOSTILE");
        if (!single_instance_acquire("SOLOHOSTILE")) return 1;
        int silent = connect_to(socket_path);
        int noisy = connect_to(socket_path);
        if (silent < 0 || noisy < 0) return 2;
        std::string junk(5000, 'x');
        if (send(noisy, junk.data(), junk.size(), MSG_NOSIGNAL) <= 0) return 3;
        // The loop keeps running while a client says nothing, and junk raises nothing.
        if (loop_until_raised(hwnd, 200)) return 4;
        int polite = connect_to(socket_path);
        if (polite < 0 || send(polite, "raise\n", 6, MSG_NOSIGNAL) != 6) return 5;
        close(polite);
        if (!loop_until_raised(hwnd, 2000)) return 6;
        close(silent);
        close(noisy);
        return 0;
    });
    EXPECT_EQ(result, 0);
}

TEST(SingleInstance, WithoutRuntimeDirectoryFallsBackToPrivateTmp) {
    int result = in_child([] {
        unsetenv("XDG_RUNTIME_DIR");
        if (!single_instance_acquire("SOLOFALLBACK")) return 1;
        std::string lock =
            "/tmp/solvantrix-" + std::to_string(getuid()) + "/solvantrix-SOLOFALLBACK.lock";
        return access(lock.c_str(), F_OK) == 0 ? 0 : 2;
    });
    EXPECT_EQ(result, 0);
    std::string directory = "/tmp/solvantrix-" + std::to_string(getuid());
    unlink((directory + "/solvantrix-SOLOFALLBACK.lock").c_str());
    unlink((directory + "/solvantrix-SOLOFALLBACK.sock").c_str());
    rmdir(directory.c_str());
}

} // namespace
