// Settings of the sanitizer build (QUOBRIX_SANITIZE), read by the sanitizer
// runtimes at start-up. The environment still overrides them.

extern "C" {

// Stop at the first report with a stack worth reading. (No strict string
// checks: the X keyboard library hands strndup buffers without a final zero.)
const char* __asan_default_options() { return "halt_on_error=1:detect_stack_use_after_return=1"; }

// Memory the desktop's own libraries keep until exit (session bus, fonts,
// keyboard maps) is theirs to free, not ours.
const char* __lsan_default_suppressions() { return "leak:libdbus-1.so\nleak:libfontconfig.so\nleak:libxkbcommon\n"; }

const char* __ubsan_default_options() { return "halt_on_error=1:print_stacktrace=1"; }

}
