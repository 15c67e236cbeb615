#include "core/platform/file_system.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/temp_folder.h"

namespace tallow {
namespace {

using testing::TempFolder;

TEST(LocalFileSystemTest, WritesAtomicallyAndReadsBackEveryByte) {
    TempFolder folder;
    const std::string path = folder / "month.jx2";
    std::string bytes(70000, '\0');
    for (size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>(i * 7);
    }
    ASSERT_EQ(LocalFiles().WriteFileAtomically(path, bytes), WriteStatus::Ok);
    std::string read;
    ASSERT_TRUE(LocalFiles().ReadFile(path, read));
    EXPECT_EQ(read, bytes);

    ASSERT_EQ(LocalFiles().WriteFileAtomically(path, ""), WriteStatus::Ok);
    ASSERT_TRUE(LocalFiles().ReadFile(path, read));
    EXPECT_TRUE(read.empty());
    // Nothing but the target is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(LocalFileSystemTest, ReadRefusesMissingFilesAndFolders) {
    TempFolder folder;
    std::string read = "stale";
    EXPECT_FALSE(LocalFiles().ReadFile(folder / "missing.txt", read));
    EXPECT_TRUE(read.empty());
    EXPECT_FALSE(LocalFiles().ReadFile(folder.Path().string(), read));
}

TEST(LocalFileSystemTest, WriteIntoAMissingFolderLeavesNothingBehind) {
    TempFolder folder;
    EXPECT_EQ(LocalFiles().WriteFileAtomically(folder / "no/such/folder/month.jx2", "data"),
              WriteStatus::CannotCreate);
    EXPECT_FALSE(LocalFiles().Exists(folder / "no"));
}

TEST(LocalFileSystemTest, MakesFoldersAndRenames) {
    TempFolder folder;
    const std::string nested = folder / "a/b/c";
    EXPECT_TRUE(LocalFiles().MakeDirectories(nested));
    EXPECT_TRUE(LocalFiles().MakeDirectories(nested)) << "an existing folder is fine";
    TempFolder::Write(nested + "/old.txt", "log");
    EXPECT_TRUE(LocalFiles().Rename(nested + "/old.txt", nested + "/new.txt"));
    EXPECT_FALSE(LocalFiles().Exists(nested + "/old.txt"));
    EXPECT_EQ(TempFolder::Read(nested + "/new.txt"), "log");
}

}  // namespace
}  // namespace tallow
