// The description texts, one per language, memory type and band. Lines are joined by single
// carriage returns; line 0 is the band's heading.
#pragma once

#include <string_view>

#include "model/bands.hpp"
#include "model/memory_type.hpp"

namespace mr {

using DescriptionTable = std::u16string_view[kMemoryTypeCount][kLevelBandCount];

extern const DescriptionTable kEnglishDescriptions;
extern const DescriptionTable kRussianDescriptions;

}  // namespace mr
