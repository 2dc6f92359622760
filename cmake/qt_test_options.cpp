// Linked into every test that opens windows: Qt and fontconfig keep caches
// alive until the process ends, which the leak checker would report.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }
