#pragma once

#include "platform/runtime/StepRunner.h"

// Thrown to leave the settlement build at once, without its closing step: the answer to the
// error dialog was neither Retry nor Ignore.
struct AbandonoGeneracion { };

// The settlement build's error handler: every statement that the user may repeat or skip runs
// as one step. A run-time error shows the error dialog of the outside utility object; Retry
// runs the statement again, Ignore goes on with the next one, any other answer throws
// AbandonoGeneracion.
class PasosGeneracion {
public:
    // Runs one statement under the handler.
    void operator()(rt::Statement sentencia) const;
    // Runs a loop's test under the handler: its answer, or false when the test failed and the
    // user chose Ignore (leaving the loop rather than asking about the same row forever).
    bool mientras(rt::FunctionRef<bool()> prueba) const;
};
