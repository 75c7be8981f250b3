#include "FileOps.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <set>
#include <unistd.h>

namespace vorna::scripting {

namespace {

bool readOnly(const struct stat& st) { return (st.st_mode & S_IWUSR) == 0; }

// A source file that cannot be found: 76 when its folder is missing too.
vbs::ErrorTag sourceError(const std::string& path, int err)
{
    std::string parent = parentName(path);
    if (err == ENOENT && !parent.empty() && !isDirectory(parent))
        return vbs::fail(ErrorCode::PathNotFound);
    return fileError(err);
}

// Checks for a destination that is a folder name ("dir/"): the item goes
// into it under its own name.
std::string intoFolder(const std::string& source, const std::string& destination)
{
    if (!destination.empty() && destination.back() == '/')
        return destination + baseName(source);
    return destination;
}

Status copyData(int in, int out)
{
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fileError(errno);
        if (n == 0)
            return {};
        for (ssize_t done = 0; done < n;) {
            ssize_t w = ::write(out, buffer + done, size_t(n - done));
            if (w < 0 && errno == EINTR)
                continue;
            if (w < 0)
                return fileError(errno);
            done += w;
        }
    }
}

// Copies one file's bytes to a temporary name beside target, then renames.
// The copy keeps the source's permissions and access and modification times.
Status copyOne(const std::string& source, const std::string& target, const struct stat& st)
{
    int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return fileError(errno);
    std::string parent = parentName(target);
    std::string temp = joinPath(parent.empty() ? "." : parent, ".vorna-copy-XXXXXX");
    int out = ::mkstemp(temp.data());
    if (out < 0) {
        int err = errno;
        ::close(in);
        return fileError(err, true);
    }
    Status status = copyData(in, out);
    ::close(in);
    const timespec times[2] = { st.st_atim, st.st_mtim };
    if (status.ok() && (::fchmod(out, st.st_mode & 07777) != 0 || ::futimens(out, times) != 0))
        status = fileError(errno);
    if (::close(out) != 0 && status.ok())
        status = fileError(errno);
    if (status.ok() && ::rename(temp.c_str(), target.c_str()) != 0)
        status = fileError(errno);
    if (!status.ok())
        ::unlink(temp.c_str());
    return status;
}

Status checkTarget(const std::string& target, bool overwrite)
{
    struct stat st;
    if (::stat(target.c_str(), &st) != 0) {
        if (errno != ENOENT)
            return fileError(errno, true);
        std::string parent = parentName(target);
        if (!parent.empty() && !isDirectory(parent))
            return vbs::fail(ErrorCode::PathNotFound);
        return {};
    }
    if (S_ISDIR(st.st_mode))
        return vbs::fail(ErrorCode::PermissionDenied);
    if (!overwrite)
        return vbs::fail(ErrorCode::FileAlreadyExists);
    if (readOnly(st))
        return vbs::fail(ErrorCode::PermissionDenied);
    return {};
}

// Applies op to each match of the last element of source (a pattern), with
// destination a folder; or once when there is no pattern.
template <class Op>
Status eachMatch(const std::string& source, const std::string& destination, bool folders, Op op)
{
    std::string name = baseName(source);
    if (!hasWildcards(name))
        return op(source, intoFolder(source, destination));
    std::string folder = parentName(source);
    if (!folder.empty() && !isDirectory(folder))
        return vbs::fail(ErrorCode::PathNotFound);
    TRY_ASSIGN(matches, matchEntries(folder, name, folders));
    if (matches.empty())
        return vbs::fail(folders ? ErrorCode::PathNotFound : ErrorCode::FileNotFound);
    if (!destination.empty() && !isDirectory(destination))
        return vbs::fail(ErrorCode::PathNotFound);
    for (const auto& m : matches)
        TRY_STATUS(op(joinPath(folder, m), joinPath(destination, m)));
    return {};
}

// Removes a folder tree. Without force a read-only file or folder stops it
// (70); with force a read-only folder is made writable to empty it. A link
// to a folder is removed itself: what it links to is never entered.
Status removeTree(std::string path, bool force)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back(); // "link/" would name the linked folder
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0)
        return fileError(errno, true);
    if (!S_ISDIR(st.st_mode)) {
        if (::unlink(path.c_str()) != 0)
            return fileError(errno, true);
        return {};
    }
    if (readOnly(st)) {
        if (!force)
            return vbs::fail(ErrorCode::PermissionDenied);
        if (::chmod(path.c_str(), (st.st_mode & 07777) | S_IWUSR) != 0)
            return fileError(errno, true);
    }
    TRY_ASSIGN(folders, matchEntries(path, "*", true));
    TRY_ASSIGN(files, matchEntries(path, "*", false));
    for (const auto& name : folders)
        TRY_STATUS(removeTree(joinPath(path, name), force));
    for (const auto& name : files)
        TRY_STATUS(deleteFile(joinPath(path, name), force));
    if (::rmdir(path.c_str()) != 0)
        return fileError(errno, true);
    return {};
}

