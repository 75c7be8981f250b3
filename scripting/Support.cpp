#include "Support.h"

#include "runtime/DateTime.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <cerrno>
#include <ctime>
#include <dirent.h>
#include <unistd.h>

namespace vorna::scripting {

std::string toNative(const Str& path)
{
    std::string s = path.toUtf8();
    std::replace(s.begin(), s.end(), '\\', '/');
    return s;
}

std::optional<std::string> currentFolder()
{
    std::unique_ptr<char, decltype(&std::free)> cwd(::getcwd(nullptr, 0), &std::free);
    if (!cwd)
        return std::nullopt;
    return std::string(cwd.get());
}

std::string absolutePath(const std::string& path)
{
    std::string full = path;
    if (full.empty() || full[0] != '/')
        full = currentFolder().value_or(std::string()) + "/" + full;
    std::vector<std::string> parts;
    size_t i = 0;
    while (i <= full.size()) {
        size_t j = full.find('/', i);
        if (j == std::string::npos)
            j = full.size();
        std::string part = full.substr(i, j - i);
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(std::move(part));
        }
        i = j + 1;
    }
    std::string out;
    for (const auto& p : parts)
        out += "/" + p;
    return out.empty() ? "/" : out;
}

namespace {
std::string trimSeparators(std::string p)
{
    while (p.size() > 1 && p.back() == '/')
        p.pop_back();
    return p;
}
} // namespace

std::string baseName(const std::string& path)
{
    std::string p = trimSeparators(path);
    if (p == "/")
        return "";
    size_t slash = p.rfind('/');
    return slash == std::string::npos ? p : p.substr(slash + 1);
}

std::string parentName(const std::string& path)
{
    std::string p = trimSeparators(path);
    size_t slash = p.rfind('/');
    if (slash == std::string::npos || p == "/")
        return "";
    if (slash == 0)
        return "/";
    return trimSeparators(p.substr(0, slash));
}

std::string joinPath(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    if (folder.back() == '/' || (!name.empty() && name[0] == '/'))
        return folder + name;
    return folder + "/" + name;
}

bool hasWildcards(const std::string& name) { return name.find_first_of("*?") != std::string::npos; }

namespace {
// A trailing ".*" also matches no extension: "*.*" is every name, "a.*" takes "a".
bool patternMatch(std::string_view pattern, std::string_view name)
{
    if (wildcardMatch(pattern, name))
        return true;
    return pattern.ends_with(".*") && wildcardMatch(pattern.substr(0, pattern.size() - 2), name);
}
} // namespace

Result<std::vector<std::string>> matchEntries(const std::string& folder, const std::string& pattern, bool folders)
{
    std::vector<std::string> out;
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return fileError(errno, true);
    while (dirent* e = ::readdir(dir)) {
        std::string name = e->d_name;
        if (name == "." || name == ".." || !patternMatch(pattern, name))
            continue;
        if (isDirectory(joinPath(folder, name)) == folders)
            out.push_back(name);
    }
    ::closedir(dir);
    std::sort(out.begin(), out.end());
    return out;
}

vbs::ErrorTag fileError(int err, bool isFolder)
{
    switch (err) {
    case ENOENT: return vbs::fail(isFolder ? ErrorCode::PathNotFound : ErrorCode::FileNotFound);
    case ENOTDIR: return vbs::fail(ErrorCode::PathNotFound);
    case EEXIST:
    case ENOTEMPTY: return vbs::fail(ErrorCode::FileAlreadyExists);
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case EBUSY:
    case ETXTBSY: return vbs::fail(ErrorCode::PermissionDenied);
    case ENAMETOOLONG:
    case EINVAL: return vbs::fail(ErrorCode::BadFileNameOrNumber);
    case ENOSPC:
    case EDQUOT: return vbs::fail(ErrorCode::DiskFull);
    case EMFILE:
    case ENFILE: return vbs::fail(ErrorCode::TooManyFiles);
    default: return vbs::fail(ErrorCode::DeviceIoError);
    }
}

bool isDirectory(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool isRegularFile(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool exists(const std::string& path)
{
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

Variant dateFromTime(const timespec& t)
{
    std::tm tm {};
    time_t secs = t.tv_sec;
    ::localtime_r(&secs, &tm);
    double day = 0;
    vbs::serialFromDate(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, day);
    return Variant::fromDate(vbs::joinSerial(day, vbs::serialFromTime(tm.tm_hour, tm.tm_min, tm.tm_sec)));
}

std::optional<std::string> readStdinLine()
{
    char* buffer = nullptr;
    size_t size = 0;
    const ssize_t n = ::getline(&buffer, &size, stdin);
    std::optional<std::string> line;
    if (n >= 0)
        line.emplace(buffer, static_cast<size_t>(n));
    std::free(buffer);
    return line;
}

std::optional<std::string> readWholeFile(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return std::nullopt;
    std::string bytes;
    char chunk[65536];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, n);
    const bool failed = std::ferror(file);
    std::fclose(file);
    if (failed)
        return std::nullopt;
    return bytes;
}

} // namespace vorna::scripting
