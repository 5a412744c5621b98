// Settings of the sanitizer build (QUOBRIX_SANITIZE), read by the sanitizer
// runtimes at start-up. The environment still overrides them.

extern "C" {

// Stop at the first report with a stack worth reading.
const char* __asan_default_options() { return "halt_on_error=1:detect_stack_use_after_return=1:strict_string_checks=1"; }

const char* __ubsan_default_options() { return "halt_on_error=1:print_stacktrace=1"; }

}
