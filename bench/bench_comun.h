#pragma once

class Form1;

// The main window, created and shown once (offscreen unless a platform is chosen), shared by
// the benchmarks of one executable.
Form1 &ventanaMostrada();
