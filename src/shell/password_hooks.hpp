// The system's screen-saver password services: the check before the saver may close, and the
// change-password dialog. The saver keeps no password of its own.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "shell/saver_state.hpp"

namespace mr {

// Whether "ScreenSaveUsePassword" says that a password is in use: the query succeeded and its
// first four bytes, signed little-endian, are greater than 0. The value's type is not looked at.
bool PasswordInUse(std::int32_t queryResult, const std::array<std::uint8_t, 4>& bytes);

// The full path of a system library in the system directory; empty when the directory is
// unknown, so that the library counts as missing rather than being searched for by bare name.
std::u16string SystemLibraryPath(std::u16string_view systemDirectory, std::u16string_view file);

// True when the saver may close. False when the system's verification ran and said no, or when
// the check could not be finished: nothing it throws leaves it.
bool CheckSaverPassword(Shell& shell) noexcept;

// The owner window from a decimal text: optional minus, digits until the first other character,
// wrapping modulo 2^32. No blanks, no plus sign, no hexadecimal.
WindowHandle ReadDecimalHandle(std::u16string_view text);

// Shows the system's dialog for changing the screen-saver password, owned by the window in
// ownerText; nothing when the library or the function is missing.
void RunChangePassword(WindowsServices& services, std::u16string_view ownerText);

}  // namespace mr
