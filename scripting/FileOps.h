// The file operations behind FileSystemObject, File and Folder. Paths are
// native ('/'). A copy goes to a temporary name in the destination folder and
// is renamed over the destination only when complete, so a failed copy or
// move leaves no partial file behind.
#pragma once

#include "Support.h"

namespace vorna::scripting {

Status copyFile(const std::string& source, const std::string& destination, bool overwrite);
Status moveFile(const std::string& source, const std::string& destination);
Status deleteFile(const std::string& path, bool force);
Status copyFolder(const std::string& source, const std::string& destination, bool overwrite);
Status moveFolder(const std::string& source, const std::string& destination);
Status deleteFolder(const std::string& path, bool force);
Status createFolder(const std::string& path);

// The same with a wildcard pattern allowed in the last element of source
// (then destination is a folder), as FileSystemObject offers them.
Status copyFiles(const std::string& source, const std::string& destination, bool overwrite);
Status moveFiles(const std::string& source, const std::string& destination);
Status deleteFiles(const std::string& path, bool force);
Status copyFolders(const std::string& source, const std::string& destination, bool overwrite);
Status moveFolders(const std::string& source, const std::string& destination);
Status deleteFolders(const std::string& path, bool force);

// Total size of the files below a folder.
uint64_t folderSize(const std::string& path);

} // namespace vorna::scripting
