#pragma once

#include <string>

namespace Ostrel {

// The key of this build's platform in an update manifest's "platforms":
// operating system and processor, such as "windows-x86_64", "linux-x86_64",
// "linux-arm64" or "macos-arm64". Decided when the program is compiled, so a
// user is only ever offered the download built for the system at hand.
std::string default_platform_key();

}  // namespace Ostrel