// A folder's identity, to notice a link back to a folder being walked.
using FolderId = std::pair<dev_t, ino_t>;

// A folder copied into target (created, or merged into an existing one). A
// new folder stays writable until its contents are in, then takes the
// source's permissions. A link to a folder being copied is an error, as is
// a folder copied into itself.
Status copyTree(const std::string& source, const std::string& target, bool overwrite, std::vector<FolderId>& walking)
{
    struct stat st;
    if (::stat(source.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return vbs::fail(ErrorCode::PathNotFound);
    std::string abs = absolutePath(source), dest = absolutePath(target);
    const FolderId id { st.st_dev, st.st_ino };
    if (dest == abs || dest.starts_with(abs + "/") || std::find(walking.begin(), walking.end(), id) != walking.end())
        return vbs::fail(ErrorCode::PermissionDenied);
    TRY_ASSIGN(folders, matchEntries(source, "*", true));
    TRY_ASSIGN(files, matchEntries(source, "*", false));
    bool created = false;
    if (!isDirectory(target)) {
        if (exists(target))
            return vbs::fail(ErrorCode::FileAlreadyExists);
        if (::mkdir(target.c_str(), 0700) != 0)
            return fileError(errno, true);
        created = true;
    }
    walking.push_back(id);
    for (const auto& name : folders)
        TRY_STATUS(copyTree(joinPath(source, name), joinPath(target, name), overwrite, walking));
    walking.pop_back();
    for (const auto& name : files)
        TRY_STATUS(copyFile(joinPath(source, name), joinPath(target, name), overwrite));
    if (created && ::chmod(target.c_str(), st.st_mode & 07777) != 0)
        return fileError(errno, true);
    return {};
}

} // namespace

Status copyFile(const std::string& source, const std::string& destination, bool overwrite)
{
    struct stat st;
    if (::stat(source.c_str(), &st) != 0)
        return sourceError(source, errno);
    if (S_ISDIR(st.st_mode))
        return vbs::fail(ErrorCode::FileNotFound);
    std::string target = intoFolder(source, destination);
    if (absolutePath(target) == absolutePath(source))
        return vbs::fail(ErrorCode::PermissionDenied);
    TRY_STATUS(checkTarget(target, overwrite));
    return copyOne(source, target, st);
}

Status moveFile(const std::string& source, const std::string& destination)
{
    struct stat st;
    if (::lstat(source.c_str(), &st) != 0)
        return sourceError(source, errno);
    if (S_ISDIR(st.st_mode))
        return vbs::fail(ErrorCode::FileNotFound);
    std::string target = intoFolder(source, destination);
    if (exists(target))
        return vbs::fail(ErrorCode::FileAlreadyExists);
    TRY_STATUS(checkTarget(target, false));
    if (::rename(source.c_str(), target.c_str()) == 0)
        return {};
    if (errno != EXDEV)
        return fileError(errno, true);
    TRY_STATUS(copyOne(source, target, st));
    if (::unlink(source.c_str()) != 0) {
        int err = errno;
        ::unlink(target.c_str()); // keep the one whole copy
        return fileError(err);
    }
    return {};
}

Status deleteFile(const std::string& path, bool force)
{
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0)
        return sourceError(path, errno);
    if (S_ISDIR(st.st_mode))
        return vbs::fail(ErrorCode::FileNotFound);
    if (!force && !S_ISLNK(st.st_mode) && readOnly(st))
        return vbs::fail(ErrorCode::PermissionDenied);
    if (::unlink(path.c_str()) != 0)
        return fileError(errno);
    return {};
}

