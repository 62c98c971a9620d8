// The password check's reading of "ScreenSaveUsePassword": a value of any length and content
// (whatever its registry type, which the check never looks at), an open or a query that fails.
// The system's verification must run exactly when the query succeeded and the first four bytes,
// zero-filled and signed little-endian, are above 0; the key is closed whenever it was opened.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_input.hpp"
#include "shell/fake_services.hpp"
#include "shell/password_hooks.hpp"

namespace {

using mr::fuzz::Fail;

constexpr mr::ModuleHandle kPasswordLibrary = 0x5100;
constexpr mr::ProcAddress kVerify = 0x5180;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    // First byte: bit 0 the open fails, bit 1 the value is missing, bit 2 the verification says
    // no, bit 3 the library's entry point is missing. The rest is the value's bytes.
    const std::uint8_t flags = data[0];
    const bool openFails = (flags & 1U) != 0;
    const bool valueMissing = (flags & 2U) != 0;
    const bool verifySaysNo = (flags & 4U) != 0;
    const bool noEntryPoint = (flags & 8U) != 0;
    const std::vector<std::uint8_t> value(data + 1, data + size);

    mr::testing::FakeServices services;
    services.openKeyResult = openFails ? mr::testing::kErrorFileNotFound : mr::win::kErrorSuccess;
    if (!valueMissing) {
        services.passwordValue = value;
    }
    services.libraries[u"C:\\windows\\system32\\PASSWORD.CPL"] = kPasswordLibrary;
    if (!noEntryPoint) {
        services.exports[{kPasswordLibrary, "VerifyScreenSavePwd"}] = kVerify;
    }
    services.verifyAnswer = verifySaysNo ? 0 : 1;
    mr::SaverState state;
    state.inputTolerance = -7;
    mr::Shell shell{services, state};

    const bool mayClose = mr::CheckSaverPassword(shell);

    std::uint32_t raw = 0;
    for (std::size_t i = 0; i < 4 && i < value.size(); ++i) {
        raw += std::uint32_t{value[i]} << (8U * i);
    }
    const bool querySucceeds = !openFails && !valueMissing && value.size() <= 4;
    const bool inUse = querySucceeds && raw != 0 && raw < 0x80000000U;
    const bool verified = inUse && !noEntryPoint;

    if ((services.Count("LoadLibraryW(") == 1) != inUse) {
        Fail("the password library was loaded when no password is in use, or not when one is");
    }
    if ((services.Count("VerifyScreenSavePwd@") == 1) != verified) {
        Fail("the verification ran when it should not, or did not when it should");
    }
    if (mayClose != !(verified && verifySaysNo)) {
        Fail("the check's answer is not the verification's");
    }
    if (services.Count("RegCloseKey(") != (openFails ? 0U : 1U)) {
        Fail("the key was not closed exactly once after it was opened");
    }
    if (services.Count("FreeLibrary(") != services.Count("LoadLibraryW(")) {
        Fail("the password library was not released");
    }
    if (services.cursorCount != 0) {
        Fail("the cursor's display count was left changed");
    }
    if ((state.inputTolerance == 3) != inUse) {
        Fail("the mouse tolerance was not reset exactly after a verification dialog");
    }
    return 0;
}
