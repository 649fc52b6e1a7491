// corvane-write: a command-line program; it needs no display (QtCore only, for the volumes and D-Bus).
#include <QCoreApplication>
#include <atomic>
#include <chrono>
#include <csignal>
#include <ctime>
#include <iostream>
#include <thread>

#include "platform/mounted_volumes.h"
#include "platform/system_file_system.h"
#include "platform/udisks_unmount.h"
#include "platform/volume_serial.h"
#include "write/write_command.h"

namespace {

std::atomic<bool> stopAsked{false};

extern "C" void OnInterrupt(int) {
    stopAsked = true;
}

std::tm LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

class SystemEnvironment : public corvane::write::WriteEnvironment {
  public:
    SystemEnvironment()
        : files_(corvane::platform::MakeSystemFileSystem()), user_(corvane::platform::CurrentUserName()) {}

    corvane::FileSystem& Files() override { return *files_; }
    std::vector<corvane::Volume> Volumes() override { return volumes_.Read(user_); }
    bool IsMediaMountFolder(const std::string& folder) override {
        return corvane::platform::IsMediaMountFolder(folder, user_);
    }
    corvane::CameraClock Now() override {
        const std::tm t = LocalNow();
        return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
    }
    std::string Timestamp() override {
        const std::tm t = LocalNow();
        char text[32];
        std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &t);
        return text;
    }
    std::string VolumeSerial(const corvane::Volume& volume) override {
        return corvane::platform::VolumeSerialNumber(volume.device);
    }
    corvane::write::UnmountResult Unmount(const corvane::Volume& volume) override {
        const corvane::platform::UdisksUnmount result =
            corvane::platform::UnmountThroughUdisks(volume.device);
        return {result.done, result.reason};
    }
    bool StopAsked() override { return stopAsked; }
    void Pause() override {
        for (int i = 0; i < 5 && !stopAsked; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }

  private:
    std::unique_ptr<corvane::FileSystem> files_;
    std::string user_;
    corvane::platform::MountedVolumesReader volumes_;
};

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    QCoreApplication app(argc, argv);
    // Ctrl-C ends after the card in hand; a second one ends at once.
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    SystemEnvironment env;
    return corvane::write::RunWrite(args, std::cout, std::cerr, env, CORVANE_VERSION);
}
