#include "fuzz_input.hpp"

#include <cstdio>
#include <cstdlib>

namespace mr::fuzz {

void Fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

}  // namespace mr::fuzz
