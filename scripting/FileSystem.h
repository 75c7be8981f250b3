// Scripting.FileSystemObject and the objects it hands out: File, Folder, the
// Files and SubFolders collections, Drive and Drives (one root drive).
#pragma once

#include "Support.h"

namespace vorna::scripting {

class FileSystemObject final : public vbs::HostObject {
public:
    FileSystemObject();
    static const vbs::ClassInfo& classInfo();
};

// OpenTextFile's work, shared with File.OpenAsTextStream and CreateTextFile:
// mode 1 read, 2 write, 8 append; format 0/-2 default, -1 UTF-16.
Result<Variant> openTextFile(const std::string& path, int mode, bool create, int format);
Result<Variant> createTextFile(const std::string& path, bool overwrite, bool unicode);

// File and Folder objects for an existing path.
Ref<Object> fileObject(std::string path);
Ref<Object> folderObject(std::string path);

} // namespace vorna::scripting
