#include "platform/mounted_volumes.h"
#include "platform/volume_serial.h"

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace corvane::platform {
namespace {

namespace fs = std::filesystem;

void WriteFile(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << text << "\n";
}

// A sysfs tree as the kernel lays it out: disks with their partitions inside, /sys/class/block linking
// every block device by name.
class FakeSysfs {
  public:
    FakeSysfs() : root_(dir_.path().toStdString()) {}

    void Disk(const std::string& name, const std::string& removable) {
        const fs::path folder = root_ / "devices" / "platform" / name;
        WriteFile(folder / "removable", removable);
        fs::create_directories(root_ / "class" / "block");
        fs::create_directory_symlink(folder, root_ / "class" / "block" / name);
    }
    void Partition(const std::string& disk, const std::string& name) {
        const fs::path folder = root_ / "devices" / "platform" / disk / name;
        WriteFile(folder / "partition", "1");
        fs::create_directory_symlink(folder, root_ / "class" / "block" / name);
    }
    void Attribute(const std::string& disk, const std::string& relative, const std::string& value) {
        WriteFile(root_ / "devices" / "platform" / disk / relative, value);
    }
    std::string root() const { return root_.string(); }

  private:
    QTemporaryDir dir_;
    fs::path root_;
};

TEST(MountedVolumes, RemovableMediumFromTheKernel) {
    FakeSysfs sys;
    sys.Disk("sdb", "1");  // USB card reader
    sys.Partition("sdb", "sdb1");
    sys.Disk("nvme0n1", "0");  // the machine's own disk
    sys.Partition("nvme0n1", "nvme0n1p1");
    sys.Disk("mmcblk0", "0");  // SD card slot: the flag says fixed, the card type says SD
    sys.Attribute("mmcblk0", "device/type", "SD");
    sys.Partition("mmcblk0", "mmcblk0p1");
    sys.Disk("mmcblk1", "0");  // soldered eMMC
    sys.Attribute("mmcblk1", "device/type", "MMC");
    sys.Partition("mmcblk1", "mmcblk1p1");
    sys.Disk("loop3", "0");
    sys.Attribute("loop3", "loop/backing_file", "/tmp/card.img");

    struct Case {
        const char* device;
        const char* rootPath;
        bool removable;
    };
    const Case cases[] = {
        {"/dev/sdb1", "/mnt/x", true},
        {"/dev/sdb", "/mnt/x", true},
        {"/dev/nvme0n1p1", "/boot/efi", false},
        {"/dev/nvme0n1p1", "/media/alice/EFI", false},  // the folder does not make a fixed disk removable
        {"/dev/mmcblk0p1", "/mnt/sd", true},
        {"/dev/mmcblk1p1", "/mnt/emmc", false},
        {"/dev/loop3", "/media/alice/CAMIMG", true},  // file-backed: the desktop folder decides
        {"/dev/loop3", "/mnt/image", false},
        {"fusefat", "/media/alice/CARD", true},  // FUSE driver's own name
        {"fusefat", "/mnt/card", false},
        {"/home/alice/card.img", "/media/alice/CARD", true},
        {"/dev/sdz1", "/mnt/x", false},  // unknown to the kernel
        {"", "/media/bob/CARD", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsRemovableMedium(c.device, c.rootPath, "alice", sys.root()), c.removable)
            << c.device << " at " << c.rootPath;
    }
}

// Runs a shell command quietly; true when it succeeded.
bool RunQuietly(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

// Image files with real file systems, made by the systems' own mkfs tools, probed as a device would be.
TEST(MountedVolumes, DeviceFileSystemFormatReadsTheSuperblock) {
    struct Case {
        const char* mkfs;  // run on the image; empty: left as zeros
        const char* format;
        const char* serial;  // the volume serial number as libblkid writes it
    };
    const Case cases[] = {
        {"mkfs.fat -i 1A2B3C4D", "vfat", "1A2B-3C4D"},
        {"mkfs.exfat", "exfat", nullptr},  // a random serial: only that there is one
        {"mkfs.ext4 -q -F -U 0b6c7e3a-5d2f-4a1b-9c8d-7e6f5a4b3c2d", "ext4",
         "0b6c7e3a-5d2f-4a1b-9c8d-7e6f5a4b3c2d"},
        {"", "", ""},  // nothing on it: no guess
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mkfs);
        const std::string tool = std::string(c.mkfs).substr(0, std::string(c.mkfs).find(' '));
        if (!tool.empty() && !RunQuietly("command -v " + tool)) {
            ADD_FAILURE() << tool << " is missing (scripts/install-deps.sh installs it)";
            continue;
        }
        const fs::path image = fs::path(dir.path().toStdString()) / (tool.empty() ? "zeros" : tool);
        std::ofstream(image).close();
        fs::resize_file(image, 4 << 20);
        if (!tool.empty()) {
            ASSERT_TRUE(RunQuietly(std::string(c.mkfs) + " '" + image.string() + "'"));
        }
        EXPECT_EQ(DeviceFileSystemFormat(image.string()), c.format);
        if (c.serial != nullptr) {
            EXPECT_EQ(VolumeSerialNumber(image.string()), c.serial);
        } else {
            EXPECT_FALSE(VolumeSerialNumber(image.string()).empty());
        }
    }
    // Names that are no device or image: nothing to read, no answer.
    for (const std::string& name : {std::string(), dir.path().toStdString(), std::string("/dev/null"),
                                    dir.path().toStdString() + "/missing", std::string("fusefat")}) {
        EXPECT_EQ(DeviceFileSystemFormat(name), "") << name;
        EXPECT_EQ(VolumeSerialNumber(name), "") << name;
    }
}

// Lines as the kernel writes them: optional fields before the "-", escaped names, read-only mounts.
TEST(MountedVolumes, TheMountTableIsReadAsTheKernelWritesIt) {
    const std::string table =
        "28 1 254:0 / / rw,relatime - ext4 /dev/vda rw,discard\n"
        "46 28 0:41 / /media/alice/CARD rw,nosuid,nodev,relatime shared:1 master:2 - fuse.fusefat /dev/loop0 "
        "rw,user_id=0,group_id=0\n"
        "47 28 8:17 / /media/alice/MY\\040CARD ro,nosuid - vfat /dev/sdb1 ro,fmask=0022\n"
        "48 28 8:33 / /mnt/back\\134slash rw - exfat /dev/sdc1 ro,errors=remount-ro\n"
        "49 28 0:50 / /run/media/alice/TRAIL rw - fuseblk /dev/sdd1 rw,user_id=0\n"
        "50 28 0:51 /sub /mnt/bound rw - ext4 /dev/vda rw,rootless\n"
        "garbage line\n"
        "\n";
    struct Expected {
        const char* rootPath;
        const char* fileSystem;
        const char* device;
        bool readOnly;
    };
    const Expected expected[] = {
        {"/", "ext4", "/dev/vda", false},
        {"/media/alice/CARD", "fuse.fusefat", "/dev/loop0", false},
        {"/media/alice/MY CARD", "vfat", "/dev/sdb1", true},
        {"/mnt/back\\slash", "exfat", "/dev/sdc1", true},  // the file system is read-only
        {"/run/media/alice/TRAIL", "fuseblk", "/dev/sdd1", false},
        {"/mnt/bound", "ext4", "/dev/vda", false},
    };
    const std::vector<Volume> volumes = ParseMountInfo(table);
    ASSERT_EQ(volumes.size(), std::size(expected));
    for (std::size_t i = 0; i < volumes.size(); ++i) {
        SCOPED_TRACE(expected[i].rootPath);
        EXPECT_EQ(volumes[i].rootPath, expected[i].rootPath);
        EXPECT_EQ(volumes[i].fileSystem, expected[i].fileSystem);
        EXPECT_EQ(volumes[i].device, expected[i].device);
        EXPECT_EQ(volumes[i].readOnly, expected[i].readOnly);
        EXPECT_EQ(volumes[i].bytesTotal, 0u) << "the file system is not asked";
        EXPECT_TRUE(volumes[i].ready);
    }
}

TEST(MountedVolumes, TheSystemRootIsListedAsAFixedVolumeAndAnswersWithItsSpace) {
    const std::vector<Volume> volumes = ReadMountedVolumes(CurrentUserName());
    const auto root =
        std::find_if(volumes.begin(), volumes.end(), [](const Volume& v) { return v.rootPath == "/"; });
    ASSERT_NE(root, volumes.end());
    EXPECT_FALSE(root->fileSystem.empty());
    EXPECT_FALSE(root->removable);
    EXPECT_FALSE(CurrentUserName().empty());
    for (const Volume& volume : volumes) {
        for (const char* special : {"/proc", "/sys", "/dev"}) {
            EXPECT_NE(volume.rootPath.rfind(special, 0), 0u) << volume.rootPath;
        }
    }

    Volume asked = *root;
    VolumeSpaceQuestions questions(std::chrono::seconds(10));
    questions.Ask({&asked});
    EXPECT_TRUE(asked.ready);
    EXPECT_GT(asked.bytesTotal, 0u);
    EXPECT_LE(asked.bytesFree, asked.bytesTotal);

    Volume gone = *root;
    gone.rootPath = "/no/such/mount";
    questions.Ask({&gone});
    EXPECT_FALSE(gone.ready) << "a file system that gives an error is not ready";
}

// What the reader must notice, on real mounts: a volume mounted and unmounted, a watch that rests while
// nothing changes, and the space used on a volume asked again. In a child process with a private mount
// namespace (needs root), so that no mount of the system or of another test is seen or touched.
TEST(MountedVolumes, TheReaderFollowsMountsAndReadsTheSpaceEachTime) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string folder = dir.path().toStdString();
    // Exit codes of the child: 0 passed, 77 cannot make the mount namespace or the mount, others: a step.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
            _exit(77);
        }
        MountTableWatch watch;
        MountedVolumesReader reader;
        const std::string user = CurrentUserName();
        auto listed = [&](const std::vector<Volume>& volumes) -> const Volume* {
            for (const Volume& v : volumes) {
                if (v.rootPath == folder) {
                    return &v;
                }
            }
            return nullptr;
        };
        if (watch.Changed()) {
            _exit(10);  // nothing has happened yet
        }
        if (listed(reader.Read(user)) != nullptr) {
            _exit(11);
        }
        if (mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=4m") != 0) {
            _exit(77);
        }
        if (!watch.Changed()) {
            _exit(12);  // the mount is seen
        }
        watch.Rearm();
        if (watch.Changed()) {
            _exit(13);  // and the watch rests again
        }
        const std::vector<Volume> mounted = reader.Read(user);
        const Volume* volume = listed(mounted);
        if (volume == nullptr || volume->bytesTotal != 0) {
            _exit(14);  // the reader read the table again, and asks no volume but a card for its space
        }
        Volume asked = *volume;
        VolumeSpaceQuestions questions(std::chrono::seconds(10));
        questions.Ask({&asked});
        const uint64_t freeBefore = asked.bytesFree;
        {
            std::ofstream file(folder + "/filler", std::ios::binary);
            const std::string megabyte(1 << 20, 'x');
            file << megabyte;
        }
        questions.Ask({&asked});
        if (asked.bytesTotal < 3u << 20 || asked.bytesFree + (1u << 20) > freeBefore) {
            _exit(15);  // the space is asked again
        }
        if (umount(folder.c_str()) != 0) {
            _exit(16);
        }
        if (listed(reader.Read(user)) != nullptr) {
            _exit(17);  // the unmount is seen
        }
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77) {
        GTEST_SKIP() << "no private mount namespace or tmpfs mount here (needs root)";
    }
    EXPECT_EQ(WEXITSTATUS(status), 0)
        << "step that failed: 10 watch without a change, 11 folder listed before "
           "the mount, 12 mount not seen, 13 watch not rearmed, 14 mount not "
           "read or a volume that is no card asked, 15 space not asked again, 16 unmount, 17 unmount not "
           "seen";
}

}  // namespace
}  // namespace corvane::platform
