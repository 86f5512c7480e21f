#pragma once

// The node paths the update checker addresses, written out, for root "App"
// and window "Main Window".

#include <string>

namespace update_test {

inline const std::string kDialog = "App/Update Dialog";
inline const std::string kStatus = kDialog + "/Body/Status";
inline const std::string kActions = kDialog + "/Body/Actions";
inline const std::string kDownload = kActions + "/Download Button";
inline const std::string kNotes = kActions + "/Notes Button";
inline const std::string kSkip = kActions + "/Skip Button";
inline const std::string kLater = kActions + "/Later Button";
inline const std::string kExit = kDialog + "/Titlebar/Exit Button";
inline const std::string kSection = "App/Main Window/Settings Menu/App Settings/Version Section";
inline const std::string kCurrent = kSection + "/Current Version";
inline const std::string kCheck = kSection + "/Actions/Check Updates Button";

}  // namespace update_test
