#include "setup/remove_list.h"

#include <gtest/gtest.h>

namespace {

RemoveListRead read(const std::string& bytes) {
    // A copy of exactly the bytes, so that a read past the end is caught by the sanitizers.
    std::vector<unsigned char> exact(bytes.begin(), bytes.end());
    return read_remove_list(exact.data(), exact.size());
}

TEST(RemoveList, WrittenRecordsReadBackInOrder) {
    std::string list;
    const std::string longest(REMOVE_RECORD_MAX, 'x');
    for (const std::string& path : {std::string("/a/b.sv"), longest, std::string("/c")})
        ASSERT_TRUE(append_remove_record(&list, path));
    close_remove_list(&list);
    EXPECT_EQ(list.substr(0, 10), std::string("\x07/a/b.sv\r\n", 10));
    EXPECT_EQ(list.substr(list.size() - 2), std::string(2, '\0'));
    const RemoveListRead back = read(list);
    EXPECT_EQ(back.end, RemoveListEnd::closed);
    EXPECT_EQ(back.paths, (std::vector<std::string>{"/a/b.sv", longest, "/c"}));
}

TEST(RemoveList, PathsThatDoNotFitOneLengthByteAreRefused) {
    std::string list;
    EXPECT_FALSE(append_remove_record(&list, ""));
    EXPECT_FALSE(append_remove_record(&list, std::string(REMOVE_RECORD_MAX + 1, 'x')));
    EXPECT_TRUE(list.empty());
}

TEST(RemoveList, DamagedListsEndTheReadAtTheDamage) {
    const std::string good = std::string("\x02/a\r\n", 5);
    struct Case {
        const char* what;
        std::string bytes;
        RemoveListEnd end;
        size_t paths;
    } cases[] = {
        {"empty", "", RemoveListEnd::cut_short, 0},
        {"no closing zeros", good + good, RemoveListEnd::cut_short, 2},
        {"one closing zero is enough", good + std::string(1, '\0'), RemoveListEnd::closed, 1},
        {"cut inside the path", good + "\x09/abc", RemoveListEnd::cut_short, 1},
        {"cut before the line end", good + "\x02/b", RemoveListEnd::cut_short, 1},
        {"cut after the carriage return", good + "\x02/b\r", RemoveListEnd::cut_short, 1},
        {"length 255 with little behind it", "\xff/short\r\n" + std::string(2, '\0'),
         RemoveListEnd::cut_short, 0},
        {"no line end", good + "\x02/b--" + good, RemoveListEnd::damaged, 1},
        {"zero inside the path", good + std::string("\x03/\0b\r\n", 6) + good,
         RemoveListEnd::damaged, 1},
    };
    for (const Case& c : cases) {
        const RemoveListRead back = read(c.bytes);
        EXPECT_EQ(back.end, c.end) << c.what;
        EXPECT_EQ(back.paths.size(), c.paths) << c.what;
    }
}

} // namespace
