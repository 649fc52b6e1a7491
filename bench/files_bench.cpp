// Cost of the record code and of the checked write sequences, each beside a floor measured in the same
// run: the table CRC beside a bit-by-bit CRC, a whole generate beside one plain write of the same bytes.
// Files go to a tmpfs folder: CORVANE_BENCH_DIR if set, else /dev/shm, else a tmpfs mounted for the run
// (root only), else the system's temporary folder (said in the summary).

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/camera/menu_file.h"
#include "core/camera/menu_record.h"
#include "core/files/crc16.h"
#include "core/files/scramble.h"
#include "core/files/write_sequence.h"
#include "core/models/models.h"
#include "platform/linux/posix_file_system.h"

namespace corvane {
namespace {

constexpr long kTmpfsMagic = 0x01021994;

// Reference kept here on purpose: the plain bit-by-bit CRC-16/XMODEM the table replaces.
uint16_t BitwiseCrc16(uint16_t crc, const uint8_t* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        crc = static_cast<uint16_t>(crc ^ (data[i] << 8));
        for (int bit = 0; bit < 8; ++bit) {
            crc = static_cast<uint16_t>((crc & 0x8000) ? (crc << 1) ^ 0x1021 : crc << 1);
        }
    }
    return crc;
}

// The real file system with both syncs left out.
class NoSyncFileSystem final : public FileSystem {
  public:
    int Open(const std::string& path, Mode mode, Handle& handle) override {
        return real_.Open(path, mode, handle);
    }
    IoResult Write(Handle h, std::span<const uint8_t> data) override { return real_.Write(h, data); }
    int Flush(Handle h) override { return real_.Flush(h); }
    int Sync(Handle) override { return 0; }
    int Close(Handle h) override { return real_.Close(h); }
    int TryLock(Handle h) override { return real_.TryLock(h); }
    int ListFolder(const std::string& folder, std::vector<std::string>& names) override {
        return real_.ListFolder(folder, names);
    }
    int Rename(const std::string& from, const std::string& to) override { return real_.Rename(from, to); }
    int Remove(const std::string& path) override { return real_.Remove(path); }
    int SyncFolder(const std::string&) override { return 0; }
    int Status(const std::string& path, EntryStatus& status) override { return real_.Status(path, status); }
    WholeFile ReadWholeFile(const std::string& path, std::uintmax_t limit) override {
        return real_.ReadWholeFile(path, limit);
    }

  private:
    PosixFileSystem real_;
};

struct BenchFolder {
    std::string path;
    std::string note;
    bool mounted = false;
};

BenchFolder& Folder() {
    static BenchFolder folder;
    return folder;
}

bool IsTmpfs(const std::string& path) {
    struct statfs info {};
    return ::statfs(path.c_str(), &info) == 0 && static_cast<long>(info.f_type) == kTmpfsMagic;
}

void PrepareFolder() {
    BenchFolder& f = Folder();
    std::string base;
    if (const char* env = std::getenv("CORVANE_BENCH_DIR")) {
        base = env;
    } else if (IsTmpfs("/dev/shm")) {
        base = "/dev/shm";
    } else {
        base = std::filesystem::temp_directory_path().string();
    }
    std::string pattern = base + "/corvane-bench-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        std::exit(1);
    }
    f.path = pattern;
    if (!IsTmpfs(f.path) && ::geteuid() == 0 &&
        ::mount("tmpfs", f.path.c_str(), "tmpfs", 0, "size=8m") == 0) {
        f.mounted = true;
    }
    f.note = IsTmpfs(f.path) ? "tmpfs " + f.path : "NOT tmpfs: " + f.path;
}

void RemoveFolder() {
    BenchFolder& f = Folder();
    if (f.mounted) {
        ::umount2(f.path.c_str(), MNT_DETACH);
    }
    std::error_code ignored;
    std::filesystem::remove_all(f.path, ignored);
}

