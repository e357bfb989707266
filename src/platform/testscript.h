#pragma once

#include <QList>
#include <deque>
#include <optional>

namespace vx::platform {

// The test script of one seam (message boxes, file choosers, downloads). While it is active the
// seam shows nothing and reaches nothing outside the program: each request is recorded and takes
// the next queued answer.
template <typename Answer, typename Request> struct TestScript {
    bool active = false;
    std::deque<Answer> answers;
    QList<Request> asked;
    int unanswered = 0; // requests that found the queue empty

    void begin()
    {
        *this = TestScript {};
        active = true;
    }
    void end() { *this = TestScript {}; }
    // Records the request and takes the next answer; nothing when the script has run out.
    std::optional<Answer> take(const Request &request)
    {
        asked.append(request);
        if (answers.empty()) {
            ++unanswered;
            return std::nullopt;
        }
        Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    int pending() const { return static_cast<int>(answers.size()); }
};

} // namespace vx::platform
