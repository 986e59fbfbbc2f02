#include "platform/wayland/output_list.h"

#include <gtest/gtest.h>

namespace {

OutputSize output(uint32_t id, int width, int height, int scale = 1) {
    OutputSize size;
    size.id = id;
    size.width = width;
    size.height = height;
    size.scale = scale;
    return size;
}

TEST(WaylandLead, TheOutputWithTheMostPixelsLeadsAndKeepsItsPlaceOnATie) {
    struct Case {
        const char* what;
        std::vector<OutputSize> outputs;
        uint32_t current, expected;
    } cases[] = {
        {"none", {}, 0, 0},
        {"not configured yet", {output(1, 0, 0)}, 0, 0},
        {"one", {output(1, 800, 600)}, 0, 1},
        {"the larger", {output(1, 800, 600), output(2, 1920, 1080)}, 1, 2},
        // 1280x720 at scale 2 is drawn at 2560x1440 pixels.
        {"scale counts", {output(1, 1920, 1080), output(2, 1280, 720, 2)}, 1, 2},
        {"a tie keeps the lead", {output(1, 1920, 1080), output(2, 1920, 1080)}, 2, 2},
        {"a tie without a lead takes the first", {output(3, 640, 480), output(2, 640, 480)}, 0, 3},
        {"a gone lead hands over", {output(1, 800, 600)}, 2, 1},
        {"unconfigured never leads", {output(1, 0, 0, 2), output(2, 320, 200)}, 1, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(choose_lead_output(c.outputs, c.current), c.expected) << c.what;
}

TEST(WaylandCover, TheLeadsFrameCoversAnotherShapeCentredWithoutStretching) {
    struct Case {
        const char* what;
        int source_width, source_height, target_width, target_height;
        CoverRegion expected;
    } cases[] = {
        {"same shape", 1920, 1080, 1280, 720, {0.0f, 0.0f, 1.0f, 1.0f}},
        {"narrower: sides cut", 1600, 900, 1200, 900, {0.125f, 0.0f, 0.875f, 1.0f}},
        {"wider: top and bottom cut", 800, 800, 1600, 800, {0.0f, 0.25f, 1.0f, 0.75f}},
        {"portrait", 1920, 1080, 1080, 1920, {0.341797f, 0.0f, 0.658203f, 1.0f}},
        {"no frame yet", 0, 0, 800, 600, {0.0f, 0.0f, 1.0f, 1.0f}},
    };
    for (const Case& c : cases) {
        const CoverRegion region =
            cover_region(c.source_width, c.source_height, c.target_width, c.target_height);
        EXPECT_NEAR(region.left, c.expected.left, 1e-5) << c.what;
        EXPECT_NEAR(region.bottom, c.expected.bottom, 1e-5) << c.what;
        EXPECT_NEAR(region.right, c.expected.right, 1e-5) << c.what;
        EXPECT_NEAR(region.top, c.expected.top, 1e-5) << c.what;
    }
}

} // namespace
