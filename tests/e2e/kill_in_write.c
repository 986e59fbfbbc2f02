/* kill_in_write PID STEPS MAX_DELAY_US SEED DIRECTORY...
 * Sends PID SIGKILL in the middle of its writes to the directories. Each temporary file (a name
 * holding ".tmp") that appears or is renamed into place is one step of the writes; the kill
 * comes after a step drawn at random from 1 to STEPS, late by a random 0 to MAX_DELAY_US
 * microseconds, so that every phase is hit whatever the load makes the writes take. Prints
 * "step K delay D renames R": R is how many files were renamed into place before the kill.
 * With STEPS 0 it kills nothing and prints "steps S renames R span T" once the directories stay
 * quiet for a second: what one complete write does, and the microseconds from its first step to
 * its last. Exits 2 when the writes do not start within 20 seconds. */
#define _GNU_SOURCE
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/inotify.h>
#include <time.h>
#include <unistd.h>

static long long now_us(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (long long)t.tv_sec * 1000000 + t.tv_nsec / 1000;
}

static int watch;
static int steps, renames;
static long long first_step = -1, last_step = -1;

/* Reads what has arrived, waiting at most `timeout_ms`; 0 when nothing came. */
static int take_events(int timeout_ms) {
    struct pollfd ready = {watch, POLLIN, 0};
    if (poll(&ready, 1, timeout_ms) <= 0) return 0;
    char buffer[64 * 1024] __attribute__((aligned(__alignof__(struct inotify_event))));
    const ssize_t got = read(watch, buffer, sizeof buffer);
    for (ssize_t at = 0; at < got;) {
        const struct inotify_event* event = (const struct inotify_event*)(buffer + at);
        at += (ssize_t)sizeof *event + event->len;
        if (event->len == 0 || !strstr(event->name, ".tmp")) continue;
        ++steps;
        if (event->mask & IN_MOVED_FROM) ++renames;
        last_step = now_us();
        if (first_step < 0) first_step = last_step;
    }
    return 1;
}

int main(int argc, char** argv) {
    if (argc < 6) {
        fprintf(stderr, "usage: kill_in_write PID STEPS MAX_DELAY_US SEED DIRECTORY...\n");
        return 1;
    }
    const pid_t pid = (pid_t)atol(argv[1]);
    const int total = atoi(argv[2]);
    const long max_delay = atol(argv[3]);
    srand((unsigned)atol(argv[4]));
    watch = inotify_init1(IN_CLOEXEC);
    for (int i = 5; i < argc; ++i)
        if (inotify_add_watch(watch, argv[i], IN_CREATE | IN_MOVED_FROM) < 0) {
            perror(argv[i]);
            return 1;
        }
    /* Ready: the caller waits for this line before it makes the program write. */
    printf("watching\n");
    fflush(stdout);

    const long long give_up = now_us() + 20 * 1000000LL;
    if (total <= 0) {
        while (first_step < 0) {
            if (now_us() > give_up) return 2;
            take_events(100);
        }
        while (take_events(1000)) {
        }
        printf("steps %d renames %d span %lld\n", steps, renames, last_step - first_step);
        return 0;
    }
    const int step = 1 + rand() % total;
    /* A write can take fewer steps than the one measured (a file left by an earlier kill is
     * reused without appearing anew): once the writes have been quiet for a second, they are
     * over and the kill comes after them. */
    while (steps < step) {
        if (first_step < 0 ? now_us() > give_up : now_us() - last_step > 1000000) break;
        take_events(100);
    }
    if (steps == 0) return 2;
    const long delay = (long)((double)rand() / RAND_MAX * (double)max_delay);
    const struct timespec pause = {delay / 1000000, delay % 1000000 * 1000};
    nanosleep(&pause, NULL);
    kill(pid, SIGKILL);
    /* The renames the program made before it died are queued by now. */
    take_events(0);
    printf("step %d delay %ld renames %d\n", step, delay, renames);
    return 0;
}