std::vector<uint8_t> RandomBytes(std::size_t size) {
    std::vector<uint8_t> data(size);
    uint32_t x = 0x12345678;
    for (auto& b : data) {
        x = x * 1664525u + 1013904223u;
        b = static_cast<uint8_t>(x >> 24);
    }
    return data;
}

CameraMenuSettings Settings() {
    CameraMenuSettings s;
    s.videoSize = 1;
    s.videoLength = 10;
    s.interval = 1;
    s.intervalUnit = kIntervalUnitMinutes;
    s.sidePir = 1;
    s.timeLapse = 1;
    s.beep = 1;
    s.cameraClock = {2013, 6, 15, 8, 30, 0};
    return s;
}

std::array<Record, 11> MessageRecords() {
    std::array<Record, 11> records{};
    const auto bytes = RandomBytes(11 * 50);
    for (std::size_t i = 0; i < records.size(); ++i) {
        records[i] = NewRecord();
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(i * 50), 50, records[i].begin());
    }
    return records;
}

// ---- CRC and records ----

void BM_Crc16Table660(benchmark::State& state) {
    const auto data = RandomBytes(660);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Crc16Update(0, data));
    }
    state.SetBytesProcessed(state.iterations() * 660);
}
BENCHMARK(BM_Crc16Table660);

void BM_Crc16Bitwise660(benchmark::State& state) {
    const auto data = RandomBytes(660);
    if (BitwiseCrc16(0, data.data(), data.size()) != Crc16Update(0, data)) {
        state.SkipWithError("bitwise reference and table disagree");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(BitwiseCrc16(0, data.data(), data.size()));
    }
    state.SetBytesProcessed(state.iterations() * 660);
}
BENCHMARK(BM_Crc16Bitwise660);

void BM_BuildMenuRecord(benchmark::State& state) {
    const CameraMenuSettings s = Settings();
    const ModelFamily family = state.range(0) == 8620 ? ModelFamily::k8620 : ModelFamily::k8520;
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildMenuRecord(s, family, 2, 0));
    }
}
BENCHMARK(BM_BuildMenuRecord)->Arg(8620)->Arg(8520);

void BM_BuildFactoryRecord(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildFactoryRecord());
    }
}
BENCHMARK(BM_BuildFactoryRecord);

void BM_ScrambleRecord(benchmark::State& state) {
    Record record = MessageRecords()[3];
    for (auto _ : state) {
        record = ScrambleRecord(record);
        benchmark::DoNotOptimize(record);
    }
}
BENCHMARK(BM_ScrambleRecord);

void BM_CrcRecord(benchmark::State& state) {
    uint16_t crc = 0xFFF3;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CrcRecord(crc, 15));
        crc = static_cast<uint16_t>(crc + 1);
    }
}
BENCHMARK(BM_CrcRecord);

// ---- whole generates beside the floor ----

// One plain write of `bytes` as `name`: open, write, close, nothing checked beyond the calls.
void PlainWrite(const std::string& path, const std::vector<uint8_t>& bytes, benchmark::State& state) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) ||
        ::close(fd) != 0) {
        state.SkipWithError("plain write failed");
    }
}

void BM_MenuFileFloor(benchmark::State& state) {
    const Record record = BuildMenuRecord(Settings(), ModelFamily::k8620, 2, 0);
    const std::vector<uint8_t> bytes(record.begin(), record.end());
    const std::string path = Folder().path + "/menu.dat";
    for (auto _ : state) {
        PlainWrite(path, bytes, state);
    }
}
BENCHMARK(BM_MenuFileFloor);

template <typename Fs>
void MenuGenerate(benchmark::State& state) {
    Fs fs;
    const CameraMenuSettings s = Settings();
    for (auto _ : state) {
        const MenuWriteOutcome outcome =
            WriteMenuFile(fs, Folder().path, BuildMenuRecord(s, ModelFamily::k8620, 2, 0),
                          MenuRecordKind::kNormal, ModelFamily::k8620, 2, 2);
        if (!outcome.written) {
            state.SkipWithError(outcome.message.value_or("write failed").c_str());
            break;
        }
    }
}

