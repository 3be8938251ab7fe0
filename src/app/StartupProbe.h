#pragma once

class CMainFrame;
class QElapsedTimer;

// A hidden way to measure start-up: with QUILLMARK_STARTUP_PROBE=1 in the
// environment the program prints, on standard output, the milliseconds from
// the start of main() (and, where the system tells, from the start of the
// process) to a shown, painted and coloured window, then quits.
bool StartupProbeRequested();
// Call once the window is shown; the figure is printed from the event loop
// after the first paint.
void ArmStartupProbe(CMainFrame& frame, const QElapsedTimer& sinceLaunch);
