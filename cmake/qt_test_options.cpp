// Linked into every test that opens windows: Qt and fontconfig keep caches
// alive until the process ends, which the leak checker would report.
extern "C" const char *__asan_default_options() {
    return "detect_leaks=0";
}

// Window tests draw offscreen, also when ctest runs them to list their cases
// (the test's environment is not applied then).
#include <cstdlib>
namespace {
const bool offscreenPlatform = [] { return ::setenv("QT_QPA_PLATFORM", "offscreen", 0) == 0; }();
} // namespace
