#include "platform/windows/drive_facts.h"

#include <windows.h>
#include <winioctl.h>

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <utility>

#include "platform/volume_serial.h"
#include "platform/windows/detached_worker.h"
#include "platform/windows/drive_volumes.h"
#include "platform/windows/no_error_boxes.h"
#include "platform/windows/utf16.h"

namespace corvane::platform {

namespace {

DriveKind KindOf(UINT type) {
    switch (type) {
        case DRIVE_NO_ROOT_DIR:
            return DriveKind::kNoRootFolder;
        case DRIVE_REMOVABLE:
            return DriveKind::kRemovable;
        case DRIVE_FIXED:
            return DriveKind::kFixed;
        case DRIVE_REMOTE:
            return DriveKind::kRemote;
        case DRIVE_CDROM:
            return DriveKind::kCdRom;
        case DRIVE_RAMDISK:
            return DriveKind::kRamDisk;
        default:
            return DriveKind::kUnknown;
    }
}

DriveAnswer AnswerOfError(DWORD error) {
    switch (error) {
        case ERROR_NOT_READY:
        case ERROR_NO_MEDIA_IN_DRIVE:
        case ERROR_DEVICE_NOT_CONNECTED:
        case ERROR_INVALID_DRIVE:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_FILE_NOT_FOUND:
        case ERROR_DEV_NOT_EXIST:
            return DriveAnswer::kNoMedium;
        default:
            return DriveAnswer::kUnreadable;
    }
}

// The bus of the disk behind drive `letter`; kUnknown when the system does not tell.
DriveBus BusOf(char letter) {
    const std::wstring device = std::wstring(L"\\\\.\\") + static_cast<wchar_t>(letter) + L':';
    // No access asked for: enough for the query, and nothing waits for the medium.
    HANDLE handle = ::CreateFileW(device.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return DriveBus::kUnknown;
    }
    STORAGE_PROPERTY_QUERY query{};
    query.PropertyId = StorageDeviceProperty;
    query.QueryType = PropertyStandardQuery;
    STORAGE_DEVICE_DESCRIPTOR descriptor{};
    DWORD returned = 0;
    const BOOL answered = ::DeviceIoControl(handle, IOCTL_STORAGE_QUERY_PROPERTY, &query, sizeof(query),
                                            &descriptor, sizeof(descriptor), &returned, nullptr);
    ::CloseHandle(handle);
    if (!answered || returned < offsetof(STORAGE_DEVICE_DESCRIPTOR, BusType) + sizeof(descriptor.BusType)) {
        return DriveBus::kUnknown;
    }
    switch (descriptor.BusType) {
        case BusTypeUsb:
            return DriveBus::kUsb;
        case BusTypeSd:
            return DriveBus::kSd;
        case BusTypeMmc:
            return DriveBus::kMmc;
        default:
            return DriveBus::kOther;
    }
}

}  // namespace

std::vector<std::string> LogicalDriveRoots() {
    std::wstring buffer(128, L'\0');
    for (int attempt = 0; attempt < 3; ++attempt) {
        const DWORD length = ::GetLogicalDriveStringsW(static_cast<DWORD>(buffer.size()), buffer.data());
        if (length == 0) {
            return {};
        }
        if (length < buffer.size()) {
            buffer.resize(length);
            break;
        }
        buffer.assign(length + 1, L'\0');  // a drive came meanwhile
    }
    std::vector<std::string> roots;
    size_t start = 0;
    while (start < buffer.size()) {
        const size_t end = buffer.find(L'\0', start);
        const std::wstring_view root(buffer.data() + start,
                                     (end == std::wstring::npos ? buffer.size() : end) - start);
        if (!root.empty()) {
            roots.push_back(FromWide(root));
        }
        if (end == std::wstring::npos) {
            break;
        }
        start = end + 1;
    }
    return roots;
}

DriveFacts ReadDriveFacts(const std::string& root) {
    const NoErrorBoxes noBoxes;
    DriveFacts facts;
    facts.root = root;
    const std::wstring wideRoot = ToWide(root);
    facts.kind = KindOf(::GetDriveTypeW(wideRoot.c_str()));
    if (facts.kind == DriveKind::kRemote || facts.kind == DriveKind::kCdRom) {
        facts.answer = DriveAnswer::kNotAsked;
        return facts;
    }
    if (facts.kind == DriveKind::kUnknown || facts.kind == DriveKind::kNoRootFolder) {
        facts.answer = DriveAnswer::kNoMedium;
        return facts;
    }
    wchar_t label[MAX_PATH + 1] = {};
    wchar_t fileSystem[MAX_PATH + 1] = {};
    DWORD serial = 0;
    DWORD flags = 0;
    if (!::GetVolumeInformationW(wideRoot.c_str(), label, MAX_PATH + 1, &serial, nullptr, &flags, fileSystem,
                                 MAX_PATH + 1)) {
        facts.answer = AnswerOfError(::GetLastError());
        return facts;
    }
    ULARGE_INTEGER available{};
    ULARGE_INTEGER total{};
    if (!::GetDiskFreeSpaceExW(wideRoot.c_str(), &available, &total, nullptr)) {
        facts.answer = AnswerOfError(::GetLastError());
        return facts;
    }
    facts.answer = DriveAnswer::kReady;
    facts.label = FromWide(label);
    facts.fileSystem = FromWide(fileSystem);
    facts.serialNumber = serial;
    facts.readOnly = (flags & FILE_READ_ONLY_VOLUME) != 0;
    facts.bytesTotal = total.QuadPart;
    facts.bytesFree = available.QuadPart;
    if (facts.kind == DriveKind::kFixed) {
        if (const std::optional<char> letter = DriveRootLetter(root)) {
            facts.bus = BusOf(*letter);
        }
    }
    return facts;
}

bool DriveLetterInUse(char letter) {
    if (letter < 'A' || letter > 'Z') {
        return false;
    }
    return (::GetLogicalDrives() & (1u << (letter - 'A'))) != 0;
}

bool IsRemovableDrive(const std::string& root) {
    return ::GetDriveTypeW(ToWide(root).c_str()) == DRIVE_REMOVABLE;
}

// One question to one drive, shared with the worker that asks it: the worker may outlive the asker.
struct DriveVolumesReader::Question {
    std::chrono::steady_clock::time_point asked;
    std::mutex mutex;
    std::condition_variable answeredSignal;
    bool answered = false;
    DriveFacts answer;
};

DriveVolumesReader::DriveVolumesReader(std::chrono::milliseconds limit, RootsReader roots, DriveAsker ask)
    : limit_(limit), roots_(std::move(roots)), ask_(std::move(ask)) {}

DriveVolumesReader::~DriveVolumesReader() = default;

std::vector<Volume> DriveVolumesReader::Read() {
    const auto now = std::chrono::steady_clock::now();
    std::vector<std::pair<std::string, std::shared_ptr<Question>>> asked;
    for (const std::string& root : roots_()) {
        std::shared_ptr<Question>& question = open_[root];
        bool answeredLate = false;  // after an earlier reading gave up on it: asked afresh
        if (question) {
            const std::lock_guard lock(question->mutex);
            answeredLate = question->answered;
        }
        if (answeredLate) {
            question.reset();
        }
        if (!question) {
            question = std::make_shared<Question>();
            question->asked = now;
            // Nobody waits for the worker: a drive that never answers keeps its worker, not the window.
            const bool started = StartDetachedWorker([question, root, ask = ask_] {
                DriveFacts facts = ask(root);
                const std::lock_guard lock(question->mutex);
                question->answer = std::move(facts);
                question->answered = true;
                question->answeredSignal.notify_all();
            });
            if (!started) {
                open_.erase(root);  // no worker now: asked again next time
                asked.emplace_back(root, nullptr);
                continue;
            }
        }
        asked.emplace_back(root, question);
    }
    std::vector<DriveFacts> drives;
    for (auto& [root, question] : asked) {
        DriveFacts facts;
        facts.root = root;
        facts.kind = DriveKind::kFixed;  // as far as anyone knows without an answer
        facts.answer = DriveAnswer::kNoAnswer;
        if (question) {
            std::unique_lock lock(question->mutex);
            // Each question gets the limit from when it was asked: one still open from an earlier reading has
            // had its time, or has the rest of it.
            question->answeredSignal.wait_until(lock, question->asked + limit_,
                                                [&open = *question] { return open.answered; });
            if (question->answered) {
                facts = question->answer;
                lock.unlock();
                open_.erase(root);
            }
        }
        drives.push_back(std::move(facts));
    }
    // Letters no longer in use leave no question behind.
    for (auto it = open_.begin(); it != open_.end();) {
        const bool listed = std::any_of(asked.begin(), asked.end(),
                                        [&](const auto& entry) { return entry.first == it->first; });
        it = listed ? std::next(it) : open_.erase(it);
    }
    return VolumesFromDriveFacts(drives);
}

std::string VolumeSerialNumber(const std::string& device) {
    // "\\.\E:" or "E:\"
    std::string root = device.rfind("\\\\.\\", 0) == 0 ? device.substr(4) : device;
    if (!DriveRootLetter(root)) {
        return {};
    }
    root = root.substr(0, 2) + '\\';
    const NoErrorBoxes noBoxes;
    DWORD serial = 0;
    if (!::GetVolumeInformationW(ToWide(root).c_str(), nullptr, 0, &serial, nullptr, nullptr, nullptr, 0)) {
        return {};
    }
    return FormatVolumeSerial(serial);
}

bool IsMediaDriveRoot(const std::string& folder) {
    const std::optional<char> letter = DriveRootLetter(folder);
    if (!letter) {
        return false;
    }
    return !DriveLetterInUse(*letter) || IsRemovableDrive(std::string(1, *letter) + ":\\");
}

}  // namespace corvane::platform
