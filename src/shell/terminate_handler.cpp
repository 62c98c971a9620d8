// The C++ runtime's last word on an exception that nothing caught. Its default handler writes the
// exception's type to the standard error stream, demangled, and then aborts: for this program a
// window-less message nobody can read, which brings the runtime's name demangler and the
// formatted-output functions into every copy of the saver. No exception is meant to get this
// far (the entry, the window procedure and the thread routine catch everything), so this handler
// only aborts, as the default one does after its message.
#include <cstdlib>

namespace __gnu_cxx {

[[noreturn]] void __verbose_terminate_handler();

void __verbose_terminate_handler() {
    std::abort();
}

}  // namespace __gnu_cxx
