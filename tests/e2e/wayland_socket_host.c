/* Stands in for a locker that hosts a background program: connects to the compositor,
 * starts the program with the other end of a socket pair in WAYLAND_SOCKET (and no
 * WAYLAND_DISPLAY), and passes the protocol both ways, file descriptors included. On SIGTERM
 * it closes the program's connection, as a locker does when the lock ends, and exits with the
 * program's exit code (124 when it is still running 5 seconds later). With --hide INTERFACE
 * the program is not told of the compositor's global of that interface, as on a compositor
 * without it.
 *
 * wayland_socket_host [--hide INTERFACE] COMPOSITOR_SOCKET_PATH PROGRAM ARGS... */
#include <errno.h>
#include <stdint.h>
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

struct Stream {
    int from, to;
    int to_compositor;
    unsigned char pending[1 << 16];
    size_t held;
    int fds[MAX_FDS]; /* received, not yet passed on */
    size_t fd_count;
};

static const char* hidden_interface;
static uint32_t registry_ids[16];
static size_t registries;

static uint32_t word(const unsigned char* bytes) {
    uint32_t value;
    memcpy(&value, bytes, sizeof value);
    return value;
}

static int is_registry(uint32_t id) {
    for (size_t i = 0; i < registries; ++i)
        if (registry_ids[i] == id) return 1;
    return 0;
}

/* Notes the registries the program asks for (wl_display.get_registry) and whether a
 * message is a wl_registry.global event of the hidden interface. */
static int hidden(const struct Stream* stream, const unsigned char* message, uint32_t size) {
    uint32_t object = word(message), opcode = word(message + 4) & 0xffff;
    if (stream->to_compositor) {
        if (object == 1 && opcode == 1 && size >= 12 && registries < 16)
            registry_ids[registries++] = word(message + 8);
        return 0;
    }
    if (!hidden_interface || opcode != 0 || !is_registry(object) || size < 16) return 0;
    uint32_t length = word(message + 12);
    return length == strlen(hidden_interface) + 1 && 16 + length <= size &&
           memcmp(message + 16, hidden_interface, length) == 0;
}

/* Moves the whole messages that have arrived, with the descriptors that came with them;
 * 0 at the end of either side. */
static int pass(struct Stream* stream) {
    char control[CMSG_SPACE(sizeof(int) * MAX_FDS)];
    struct iovec io = {stream->pending + stream->held, sizeof stream->pending - stream->held};
    struct msghdr message = {0};
    message.msg_iov = &io;
    message.msg_iovlen = 1;
    message.msg_control = control;
    message.msg_controllen = sizeof control;
    ssize_t got = recvmsg(stream->from, &message, MSG_CMSG_CLOEXEC);
    if (got <= 0) return got < 0 && errno == EINTR ? 1 : 0;
    stream->held += (size_t)got;
    for (struct cmsghdr* c = CMSG_FIRSTHDR(&message); c; c = CMSG_NXTHDR(&message, c)) {
        if (c->cmsg_level != SOL_SOCKET || c->cmsg_type != SCM_RIGHTS) continue;
        size_t n = (c->cmsg_len - CMSG_LEN(0)) / sizeof(int);
        for (size_t i = 0; i < n; ++i) {
            int fd;
            memcpy(&fd, CMSG_DATA(c) + i * sizeof(int), sizeof(int));
            if (stream->fd_count < MAX_FDS)
                stream->fds[stream->fd_count++] = fd;
            else
                close(fd);
        }
    }
    /* Whole messages only: a hidden one is left out, the rest go on in order. */
    static unsigned char out_bytes[sizeof stream->pending];
    size_t out = 0, at = 0;
    while (stream->held - at >= 8) {
        uint32_t size = word(stream->pending + at + 4) >> 16;
        if (size < 8) return 0;
        if (stream->held - at < size) break;
        if (!hidden(stream, stream->pending + at, size)) {
            memcpy(out_bytes + out, stream->pending + at, size);
            out += size;
        }
        at += size;
    }
    memmove(stream->pending, stream->pending + at, stream->held - at);
    stream->held -= at;
    /* Descriptors travel with bytes: they wait for the next whole message. */
    if (out == 0) return 1;
    struct msghdr sent = {0};
    struct iovec sent_io = {out_bytes, out};
    char sent_control[CMSG_SPACE(sizeof(int) * MAX_FDS)];
    sent.msg_iov = &sent_io;
    sent.msg_iovlen = 1;
    if (stream->fd_count > 0) {
        memset(sent_control, 0, sizeof sent_control);
        sent.msg_control = sent_control;
        sent.msg_controllen = CMSG_SPACE(sizeof(int) * stream->fd_count);
        struct cmsghdr* c = CMSG_FIRSTHDR(&sent);
        c->cmsg_level = SOL_SOCKET;
        c->cmsg_type = SCM_RIGHTS;
        c->cmsg_len = CMSG_LEN(sizeof(int) * stream->fd_count);
        memcpy(CMSG_DATA(c), stream->fds, sizeof(int) * stream->fd_count);
    }
    int ok = sendmsg(stream->to, &sent, MSG_NOSIGNAL) == (ssize_t)out;
    for (size_t i = 0; i < stream->fd_count; ++i) close(stream->fds[i]);
    stream->fd_count = 0;
    return ok;
}

static int exit_code_of(int status) {
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    return 128 + WTERMSIG(status);
}

int main(int argc, char** argv) {
    if (argc > 2 && strcmp(argv[1], "--hide") == 0) {
        hidden_interface = argv[2];
        argv += 2;
        argc -= 2;
    }
    if (argc < 3) {
        fprintf(stderr, "usage: %s [--hide INTERFACE] COMPOSITOR_SOCKET_PATH PROGRAM ARGS...\n",
                argv[0]);
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
    static struct Stream up, down;
    up.from = pair[0];
    up.to = compositor;
    up.to_compositor = 1;
    down.from = compositor;
    down.to = pair[0];
    int status = 0;
    while (!ending) {
        struct pollfd ends[2] = {{pair[0], POLLIN, 0}, {compositor, POLLIN, 0}};
        if (poll(ends, 2, 100) < 0) continue;
        if (ends[0].revents && !pass(&up)) break;
        if (ends[1].revents && !pass(&down)) break;
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
