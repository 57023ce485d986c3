#pragma once
// The fonts the layouts name ("MS Sans Serif", "Arial", "Times New Roman")
// and their metric twins where the font system lacks them.

namespace cyclo {

// Maps each named font to its twin (Liberation Sans or Liberation Serif),
// unless the font system has a font of that name. The program, the tests,
// the benchmarks and the examples all call it, so all see the same faces.
void InstallFontStandIns();

} // namespace cyclo
