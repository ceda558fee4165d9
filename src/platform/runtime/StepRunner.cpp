#include "platform/runtime/StepRunner.h"

namespace rt {

StepResult runStep(Statement statement, const ErrorHandler &handler)
{
    for (;;) {
        int answer = 0;
        try {
            statement();
            return StepResult::Continue;
        } catch (const RuntimeError &error) {
            answer = handler(error);
        }
        if (answer == AnswerIgnore)
            return StepResult::Continue;
        if (answer != AnswerRetry)
            return StepResult::Leave;
    }
}

void resumeNext(Statement statement)
{
    runStep(statement, [](const RuntimeError &) { return AnswerIgnore; });
}

bool runRoutine(Statement body)
{
    try {
        body();
        return true;
    } catch (const LeaveRoutine &) {
        return false;
    }
}

void StepRunner::step(Statement statement) const
{
    if (!proceed(statement))
        throw LeaveRoutine{};
}

bool StepRunner::holds(FunctionRef<bool()> test) const
{
    bool answer = false;
    step([&] { answer = test(); });
    return answer;
}

} // namespace rt
