/* Stands in for a locker that hosts a background program: connects to the compositor,
 * starts the program with the other end of a socket pair in WAYLAND_SOCKET (and no
 * WAYLAND_DISPLAY), and passes the protocol both ways, file descriptors included. On SIGTERM
 * it closes the program's connection, as a locker does when the lock ends, and exits with the
 * program's exit code (124 when it is still running 5 seconds later).
 *
 * wayland_socket_host COMPOSITOR_SOCKET_PATH PROGRAM ARGS... */
#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#define MAX_FDS 28

static volatile sig_atomic_t ending;

static void on_term(int signal_number) {
    (void)signal_number;
    ending = 1;
}

/* Moves one chunk of bytes with the descriptors that came with it; 0 at the end. */
static int pass(int from, int to) {
    char bytes[4096];
    char control[CMSG_SPACE(sizeof(int) * MAX_FDS)];
    struct iovec io = {bytes, sizeof bytes};
    struct msghdr message = {0};
    message.msg_iov = &io;
    message.msg_iovlen = 1;
    message.msg_control = control;
    message.msg_controllen = sizeof control;
    ssize_t got = recvmsg(from, &message, MSG_CMSG_CLOEXEC);
    if (got <= 0) return got < 0 && errno == EINTR ? 1 : 0;
    int fds[MAX_FDS];
    size_t count = 0;
    for (struct cmsghdr* c = CMSG_FIRSTHDR(&message); c; c = CMSG_NXTHDR(&message, c)) {
        if (c->cmsg_level != SOL_SOCKET || c->cmsg_type != SCM_RIGHTS) continue;
        size_t n = (c->cmsg_len - CMSG_LEN(0)) / sizeof(int);
        for (size_t i = 0; i < n && count < MAX_FDS; ++i)
            memcpy(&fds[count++], CMSG_DATA(c) + i * sizeof(int), sizeof(int));
    }
    struct msghdr out = {0};
    struct iovec out_io = {bytes, (size_t)got};
    char out_control[CMSG_SPACE(sizeof(int) * MAX_FDS)];
    out.msg_iov = &out_io;
    out.msg_iovlen = 1;
    if (count > 0) {
        memset(out_control, 0, sizeof out_control);
        out.msg_control = out_control;
        out.msg_controllen = CMSG_SPACE(sizeof(int) * count);
        struct cmsghdr* c = CMSG_FIRSTHDR(&out);
        c->cmsg_level = SOL_SOCKET;
        c->cmsg_type = SCM_RIGHTS;
        c->cmsg_len = CMSG_LEN(sizeof(int) * count);
        memcpy(CMSG_DATA(c), fds, sizeof(int) * count);
    }
    ssize_t sent = sendmsg(to, &out, MSG_NOSIGNAL);
    for (size_t i = 0; i < count; ++i) close(fds[i]);
    return sent == got;
}

static int exit_code_of(int status) {
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    return 128 + WTERMSIG(status);
}

int main(int argc, char** argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: %s COMPOSITOR_SOCKET_PATH PROGRAM ARGS...\n", argv[0]);
        return 2;
    }
    int compositor = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    struct sockaddr_un address = {0};
    address.sun_family = AF_UNIX;
    snprintf(address.sun_path, sizeof address.sun_path, "%s", argv[1]);
    if (connect(compositor, (struct sockaddr*)&address, sizeof address) != 0) {
        perror("connect to the compositor");
        return 2;
    }
    int pair[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0) return 2;
    struct sigaction action = {0};
    action.sa_handler = on_term;
    sigaction(SIGTERM, &action, NULL);
    pid_t child = fork();
    if (child == 0) {
        int fd = dup(pair[1]); /* without close-on-exec */
        char text[16];
        snprintf(text, sizeof text, "%d", fd);
        setenv("WAYLAND_SOCKET", text, 1);
        unsetenv("WAYLAND_DISPLAY");
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    close(pair[1]);
    int status = 0;
    while (!ending) {
        struct pollfd ends[2] = {{pair[0], POLLIN, 0}, {compositor, POLLIN, 0}};
        if (poll(ends, 2, 100) < 0) continue;
        if (ends[0].revents && !pass(pair[0], compositor)) break;
        if (ends[1].revents && !pass(compositor, pair[0])) break;
        if (waitpid(child, &status, WNOHANG) == child) return exit_code_of(status);
    }
    close(pair[0]);
    close(compositor);
    for (int i = 0; i < 50; ++i) {
        if (waitpid(child, &status, WNOHANG) == child) return exit_code_of(status);
        struct timespec tenth = {0, 100000000};
        nanosleep(&tenth, NULL);
    }
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
    return 124;
}
