// The texts derived from a program's version strings and from the operating system's version.
#pragma once
#include <string>
#include <string_view>

// "1, 0, 2, 0" -> "1.0": the first decimal digit, ".", the next digit after it (or "0").
[[nodiscard]] std::string ShortVersionOf(std::string_view productVersion);
// "1, 0, 2, 0" -> "1020": every decimal digit in order.
[[nodiscard]] std::string VersionDigitsOf(std::string_view productVersion);
// The system's name from the platform identifier and version numbers.
[[nodiscard]] std::string OsNameFor(unsigned platformId, unsigned major, unsigned minor);
// The build number as text; platform 1 uses only its low 16 bits.
[[nodiscard]] std::string OsBuildText(unsigned platformId, unsigned buildNumber);