Status copyFolder(const std::string& source, const std::string& destination, bool overwrite)
{
    if (!isDirectory(source))
        return vbs::fail(ErrorCode::PathNotFound);
    std::string target = intoFolder(source, destination);
    bool existed = exists(target);
    std::vector<FolderId> walking;
    Status status = copyTree(source, target, overwrite, walking);
    if (!status.ok() && !existed)
        (void)removeTree(target, true); // no half copy of a new folder
    return status;
}

Status moveFolder(const std::string& source, const std::string& destination)
{
    if (!isDirectory(source))
        return vbs::fail(ErrorCode::PathNotFound);
    std::string target = intoFolder(source, destination);
    if (exists(target))
        return vbs::fail(ErrorCode::FileAlreadyExists);
    std::string abs = absolutePath(source), dest = absolutePath(target);
    if (dest.starts_with(abs + "/"))
        return vbs::fail(ErrorCode::PermissionDenied);
    if (::rename(source.c_str(), target.c_str()) == 0)
        return {};
    if (errno != EXDEV)
        return fileError(errno, true);
    // Across file systems: a whole copy first (else none), then the removal.
    TRY_STATUS(copyFolder(source, target, false));
    return removeTree(source, true);
}

Status deleteFolder(const std::string& path, bool force)
{
    if (!isDirectory(path))
        return vbs::fail(ErrorCode::PathNotFound);
    return removeTree(path, force);
}

Status createFolder(const std::string& path)
{
    if (path.empty() || hasWildcards(baseName(path)))
        return vbs::fail(ErrorCode::BadFileNameOrNumber);
    if (exists(path))
        return vbs::fail(ErrorCode::FileAlreadyExists);
    if (::mkdir(path.c_str(), 0777) != 0)
        return fileError(errno, true);
    return {};
}

Status copyFiles(const std::string& source, const std::string& destination, bool overwrite)
{
    return eachMatch(source, destination, false,
                     [&](const std::string& s, const std::string& d) { return copyFile(s, d, overwrite); });
}

Status moveFiles(const std::string& source, const std::string& destination)
{
    return eachMatch(source, destination, false, [](const std::string& s, const std::string& d) { return moveFile(s, d); });
}

Status deleteFiles(const std::string& path, bool force)
{
    return eachMatch(path, "", false, [&](const std::string& s, const std::string&) { return deleteFile(s, force); });
}

Status copyFolders(const std::string& source, const std::string& destination, bool overwrite)
{
    return eachMatch(source, destination, true,
                     [&](const std::string& s, const std::string& d) { return copyFolder(s, d, overwrite); });
}

Status moveFolders(const std::string& source, const std::string& destination)
{
    return eachMatch(source, destination, true, [](const std::string& s, const std::string& d) { return moveFolder(s, d); });
}

Status deleteFolders(const std::string& path, bool force)
{
    return eachMatch(path, "", true, [&](const std::string& s, const std::string&) { return deleteFolder(s, force); });
}

namespace {
// What cannot be read counts nothing; a folder reached again through a link
// counts once.
uint64_t treeSize(const std::string& path, std::set<FolderId>& seen)
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0 || !seen.insert({ st.st_dev, st.st_ino }).second)
        return 0;
    uint64_t total = 0;
    auto folders = matchEntries(path, "*", true);
    auto files = matchEntries(path, "*", false);
    for (const auto& name : folders.value())
        total += treeSize(joinPath(path, name), seen);
    for (const auto& name : files.value()) {
        struct stat file;
        if (::stat(joinPath(path, name).c_str(), &file) == 0)
            total += uint64_t(file.st_size);
    }
    return total;
}
} // namespace

uint64_t folderSize(const std::string& path)
{
    std::set<FolderId> seen;
    return treeSize(path, seen);
}

} // namespace vorna::scripting
