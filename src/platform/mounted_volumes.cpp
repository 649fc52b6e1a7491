#include "platform/mounted_volumes.h"

#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

namespace corvane::platform {

// One question to one volume, shared with the worker that asks it: the worker may outlive the asker.
struct VolumeSpaceQuestions::Question {
    std::chrono::steady_clock::time_point asked;
    std::mutex mutex;
    std::condition_variable answeredSignal;
    bool answered = false;
    bool readable = false;
    Volume answer;
};

VolumeSpaceQuestions::VolumeSpaceQuestions(std::chrono::milliseconds limit) : limit_(limit) {}

VolumeSpaceQuestions::~VolumeSpaceQuestions() = default;

namespace {

std::string QuestionKey(const Volume& volume) {
    return volume.rootPath + '\n' + volume.device;
}

void MarkNotReady(Volume& volume) {
    volume.ready = false;
    volume.bytesTotal = 0;
    volume.bytesFree = 0;
}

}  // namespace

void VolumeSpaceQuestions::Ask(const std::vector<Volume*>& volumes) {
    const auto now = std::chrono::steady_clock::now();
    std::vector<std::pair<Volume*, std::shared_ptr<Question>>> asked;
    for (Volume* volume : volumes) {
        std::shared_ptr<Question>& question = open_[QuestionKey(*volume)];
        bool answeredLate = false;  // after an earlier call gave up: asked afresh
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
            question->answer = *volume;
            try {
                // Detached: a file system that never answers keeps its worker, not the window.
                std::thread([question] {
                    Volume answer = question->answer;
                    const bool readable = RefreshVolumeSpace(answer);
                    const std::lock_guard lock(question->mutex);
                    question->answer = std::move(answer);
                    question->readable = readable;
                    question->answered = true;
                    question->answeredSignal.notify_all();
                }).detach();
            } catch (const std::system_error&) {
                open_.erase(QuestionKey(*volume));  // no worker now: asked again next time
                MarkNotReady(*volume);
                continue;
            }
        }
        asked.emplace_back(volume, question);
    }
    for (auto& [volume, question] : asked) {
        std::unique_lock lock(question->mutex);
        // Each question gets the limit from when it was asked: one still open from an earlier call has had
        // its time, or has the rest of it.
        question->answeredSignal.wait_until(lock, question->asked + limit_,
                                            [&open = *question] { return open.answered; });
        if (!question->answered) {
            MarkNotReady(*volume);
            continue;
        }
        if (question->readable) {
            volume->ready = true;
            volume->bytesTotal = question->answer.bytesTotal;
            volume->bytesFree = question->answer.bytesFree;
            volume->readOnly = question->answer.readOnly;
        } else {
            MarkNotReady(*volume);
        }
        lock.unlock();
        open_.erase(QuestionKey(*volume));
    }
}

MountedVolumesReader::MountedVolumesReader(std::chrono::milliseconds spaceAnswerLimit)
    : space_(spaceAnswerLimit) {}

std::vector<Volume> MountedVolumesReader::Read(const std::string& mediaUser) {
    if (!volumes_ || mediaUser != mediaUser_ || mountTable_.Changed()) {
        mountTable_.Rearm();  // before reading: a change during the reading shows the next time
        volumes_ = ReadMountedVolumes(mediaUser);
        mediaUser_ = mediaUser;
    }
    std::vector<Volume> volumes = *volumes_;
    std::vector<Volume*> cards;
    for (Volume& volume : volumes) {
        if (CanBeCameraCard(volume)) {
            cards.push_back(&volume);
        }
    }
    space_.Ask(cards);
    return volumes;
}

}  // namespace corvane::platform
