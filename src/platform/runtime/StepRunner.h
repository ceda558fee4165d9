#pragma once

#include "platform/runtime/FunctionRef.h"
#include "platform/runtime/RuntimeError.h"

#include <functional>

// Runs the statements of a routine that has an error handler, the way the original resumes:
// the handler's answer 4 (Retry) runs the failed statement again, 5 (Ignore) goes on with the next
// statement, and any other answer leaves the routine.
namespace rt {

enum class StepResult { Continue, Leave };

// Handler answers the runner acts on; they are the message box's Retry and Ignore answers.
inline constexpr int AnswerRetry = 4;
inline constexpr int AnswerIgnore = 5;

// Receives the error of a failed statement and gives the answer.
using ErrorHandler = std::function<int(const RuntimeError &)>;

// One statement of a routine, run where it is written.
using Statement = FunctionRef<void()>;

// Runs `statement`; on a RuntimeError asks `handler` and acts on its answer. Returns Continue
// after success or Ignore, Leave after any other answer. Exceptions other than RuntimeError, and
// anything the handler throws, pass through.
StepResult runStep(Statement statement, const ErrorHandler &handler);

// Runs `statement` the way a routine under "resume next" does: a RuntimeError it raises is
// dropped silently and the routine goes on with its next statement. Other exceptions pass
// through. The one tool for every handler of that style; never write a private copy.
void resumeNext(Statement statement);

// One routine's handler, kept for all its steps:
//     StepRunner steps(handler);
//     if (steps.run([&] { ... }) == StepResult::Leave) return;
class StepRunner {
public:
    explicit StepRunner(ErrorHandler handler)
        : m_handler(std::move(handler))
    {
    }

    // As runStep with this routine's handler.
    StepResult run(Statement statement) const { return runStep(statement, m_handler); }

private:
    ErrorHandler m_handler;
};

} // namespace rt
