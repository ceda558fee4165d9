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

} // namespace rt
