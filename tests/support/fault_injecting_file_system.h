#pragma once

// A FileSystem for tests that passes every operation to a real one and makes a chosen operation fail.
// Operations are counted from 1 in call order, Status queries included; `log` lists them,
// so a test can first run a sequence cleanly to learn its steps and then fail each step in turn.

#include <cerrno>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/files/file_system.h"

namespace corvane::testing {

// Whether a write rightly survives the failure of logged step `step`: taking a lock (a file system without
// such locks is written all the same) and closing a handle that only looked or locked ("close examined").
inline bool WriteSurvivesFailureOf(const std::string& step) {
    return step.rfind("lock ", 0) == 0 || step.rfind("close examined ", 0) == 0;
}

class FaultInjectingFileSystem final : public FileSystem {
  public:
    enum class Fault {
        kError,       // the operation does nothing and returns `error`
        kShortWrite,  // a write stores the first half of its bytes and reports `error` (0: no reason)
    };

    explicit FaultInjectingFileSystem(FileSystem& inner) : inner_(inner) {}

    // Makes operation number `n` fail (0: none). With `sticky`, every later operation fails too, as on a
    // medium that has been pulled out.
    void FailAt(int n, int error = EIO, Fault fault = Fault::kError, bool sticky = false) {
        failAt_ = n;
        error_ = error;
        fault_ = fault;
        sticky_ = sticky;
    }

    // The system's words the injected failure comes with, as a system that says more than errno gives them.
    void SetErrorText(std::string text) { errorText_ = std::move(text); }

    int operationCount() const { return count_; }
    const std::vector<std::string>& log() const { return log_; }

    int Open(const std::string& path, Mode mode, Handle& handle) override {
        const char* how = mode == Mode::kExamine ? "examine" : "new";
        if (Next(std::string("open ") + how + " " + path)) {
            return error_;
        }
        const int error = inner_.Open(path, mode, handle);
        if (error == 0) {
            paths_[handle] = path;
            if (mode == Mode::kExamine) {
                examined_.insert(handle);
            }
        }
        return error;
    }

    IoResult Write(Handle handle, std::span<const uint8_t> data) override {
        if (Next("write " + PathOf(handle) + " " + std::to_string(data.size()))) {
            if (fault_ == Fault::kShortWrite) {
                const IoResult half = inner_.Write(handle, data.first(data.size() / 2));
                return {half.count, error_};
            }
            return {0, error_};
        }
        return inner_.Write(handle, data);
    }

    int Flush(Handle handle) override {
        return Next("flush " + PathOf(handle)) ? error_ : inner_.Flush(handle);
    }
    int Sync(Handle handle) override { return Next("sync " + PathOf(handle)) ? error_ : inner_.Sync(handle); }

    // A failing close still releases the handle, as fclose does.
    // The close of a handle opened with kExamine is logged as "close examined PATH".
    int Close(Handle handle) override {
        const bool examined = examined_.erase(handle) > 0;
        const bool fail = Next(std::string(examined ? "close examined " : "close ") + PathOf(handle));
        const int error = inner_.Close(handle);
        return fail ? error_ : error;
    }

    int TryLock(Handle handle) override {
        return Next("lock " + PathOf(handle)) ? error_ : inner_.TryLock(handle);
    }

    int ListFolder(const std::string& folder, std::vector<std::string>& names) override {
        return Next("list " + folder) ? error_ : inner_.ListFolder(folder, names);
    }

    int Rename(const std::string& from, const std::string& to) override {
        return Next("rename " + from + " " + to) ? error_ : inner_.Rename(from, to);
    }

    int Remove(const std::string& path) override {
        return Next("remove " + path) ? error_ : inner_.Remove(path);
    }

    int SyncFolder(const std::string& folder) override {
        return Next("sync folder " + folder) ? error_ : inner_.SyncFolder(folder);
    }

    // A failing read opens nothing: the file is not there to the caller, for the reason `error`.
    WholeFile ReadWholeFile(const std::string& path, std::uintmax_t limit) override {
        if (Next("read whole " + path)) {
            WholeFile failed;
            failed.error = error_;
            return failed;
        }
        return inner_.ReadWholeFile(path, limit);
    }

    int Status(const std::string& path, EntryStatus& status) override {
        return Next("status " + path) ? error_ : inner_.Status(path, status);
    }

    std::string ErrorText(int error) override {
        return !errorText_.empty() && error == error_ ? errorText_ : inner_.ErrorText(error);
    }

  private:
    // Counts and logs one operation; true when it is to fail.
    bool Next(const std::string& entry) {
        ++count_;
        log_.push_back(entry);
        return failAt_ > 0 && (count_ == failAt_ || (sticky_ && count_ > failAt_));
    }

    std::string PathOf(Handle handle) const {
        const auto it = paths_.find(handle);
        return it == paths_.end() ? std::string("?") : it->second;
    }

    FileSystem& inner_;
    int failAt_ = 0;
    int error_ = EIO;
    Fault fault_ = Fault::kError;
    bool sticky_ = false;
    std::string errorText_;
    int count_ = 0;
    std::vector<std::string> log_;
    std::map<Handle, std::string> paths_;
    std::set<Handle> examined_;
};

}  // namespace corvane::testing
