// corvane-inspect opening the files it is given: a fifo put in a file's place never holds it, and a file
// that does not open is reported with the system's reason.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <sstream>
#include <string>

#include "inspect/report.h"
#include "support/child_process.h"
#include "support/name_swapper.h"
#include "support/test_folders.h"

namespace corvane::inspect {
namespace {

using namespace corvane::testing;
using namespace std::chrono_literals;

std::string InspectOnce(const std::string& path) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunInspect({path}, out, err, nullptr, "1.0");
    return std::to_string(status) + " " + out.str() + err.str();
}

TEST(InspectOpen, AFifoSwappedInWhileInspectingNeverHoldsTheInspector) {
    TempFolder folder;
    const std::string path = folder.File("menu.dat");
    const Bytes menu = Golden("menu_8620_defaults.dat");
    ASSERT_EQ(menu.size(), 60u);
    const ChildOutcome child = RunInChild(
        [&] {
            FifoSwapper swapper(path, menu);
            int sounds = 0;
            int refused = 0;
            // As many runs as it takes for the name to change many times under them.
            for (int i = 0; i < 4000 || swapper.swaps() < 20000; ++i) {
                const std::string result = InspectOnce(path);
                if (result.rfind("0 " + path + ": camera menu file, sound", 0) == 0) {
                    ++sounds;
                } else if (result == "1 " + path + ": cannot read: not a regular file\n") {
                    ++refused;
                } else {
                    return "unexpected: " + result;
                }
            }
            return std::string(sounds > 0 && refused > 0 ? "both" : "one kind only");
        },
        60s);
    ASSERT_TRUE(child.finished) << "the inspector stayed in open on the fifo";
    EXPECT_EQ(child.output, "both");
}

TEST(InspectOpen, AFileThatDoesNotOpenIsReportedWithTheSystemsReason) {
    TempFolder folder;
    ASSERT_EQ(::chmod(folder.path().c_str(), 0755), 0);
    const std::string path = folder.File("menu.dat");
    ASSERT_TRUE(WriteBytes(path, Golden("menu_8620_defaults.dat")));
    ASSERT_EQ(::chmod(path.c_str(), 0000), 0);
    const ChildOutcome child = RunInChild([&] { return InspectOnce(path); }, 20s, /*asNobody=*/true);
    ASSERT_TRUE(child.finished);
    EXPECT_EQ(child.output, "1 " + path + ": cannot read: Permission denied\n");
}

}  // namespace
}  // namespace corvane::inspect
