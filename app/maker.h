// Who made the program, as the about box, the web-site command and the
// update check name it.
#pragma once

namespace app {

inline constexpr const char* kProgramName = "vo管理工作信息采集系统";
inline constexpr const char* kMakerName = "vu科技公司";
inline constexpr const char* kMakerWebSite = "http://www.example.com/";

}  // namespace app
