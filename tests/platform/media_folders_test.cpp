// The facts the platform tells about a volume for the camera-card question: its format by the mount
// table's name, and whether it is mounted where the desktop mounts the user's media.
#include <gtest/gtest.h>

#include <string>

#include "platform/mounted_volumes.h"

namespace corvane::platform {
namespace {

TEST(MountedVolumes, FormatsOfACard) {
    struct Case {
        const char* fileSystem;
        VolumeFormat format;
    };
    constexpr VolumeFormat kFat = VolumeFormat::kFat;
    constexpr VolumeFormat kExFat = VolumeFormat::kExFat;
    constexpr VolumeFormat kOther = VolumeFormat::kOther;
    const Case cases[] = {
        {"vfat", kFat},
        {"msdos", kFat},
        {"exfat", kExFat},
        {"VFAT", kFat},
        {"fuse.fusefat", kFat},
        {"fuse.exfat", kExFat},
        {"fuseblk.exfat", kExFat},
        {"fuseblk.vfat", kFat},
        {"fuseblk", kOther},
        {"fuseblk.ntfs", kOther},
        {"ntfs3", kOther},
        {"ext4", kOther},
        {"fuse.sshfs", kOther},
        {"", kOther},
        {"tmpfs", kOther},
        {"fusectl", kOther},
        {"fat32", kFat},
        {"fat", kFat},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatOfFileSystem(c.fileSystem), c.format) << c.fileSystem;
    }
}

TEST(MountedVolumes, UserMediaFolders) {
    struct Case {
        const char* path;
        const char* user;
        bool media;
    };
    const Case cases[] = {
        {"/media/alice/CAM01", "alice", true},
        {"/run/media/alice/CAM01", "alice", true},
        {"/media/alice/CAM01/", "alice", true},
        {"/media/alice/a/b", "alice", true},
        {"/media/alice", "alice", false},  // the user's folder itself
        {"/media/alice/", "alice", false},
        {"/media/bob/CAM01", "alice", false},  // someone else's media
        {"/media/alicex/CAM01", "alice", false},
        {"/mnt/CAM01", "alice", false},
        {"/home/alice/media/alice/x", "alice", false},
        {"/media/alice/CAM01", "", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsUnderUserMedia(c.path, c.user), c.media) << c.path << " for " << c.user;
    }
}

// A folder right inside the user's media folder is where a card was mounted (a write there, once it is
// empty, must not land on the system disk); one deeper or elsewhere is not.
TEST(MountedVolumes, MediaMountFolders) {
    struct Case {
        const char* folder;
        bool mountFolder;
    };
    const Case cases[] = {
        {"/media/alice/CAM01", true},
        {"/media/alice/CAM01/", true},
        {"/run/media/alice/CAM09", true},
        {"/media/alice/CAM01/DCIM", false},
        {"/media/alice", false},
        {"/media/bob/CAM01", false},
        {"/mnt/sd", false},
        {"/home/alice", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsMediaMountFolder(c.folder, "alice"), c.mountFolder) << c.folder;
    }
    EXPECT_FALSE(IsMediaMountFolder("/media/alice/CAM01", "")) << "no user";
}

}  // namespace
}  // namespace corvane::platform
