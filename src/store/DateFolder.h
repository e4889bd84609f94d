// The `date` folder beside the program: the timetable database, pictures and
// the start page. Its name and the names of the files in it are matched
// without regard to case (date and Date, greenBoll.jpg and greenboll.jpg
// name the same thing).
#pragma once

#include <filesystem>
#include <string_view>

namespace kw {

// The date folder below `appDir`; appDir/"date" when none exists yet.
std::filesystem::path DateFolder(const std::filesystem::path& appDir);

// The file `name` in the date folder, whatever the case of its name on disk;
// the path as written when no such file exists.
std::filesystem::path DateFile(const std::filesystem::path& appDir, std::string_view name);

// The timetable database: date/Train.dll below `appDir`.
std::filesystem::path DatabasePath(const std::filesystem::path& appDir);

// The folder of the running executable.
std::filesystem::path ExecutableDir();

}  // namespace kw
