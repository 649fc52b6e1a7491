#pragma once

// The fixture of the dialog cases both framework backends run: a setup dialog on the platform fake,
// writing through the system's real file system into a fresh folder, driven through DialogDriver.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "core/l10n/language.h"
#include "core/models/app_settings.h"
#include "driver/dialog_driver.h"
#include "platform/system_file_system.h"
#include "support/fake_platform.h"

namespace corvane::testing {

using FileBytes = std::vector<uint8_t>;

inline FileBytes FileContents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The golden file `name` of the test data folder.
inline FileBytes GoldenFile(const std::string& name) {
    return FileContents(std::filesystem::path(CORVANE_TEST_DATA_DIR) / name);
}

template <class Dialog>
class SharedDialogTest : public ::testing::Test {
  protected:
    SharedDialogTest() {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        folder_ = std::filesystem::temp_directory_path() / ("corvane-cases-" + std::to_string(stamp));
        std::filesystem::create_directories(folder_);
        // The clock of the golden files.
        platform.now = {2013, 6, 15, 8, 30, 0};
        platform.defaultOutputFolder = folder_.string();
    }
    ~SharedDialogTest() override {
        driver.reset();
        dialog.reset();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    // Shows the dialog made by `make` (settings, platform and file system are the fixture's) with a driver.
    template <class Make>
    void Open(ModelFamily family, int32_t language, Make make) {
        driver.reset();
        settings.language = language;
        settings.model = family == ModelFamily::k8620 ? 4 : 3;
        dialog = make(family);
        ASSERT_TRUE(dialog->Create());
        driver = MakeDialogDriver(*dialog);
        platform.messages.clear();
        platform.frameworkMessages.clear();
    }

    FileBytes Written(const std::string& name) const { return FileContents(folder_ / name); }

    platform::FakePlatform platform;
    AppSettings settings;
    std::unique_ptr<FileSystem> fs = platform::MakeSystemFileSystem();
    std::unique_ptr<Dialog> dialog;
    std::unique_ptr<DialogDriver> driver;

  private:
    std::filesystem::path folder_;
};

}  // namespace corvane::testing
