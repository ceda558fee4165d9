#include "platform/runtime/StepRunner.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <stdexcept>

using namespace rt;

namespace {

// A routine of three statements; the second fails `failures` times before it works.
struct Routine {
    int failures = 1;
    QStringList ran;
    QList<long> reported;

    void run(const ErrorHandler &answer)
    {
        StepRunner steps([&](const RuntimeError &e) {
            reported.append(e.Number);
            return answer(e);
        });
        if (steps.run([&] { ran.append(QStringLiteral("uno")); }) == StepResult::Leave)
            return;
        const StepResult second = steps.run([&] {
            ran.append(QStringLiteral("dos"));
            if (failures-- > 0)
                throw RuntimeError(err::AdoNoConnection, QStringLiteral("sin conexión"));
            ran.append(QStringLiteral("dos hecho"));
        });
        if (second == StepResult::Leave)
            return;
        steps.run([&] { ran.append(QStringLiteral("tres")); });
    }
};

TEST(StepRunner, RetryRunsTheFailedStatementAgain)
{
    Routine routine;
    routine.failures = 2;
    routine.run([](const RuntimeError &) { return AnswerRetry; });
    EXPECT_EQ(routine.ran, QStringList({"uno", "dos", "dos", "dos", "dos hecho", "tres"}));
    EXPECT_EQ(routine.reported, QList<long>({err::AdoNoConnection, err::AdoNoConnection}));
}

// A statement given as an object is that very object, not a copy: what it keeps from one try
// stays for the next, and the caller sees it afterwards.
struct FailsTwice {
    int tries = 0;
    void operator()()
    {
        if (++tries < 3)
            throw RuntimeError(err::AdoNoConnection, QStringLiteral("sin conexión"));
    }
};

int g_plainCalls = 0;
void plainStatement()
{
    ++g_plainCalls;
}

TEST(StepRunner, RunsTheCallersOwnStatementObjectOrFunction)
{
    FailsTwice statement;
    EXPECT_EQ(runStep(statement, [](const RuntimeError &) { return AnswerRetry; }), StepResult::Continue);
    EXPECT_EQ(statement.tries, 3);
    resumeNext(plainStatement);
    EXPECT_EQ(g_plainCalls, 1);
}

TEST(StepRunner, IgnoreGoesOnWithTheNextStatement)
{
    Routine routine;
    routine.run([](const RuntimeError &) { return AnswerIgnore; });
    EXPECT_EQ(routine.ran, QStringList({"uno", "dos", "tres"}));
    EXPECT_EQ(routine.reported.size(), 1);
}

TEST(StepRunner, AnyOtherAnswerLeaves)
{
    for (const int answer : {0, 1, 2, 3, 6, 7}) {
        Routine routine;
        routine.run([answer](const RuntimeError &) { return answer; });
        EXPECT_EQ(routine.ran, QStringList({"uno", "dos"})) << answer;
    }
}

TEST(StepRunner, SuccessContinuesWithoutAskingTheHandler)
{
    int asked = 0;
    const StepResult result = runStep([] {}, [&](const RuntimeError &) { return ++asked; });
    EXPECT_EQ(result, StepResult::Continue);
    EXPECT_EQ(asked, 0);
}

TEST(StepRunner, OtherExceptionsPassThrough)
{
    int asked = 0;
    const ErrorHandler handler = [&](const RuntimeError &) {
        ++asked;
        return AnswerIgnore;
    };
    EXPECT_THROW(runStep([] { throw std::runtime_error("no es un error en tiempo de ejecución"); }, handler),
                 std::runtime_error);
    EXPECT_EQ(asked, 0);
    const ErrorHandler failing = [](const RuntimeError &) -> int { throw RuntimeError(err::Overflow, {}); };
    EXPECT_THROW(runStep([] { throw RuntimeError(err::TypeMismatch, {}); }, failing), RuntimeError);
}

TEST(ResumeNext, DropsARuntimeErrorAndGoesOnWithTheNextStatement)
{
    QStringList ran;
    resumeNext([&] {
        ran.append(QStringLiteral("uno"));
        throw RuntimeError(err::AdoBofOrEof, {});
    });
    resumeNext([&] { ran.append(QStringLiteral("dos")); });
    EXPECT_EQ(ran, QStringList({"uno", "dos"}));
}

TEST(ResumeNext, OtherExceptionsPassThrough)
{
    EXPECT_THROW(resumeNext([] { throw std::runtime_error("no es un error en tiempo de ejecución"); }),
                 std::runtime_error);
}

// A statement that fails `failures` times before it works.
struct Flaky {
    int failures = 0;
    int tries = 0;
    void operator()()
    {
        ++tries;
        if (failures-- > 0)
            throw RuntimeError(err::AdoNoConnection, QStringLiteral("sin conexión"));
    }
};

TEST(StepRunner, ProceedStepAndHoldsActOnTheHandlersAnswer)
{
    struct Case {
        const char *name;
        int failures;
        int answer;
        bool proceeds; // proceed's answer
        bool leaves; // step and holds leave the routine
        bool holds; // holds' answer for a test that answers true, when it does not leave
        int tries;
    };
    const Case cases[] = {
        {"success", 0, 0, true, false, true, 1},
        {"retry until it works", 2, AnswerRetry, true, false, true, 3},
        {"ignore", 1, AnswerIgnore, true, false, false, 1},
        {"abort", 1, 3, false, true, false, 1},
        {"cancel", 1, 2, false, true, false, 1},
        {"no answer", 1, 0, false, true, false, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const StepRunner steps([&](const RuntimeError &) { return c.answer; });

        Flaky proceeding{c.failures};
        EXPECT_EQ(steps.proceed(proceeding), c.proceeds);
        EXPECT_EQ(proceeding.tries, c.tries);

        Flaky stepping{c.failures};
        bool after = false;
        EXPECT_EQ(runRoutine([&] {
                      steps.step(stepping);
                      after = true;
                  }),
                  !c.leaves);
        EXPECT_EQ(after, !c.leaves);
        EXPECT_EQ(stepping.tries, c.tries);

        Flaky testing{c.failures};
        bool answer = !c.holds;
        EXPECT_EQ(runRoutine([&] {
                      answer = steps.holds([&] {
                          testing();
                          return true;
                      });
                  }),
                  !c.leaves);
        if (!c.leaves) {
            EXPECT_EQ(answer, c.holds);
        }
        EXPECT_EQ(testing.tries, c.tries);
    }
}

TEST(RunRoutine, ALeaveEndsOnlyTheRoutineWhoseStepLeft)
{
    QStringList ran;
    const StepRunner leaving([](const RuntimeError &) { return 3; });
    const auto failingStep = [&] { leaving.step([] { throw RuntimeError(err::AdoBofOrEof, {}); }); };
    const auto helper = [&] {
        ran.append(QStringLiteral("ayudante"));
        failingStep();
        ran.append(QStringLiteral("ayudante sigue"));
    };
    const bool outerRan = runRoutine([&] {
        ran.append(QStringLiteral("externa"));
        ran.append(runRoutine(helper) ? QStringLiteral("interna completa") : QStringLiteral("interna dejada"));
        helper();
        ran.append(QStringLiteral("externa sigue"));
    });
    EXPECT_FALSE(outerRan);
    EXPECT_EQ(ran, QStringList({"externa", "ayudante", "interna dejada", "ayudante"}));
    EXPECT_TRUE(runRoutine([] {}));
    EXPECT_THROW(runRoutine([] { throw std::runtime_error("no es un error en tiempo de ejecución"); }),
                 std::runtime_error);
}

} // namespace
