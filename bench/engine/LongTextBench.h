#pragma once

namespace quarnel::bench {

// Operations and conversions on 32,767-digit operands, and the display's
// reduction of 100,000- and 1,000,000-character entries to the word size.
void registerLongTextBenchmarks();

} // namespace quarnel::bench
