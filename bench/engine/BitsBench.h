#pragma once

namespace quarnel::bench {

// The bit tools at word sizes 64 and 128 against the native baseline.
void registerBitToolBenchmarks();

} // namespace quarnel::bench