void BM_MenuFileGenerateSynced(benchmark::State& state) {
    MenuGenerate<PosixFileSystem>(state);
}
BENCHMARK(BM_MenuFileGenerateSynced);

void BM_MenuFileGenerateNoSync(benchmark::State& state) {
    MenuGenerate<NoSyncFileSystem>(state);
}
BENCHMARK(BM_MenuFileGenerateNoSync);

void BM_MessageFileFloor(benchmark::State& state) {
    PosixFileSystem fs;
    const auto records = MessageRecords();
    if (!WriteMessageFile(fs, Folder().path, "setup.dat", records, 18).ok) {
        state.SkipWithError("message file could not be written");
        return;
    }
    std::vector<uint8_t> bytes(720);
    std::FILE* in = std::fopen((Folder().path + "/setup.dat").c_str(), "rb");
    const bool read = in != nullptr && std::fread(bytes.data(), 1, bytes.size(), in) == bytes.size();
    if (in != nullptr) {
        std::fclose(in);
    }
    if (!read) {
        state.SkipWithError("message file could not be read");
        return;
    }
    const std::string path = Folder().path + "/setup.dat";
    for (auto _ : state) {
        PlainWrite(path, bytes, state);
    }
}
BENCHMARK(BM_MessageFileFloor);

template <typename Fs>
void MessageGenerate(benchmark::State& state) {
    Fs fs;
    const auto records = MessageRecords();
    for (auto _ : state) {
        if (!WriteMessageFile(fs, Folder().path, "setup.dat", records, 18).ok) {
            state.SkipWithError("message file could not be written");
            break;
        }
    }
}

void BM_MessageFileGenerateSynced(benchmark::State& state) {
    MessageGenerate<PosixFileSystem>(state);
}
BENCHMARK(BM_MessageFileGenerateSynced);

void BM_MessageFileGenerateNoSync(benchmark::State& state) {
    MessageGenerate<NoSyncFileSystem>(state);
}
BENCHMARK(BM_MessageFileGenerateNoSync);

// Console output plus the per-benchmark times, for the ratio summary.
class SummaryReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        // With --benchmark_repetitions the mean replaces the single runs.
        for (const Run& run : runs) {
            const bool mean = run.run_type == Run::RT_Aggregate && run.aggregate_name == "mean";
            if (!run.error_occurred && (run.run_type == Run::RT_Iteration || mean)) {
                times_[run.run_name.function_name] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void PrintSummary(const std::string& folderNote) const {
        std::printf("\nFolder: %s\n", folderNote.c_str());
        Ratio("CRC-16 over 660 bytes, bit-by-bit / table", "BM_Crc16Bitwise660", "BM_Crc16Table660");
        Ratio("menu.dat generate with sync / plain write", "BM_MenuFileGenerateSynced", "BM_MenuFileFloor");
        Ratio("menu.dat generate without sync / plain write", "BM_MenuFileGenerateNoSync",
              "BM_MenuFileFloor");
        Ratio("720-byte message file with sync / plain write", "BM_MessageFileGenerateSynced",
              "BM_MessageFileFloor");
        Ratio("720-byte message file without sync / plain write", "BM_MessageFileGenerateNoSync",
              "BM_MessageFileFloor");
    }

  private:
    void Ratio(const char* label, const std::string& measured, const std::string& floor) const {
        const auto m = times_.find(measured);
        const auto f = times_.find(floor);
        if (m == times_.end() || f == times_.end() || f->second <= 0) {
            std::printf("%-52s (not run)\n", label);
            return;
        }
        std::printf("%-52s %8.2fx  (%.0f ns vs %.0f ns)\n", label, m->second / f->second, m->second,
                    f->second);
    }

    std::map<std::string, double> times_;
};

}  // namespace
}  // namespace corvane

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    corvane::PrepareFolder();
    corvane::SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintSummary(corvane::Folder().note);
    corvane::RemoveFolder();
    benchmark::Shutdown();
    return 0;
}
