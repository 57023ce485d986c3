#pragma once
// Checks that cannot run in the Windows build of the tests, each with the
// reason it gives when it skips there. Whatever they check is the same code
// on both systems, and the Linux build runs them.

namespace cyclo::test {

// Printed pages are read back with poppler's pdftotext, pdfimages and
// pdftoppm: Linux programs, which a Windows test program cannot start.
inline constexpr char kNoPopplerOnWindows[] =
    "the printed page is read back with poppler's tools, Linux programs that a Windows "
    "program cannot start; the Linux build reads the same page, made by the same code";

// On Windows QPrintDialog is the system's own print dialog, not a Qt window
// that a test can find and answer.
inline constexpr char kNativePrintDialogOnWindows[] =
    "Windows' print dialog is the system's own, not a Qt window a test can answer; the Linux "
    "build answers Qt's print dialog here";

} // namespace cyclo::test
