// The schedule-load fuzzer starts from small valid files of several versions
// kept in fuzz/corpus/schedule_load. This test checks that they still load
// cleanly and are what the file builders make; run it with
// TALLOW_WRITE_SEEDS=1 to write them afresh.

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "core/files/schedule_file.h"
#include "core/model/schedule.h"
#include "core/platform/file_system.h"
#include "schedule_file_bytes.h"
#include "support/scripted_desktop.h"

namespace tallow {
namespace {

using testing::FileShape;
using testing::ScheduleFile;

const std::string kSeedFolder = TALLOW_SOURCE_DIR "/fuzz/corpus/schedule_load";

FileShape Shape(std::string tag, uint32_t streamVersion, int32_t rows) {
    FileShape shape;
    shape.tag = std::move(tag);
    shape.streamVersion = streamVersion;
    shape.employeeCount = rows;
    return shape;
}

struct Seed {
    const char* name;
    std::function<std::string()> bytes;
};

std::string EmptySchedule() {
    auto schedule = std::make_unique<TSchedule>();
    schedule->DeleteAll();
    return *ScheduleBytes(*schedule, FileKind::Working, {});
}

TEST(SeedCorpusTest, SeedsAreCurrentAndLoadWithoutMessages) {
    const Seed seeds[] = {
        {"v29.jx2", [] { return ScheduleFile(); }},
        {"v29_no_rows.jx2", [] { return ScheduleFile(Shape("Tallowbright29", 257, 0)); }},
        {"v25.jx2", [] { return ScheduleFile(Shape("Tallowbright25", 257, 0)); }},
        {"v24.jx2", [] { return ScheduleFile(Shape("Tallowbright24", 257, 0)); }},
        {"v2_old_stream.jx2", [] { return ScheduleFile(Shape("Tallowbright2", 0, 1)); }},
        {"viewer_final.jx2", [] { return ScheduleFile(Shape("JXView_Final29", 257, 0)); }},
        {"empty.jx2", EmptySchedule},
    };
    const bool write = std::getenv("TALLOW_WRITE_SEEDS") != nullptr;
    for (const Seed& seed : seeds) {
        const std::string path = kSeedFolder + "/" + seed.name;
        const std::string bytes = seed.bytes();
        if (write) {
            ASSERT_EQ(LocalFiles().WriteFileAtomically(path, bytes), WriteStatus::Ok) << path;
        }
        std::string stored;
        ASSERT_TRUE(LocalFiles().ReadFile(path, stored)) << path;
        EXPECT_TRUE(stored == bytes) << path << " differs from what the builders make";

        auto schedule = std::make_unique<TSchedule>();
        schedule->DeleteAll();
        testing::ScriptedDesktop desktop;
        EXPECT_TRUE(LoadScheduleBytes(*schedule, stored, path, desktop).loaded) << path;
        EXPECT_TRUE(desktop.messages.empty()) << path;
    }
}

}  // namespace
}  // namespace tallow
