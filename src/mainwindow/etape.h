#pragma once

#include "solar/calculerror.h"

// Runs one step of a routine whose failing steps are skipped: start-up, MajHeures.
template <typename F> void etape(F&& f) {
    try {
        f();
    } catch (const solar::CalculError&) {
    }
}
