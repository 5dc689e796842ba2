#pragma once

// The yardstick for the engine: the same text-in, text-out operations done on
// a machine integer of 128 bits, for word sizes up to 128.

#include "engine/NumberBase.h"

#include <string>
#include <string_view>

namespace quarnel::bench {

__extension__ typedef unsigned __int128 Native;

Native nativeParse(std::string_view text, engine::NumberBase base, int ws);
std::string nativeFormat(Native value, engine::NumberBase base);
Native nativeMask(int ws);

} // namespace quarnel::bench
