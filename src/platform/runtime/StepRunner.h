#pragma once

#include "platform/runtime/FunctionRef.h"
#include "platform/runtime/RuntimeError.h"

#include <functional>

// Runs the statements of a routine that has an error handler, one step per statement: the
// handler's answer 4 (Retry) runs the failed statement again, 5 (Ignore) goes on with the next
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

// Thrown by StepRunner::step and StepRunner::holds to leave a routine from a statement written
// in one of its helpers, however deep, and by a helper that finds the routine cannot go on
// after an answer; the routine's top catches it through runRoutine. The one way to leave a
// routine from a nested step; never declare a private tag for it.
struct LeaveRoutine { };

// Runs the body of a routine whose steps may leave it: true when the body ran to its end, false
// when a step left it with LeaveRoutine. A body run inside another one leaves only itself. Other
// exceptions pass through.
bool runRoutine(Statement body);

// One routine's handler, kept for all its steps:
//     const StepRunner steps(handler);
//     if (!steps.proceed([&] { ... })) return;
class StepRunner {
public:
    explicit StepRunner(ErrorHandler handler)
        : m_handler(std::move(handler))
    {
    }

    // As runStep with this routine's handler.
    StepResult run(Statement statement) const { return runStep(statement, m_handler); }

    // As run, answering whether the routine goes on: true after success or Ignore, false when
    // it must leave.
    [[nodiscard]] bool proceed(Statement statement) const { return run(statement) == StepResult::Continue; }

    // As run, for a statement below the routine's top: an answer that leaves throws
    // LeaveRoutine.
    void step(Statement statement) const;

    // A loop's or a branch's test run as a step: the test's answer, or false when it failed and
    // the answer was Ignore (a loop then ends rather than ask about the same row forever). An
    // answer that leaves throws LeaveRoutine.
    [[nodiscard]] bool holds(FunctionRef<bool()> test) const;

private:
    ErrorHandler m_handler;
};

} // namespace rt
