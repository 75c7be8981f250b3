#include "FileSystem.h"

#include "FileOps.h"
#include "TextStream.h"
#include "objects/SnapshotEnumerator.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <chrono>
#include <sys/random.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace vorna::scripting {

namespace {

using vbs::DefaultValue;

constexpr int32_t AttrReadOnly = 1, AttrHidden = 2, AttrDirectory = 16;

Variant fromSize(uint64_t n)
{
    return n <= uint64_t(INT32_MAX) ? Variant::fromLong(int32_t(n)) : Variant::fromDouble(double(n));
}

// ---------------------------------------------------------------- Drive

class Drive final : public vbs::HostObject {
public:
    Drive();
    Result<Variant> space(bool total) const
    {
        struct statvfs s;
        if (::statvfs("/", &s) != 0)
            return vbs::fail(ErrorCode::DeviceUnavailable);
        return Variant::fromDouble(double(total ? s.f_blocks : s.f_bavail) * double(s.f_frsize));
    }
};

const vbs::ClassInfo driveInfo(u"Drive",
    {
        { u"Path", 0, MemberKind::PropertyGet, {}, [](Object&, Args) -> Result<Variant> { return str("/"); } },
        { u"DriveLetter", 1, MemberKind::PropertyGet, {}, [](Object&, Args) -> Result<Variant> { return str(""); } },
        { u"DriveType", 2, MemberKind::PropertyGet, {}, [](Object&, Args) -> Result<Variant> { return Variant::fromLong(2); } },
        { u"IsReady", 3, MemberKind::PropertyGet, {}, [](Object&, Args) -> Result<Variant> { return Variant::fromBool(true); } },
        { u"RootFolder", 4, MemberKind::PropertyGet, {},
            [](Object&, Args) -> Result<Variant> { return Variant::fromObject(folderObject("/")); } },
        { u"TotalSize", 5, MemberKind::PropertyGet, {}, on<Drive>([](Drive& d, Args) { return d.space(true); }) },
        { u"FreeSpace", 6, MemberKind::PropertyGet, {}, on<Drive>([](Drive& d, Args) { return d.space(false); }) },
        { u"AvailableSpace", 7, MemberKind::PropertyGet, {}, on<Drive>([](Drive& d, Args) { return d.space(false); }) },
        { u"FileSystem", 8, MemberKind::PropertyGet, {}, [](Object&, Args) -> Result<Variant> { return str(""); } },
        { u"VolumeName", 9, MemberKind::PropertyGet, {}, [](Object&, Args) -> Result<Variant> { return str(""); } },
        { u"SerialNumber", 10, MemberKind::PropertyGet, {}, [](Object&, Args) -> Result<Variant> { return Variant::fromLong(0); } },
        { u"ShareName", 11, MemberKind::PropertyGet, {}, [](Object&, Args) -> Result<Variant> { return str(""); } },
    });

Drive::Drive()
    : HostObject(driveInfo)
{
}

Result<Variant> rootDrive() { return Variant::fromObject(Ref<Object>(vbs::makeRef<Drive>())); }

bool isRootDrive(const std::string& name) { return name.empty() || name == "/"; }

// ---------------------------------------------------------------- collections

// Files, SubFolders and Drives: Count, Item(name) and For Each over what is
// there when asked.
class Collection final : public vbs::HostObject {
public:
    enum class Kind : uint8_t { Files, Folders, Drives };
    Collection(Kind kind, std::string folder);
    Result<std::vector<std::string>> names() const
    {
        if (m_kind == Kind::Drives)
            return std::vector<std::string> { "/" };
        return matchEntries(m_folder, "*", m_kind == Kind::Folders);
    }
    Result<Variant> item(const Variant& key) const
    {
        TRY_ASSIGN(name, vbs::toString(key));
        if (m_kind == Kind::Drives) {
            if (!isRootDrive(toNative(name)))
                return vbs::fail(ErrorCode::DeviceUnavailable);
            return rootDrive();
        }
        std::string path = joinPath(m_folder, toNative(name));
        if (m_kind == Kind::Folders ? !isDirectory(path) : !isRegularFile(path))
            return vbs::fail(m_kind == Kind::Folders ? ErrorCode::PathNotFound : ErrorCode::FileNotFound);
        return Variant::fromObject(m_kind == Kind::Folders ? folderObject(path) : fileObject(path));
    }
    Result<Variant> add(const Str& name) const
    {
        if (m_kind != Kind::Folders)
            return vbs::fail(ErrorCode::ObjectDoesntSupportMember);
        std::string path = joinPath(m_folder, toNative(name));
        TRY_STATUS(createFolder(path));
        return Variant::fromObject(folderObject(path));
    }
    Result<Ref<vbs::Enumerator>> enumerate() override
    {
        std::vector<Variant> items;
        TRY_ASSIGN(all, names());
        for (const auto& name : all) {
            std::string path = joinPath(m_folder, name);
            items.push_back(m_kind == Kind::Drives ? Variant::fromObject(Ref<Object>(vbs::makeRef<Drive>()))
                    : m_kind == Kind::Folders      ? Variant::fromObject(folderObject(path))
                                                   : Variant::fromObject(fileObject(path)));
        }
        return Ref<vbs::Enumerator>(vbs::makeRef<vbs::SnapshotEnumerator>(std::move(items)));
    }

private:
    Kind m_kind;
    std::string m_folder;
};

// One member table a kind, so that TypeName tells Files, Folders and Drives apart.
std::vector<vbs::MemberInfo> collectionMembers()
{
    return {
        { u"Item", 0, MemberKind::PropertyGet, { req(u"Key", ParamType::Variant) },
            on<Collection>([](Collection& c, Args a) { return c.item(a[0].deref()); }) },
        { u"Count", 1, MemberKind::PropertyGet, {},
            on<Collection>([](Collection& c, Args) -> Result<Variant> {
                TRY_ASSIGN(all, c.names());
                return fromSize(all.size());
            }) },
        { u"Add", 2, MemberKind::Method, { req(u"Name", ParamType::String) },
            on<Collection>([](Collection& c, Args a) { return c.add(argStr(a, 0)); }) },
    };
}

const vbs::ClassInfo filesInfo(u"Files", collectionMembers());
const vbs::ClassInfo foldersInfo(u"Folders", collectionMembers());
const vbs::ClassInfo drivesInfo(u"Drives", collectionMembers());

Collection::Collection(Kind kind, std::string folder)
    : HostObject(kind == Kind::Files ? filesInfo : kind == Kind::Folders ? foldersInfo : drivesInfo)
    , m_kind(kind)
    , m_folder(std::move(folder))
{
}

Variant collection(Collection::Kind kind, const std::string& folder)
{
    return Variant::fromObject(Ref<Object>(vbs::makeRef<Collection>(kind, folder)));
}

// ---------------------------------------------------------------- File, Folder

class Item final : public vbs::HostObject {
public:
    Item(const vbs::ClassInfo& info, std::string path, bool folder)
        : HostObject(info)
        , m_path(std::move(path))
        , m_folder(folder)
    {
    }
    const std::string& path() const { return m_path; }
    bool folder() const { return m_folder; }

    Result<struct stat> status() const
    {
        struct stat st;
        if (::stat(m_path.c_str(), &st) != 0 || S_ISDIR(st.st_mode) != m_folder)
            return vbs::fail(m_folder ? ErrorCode::PathNotFound : ErrorCode::FileNotFound);
        return st;
    }
    Result<Variant> attributes() const
    {
        TRY_ASSIGN(st, status());
        int32_t attr = m_folder ? AttrDirectory : 0;
        if ((st.st_mode & S_IWUSR) == 0)
            attr |= AttrReadOnly;
        if (baseName(m_path).starts_with("."))
            attr |= AttrHidden;
        return Variant::fromLong(attr);
    }
    Status setAttributes(int32_t attr) const
    {
        TRY_ASSIGN(st, status());
        mode_t mode = st.st_mode & 07777;
        mode = (attr & AttrReadOnly) ? mode & ~mode_t(S_IWUSR | S_IWGRP | S_IWOTH) : mode | S_IWUSR;
        if (::chmod(m_path.c_str(), mode) != 0)
            return fileError(errno, m_folder);
        return {};
    }
    Status rename(const Str& name)
    {
        std::string n = name.toUtf8();
        if (n.empty() || n.find_first_of("/\\*?") != std::string::npos || n == "." || n == "..")
            return vbs::fail(ErrorCode::BadFileNameOrNumber);
        TRY_STATUS(status());
        std::string target = joinPath(parentName(m_path), n);
        if (exists(target))
            return vbs::fail(ErrorCode::FileAlreadyExists);
        if (::rename(m_path.c_str(), target.c_str()) != 0)
            return fileError(errno, m_folder);
        m_path = target;
        return {};
    }
    Status move(const Str& destination)
    {
        std::string dest = toNative(destination);
        std::string target = (!dest.empty() && dest.back() == '/') ? dest + baseName(m_path) : dest;
        TRY_STATUS(m_folder ? moveFolder(m_path, target) : moveFile(m_path, target));
        m_path = absolutePath(target);
        return {};
    }
    Result<Variant> type() const
    {
        if (m_folder)
            return str("File Folder");
        std::string name = baseName(m_path);
        size_t dot = name.rfind('.');
        if (dot == std::string::npos || dot + 1 == name.size())
            return str("File");
        std::string ext = name.substr(dot + 1);
        for (auto& c : ext)
            c = char(std::toupper(static_cast<unsigned char>(c)));
        return str(ext + " File");
    }

private:
    std::string m_path;
    bool m_folder;
};

template <class F>
vbs::MemberCall withStat(F f)
{
    return on<Item>([f](Item& it, Args) -> Result<Variant> {
        TRY_ASSIGN(st, it.status());
        return f(it, st);
    });
}

std::vector<vbs::MemberInfo> itemMembers(bool folder)
{
    std::vector<vbs::MemberInfo> m = {
        { u"Path", 0, MemberKind::PropertyGet, {}, on<Item>([](Item& it, Args) -> Result<Variant> { return str(it.path()); }) },
        { u"Name", 1, MemberKind::PropertyGet, {},
            on<Item>([](Item& it, Args) -> Result<Variant> { return str(baseName(it.path())); }) },
        { u"Name", 1, MemberKind::PropertyLet, { req(u"Name", ParamType::String) },
            on<Item>([](Item& it, Args a) -> Result<Variant> {
                TRY_STATUS(it.rename(argStr(a, 0)));
                return Variant();
            }) },
        { u"ShortName", 2, MemberKind::PropertyGet, {},
            on<Item>([](Item& it, Args) -> Result<Variant> { return str(baseName(it.path())); }) },
        { u"ShortPath", 3, MemberKind::PropertyGet, {}, on<Item>([](Item& it, Args) -> Result<Variant> { return str(it.path()); }) },
        { u"Size", 4, MemberKind::PropertyGet, {},
            withStat([](Item& it, const struct stat& st) -> Result<Variant> {
                return fromSize(it.folder() ? folderSize(it.path()) : uint64_t(st.st_size));
            }) },
        { u"Type", 5, MemberKind::PropertyGet, {}, on<Item>([](Item& it, Args) { return it.type(); }) },
        { u"Attributes", 6, MemberKind::PropertyGet, {}, on<Item>([](Item& it, Args) { return it.attributes(); }) },
        { u"Attributes", 6, MemberKind::PropertyLet, { req(u"Attributes", ParamType::Int32) },
            on<Item>([](Item& it, Args a) -> Result<Variant> {
                TRY_STATUS(it.setAttributes(argInt(a, 0)));
                return Variant();
            }) },
        { u"DateCreated", 7, MemberKind::PropertyGet, {},
            withStat([](Item&, const struct stat& st) -> Result<Variant> { return dateFromTime(st.st_ctim); }) },
        { u"DateLastModified", 8, MemberKind::PropertyGet, {},
            withStat([](Item&, const struct stat& st) -> Result<Variant> { return dateFromTime(st.st_mtim); }) },
        { u"DateLastAccessed", 9, MemberKind::PropertyGet, {},
            withStat([](Item&, const struct stat& st) -> Result<Variant> { return dateFromTime(st.st_atim); }) },
        { u"ParentFolder", 10, MemberKind::PropertyGet, {},
            on<Item>([](Item& it, Args) -> Result<Variant> {
                std::string parent = parentName(it.path());
                return parent.empty() ? Variant::nothing() : Variant::fromObject(folderObject(parent));
            }) },
        { u"Drive", 11, MemberKind::PropertyGet, {}, [](Object&, Args) { return rootDrive(); } },
        { u"Copy", 12, MemberKind::Method,
            { req(u"Destination", ParamType::String), opt(u"OverWriteFiles", ParamType::Boolean, DefaultValue::boolean(true)) },
            on<Item>([](Item& it, Args a) -> Result<Variant> {
                std::string dest = toNative(argStr(a, 0));
                TRY_STATUS(it.folder() ? copyFolder(it.path(), dest, argBool(a, 1)) : copyFile(it.path(), dest, argBool(a, 1)));
                return Variant();
            }) },
        { u"Delete", 13, MemberKind::Method, { opt(u"Force", ParamType::Boolean, DefaultValue::boolean(false)) },
            on<Item>([](Item& it, Args a) -> Result<Variant> {
                TRY_STATUS(it.folder() ? deleteFolder(it.path(), argBool(a, 0)) : deleteFile(it.path(), argBool(a, 0)));
                return Variant();
            }) },
        { u"Move", 14, MemberKind::Method, { req(u"Destination", ParamType::String) },
            on<Item>([](Item& it, Args a) -> Result<Variant> {
                TRY_STATUS(it.move(argStr(a, 0)));
                return Variant();
            }) },
    };
    if (!folder) {
        m.push_back({ u"OpenAsTextStream", 15, MemberKind::Method,
            { opt(u"IOMode", ParamType::Int32, DefaultValue::num(1)), opt(u"Format", ParamType::Int32, DefaultValue::num(0)) },
            on<Item>([](Item& it, Args a) -> Result<Variant> {
                TRY_STATUS(it.status());
                return openTextFile(it.path(), argInt(a, 0), false, argInt(a, 1));
            }) });
        return m;
    }
    m.push_back({ u"Files", 15, MemberKind::PropertyGet, {},
        withStat([](Item& it, const struct stat&) -> Result<Variant> { return collection(Collection::Kind::Files, it.path()); }) });
    m.push_back({ u"SubFolders", 16, MemberKind::PropertyGet, {},
        withStat([](Item& it, const struct stat&) -> Result<Variant> { return collection(Collection::Kind::Folders, it.path()); }) });
    m.push_back({ u"IsRootFolder", 17, MemberKind::PropertyGet, {},
        on<Item>([](Item& it, Args) -> Result<Variant> { return Variant::fromBool(it.path() == "/"); }) });
    m.push_back({ u"CreateTextFile", 18, MemberKind::Method,
        { req(u"FileName", ParamType::String), opt(u"Overwrite", ParamType::Boolean, DefaultValue::boolean(true)),
            opt(u"Unicode", ParamType::Boolean, DefaultValue::boolean(false)) },
        on<Item>([](Item& it, Args a) -> Result<Variant> {
            return createTextFile(joinPath(it.path(), toNative(argStr(a, 0))), argBool(a, 1), argBool(a, 2));
        }) });
    return m;
}

const vbs::ClassInfo fileInfo(u"File", itemMembers(false));
const vbs::ClassInfo folderInfo(u"Folder", itemMembers(true));

// ---------------------------------------------------------------- FileSystemObject

std::string pathArg(Args a, size_t i) { return toNative(argStr(a, i)); }

template <class F>
vbs::MemberCall action(F f)
{
    return [f](Object&, Args a) -> Result<Variant> {
        TRY_STATUS(f(a));
        return Variant();
    };
}

std::string extensionOf(const std::string& path)
{
    std::string name = baseName(path);
    size_t dot = name.rfind('.');
    return dot == std::string::npos ? "" : name.substr(dot + 1);
}

std::string tempFolder()
{
    const char* dir = std::getenv("TMPDIR");
    return dir && *dir && isDirectory(dir) ? absolutePath(dir) : "/tmp";
}

// "radXXXXX.tmp" with five random hexadecimal digits.
Result<Variant> tempName()
{
    unsigned bits = 0;
    if (::getrandom(&bits, sizeof bits, GRND_NONBLOCK) != ssize_t(sizeof bits))
        bits = unsigned(std::chrono::steady_clock::now().time_since_epoch().count()) ^ unsigned(::getpid());
    char name[16];
    std::snprintf(name, sizeof name, "rad%05X.tmp", bits & 0xFFFFF);
    return str(name);
}

const vbs::ClassInfo fsoInfo(u"FileSystemObject",
    {
        { u"BuildPath", 1, MemberKind::Method, { req(u"Path", ParamType::String), req(u"Name", ParamType::String) },
            [](Object&, Args a) -> Result<Variant> { return str(joinPath(pathArg(a, 0), pathArg(a, 1))); } },
        { u"CopyFile", 2, MemberKind::Method,
            { req(u"Source", ParamType::String), req(u"Destination", ParamType::String),
                opt(u"OverWriteFiles", ParamType::Boolean, DefaultValue::boolean(true)) },
            action([](Args a) { return copyFiles(pathArg(a, 0), pathArg(a, 1), argBool(a, 2)); }) },
        { u"CopyFolder", 3, MemberKind::Method,
            { req(u"Source", ParamType::String), req(u"Destination", ParamType::String),
                opt(u"OverWriteFiles", ParamType::Boolean, DefaultValue::boolean(true)) },
            action([](Args a) { return copyFolders(pathArg(a, 0), pathArg(a, 1), argBool(a, 2)); }) },
        { u"CreateFolder", 4, MemberKind::Method, { req(u"Path", ParamType::String) },
            [](Object&, Args a) -> Result<Variant> {
                std::string path = pathArg(a, 0);
                TRY_STATUS(createFolder(path));
                return Variant::fromObject(folderObject(absolutePath(path)));
            } },
        { u"CreateTextFile", 5, MemberKind::Method,
            { req(u"FileName", ParamType::String), opt(u"Overwrite", ParamType::Boolean, DefaultValue::boolean(true)),
                opt(u"Unicode", ParamType::Boolean, DefaultValue::boolean(false)) },
            [](Object&, Args a) { return createTextFile(pathArg(a, 0), argBool(a, 1), argBool(a, 2)); } },
        { u"DeleteFile", 6, MemberKind::Method,
            { req(u"Path", ParamType::String), opt(u"Force", ParamType::Boolean, DefaultValue::boolean(false)) },
            action([](Args a) { return deleteFiles(pathArg(a, 0), argBool(a, 1)); }) },
        { u"DeleteFolder", 7, MemberKind::Method,
            { req(u"Path", ParamType::String), opt(u"Force", ParamType::Boolean, DefaultValue::boolean(false)) },
            action([](Args a) { return deleteFolders(pathArg(a, 0), argBool(a, 1)); }) },
        { u"FileExists", 8, MemberKind::Method, { req(u"Path", ParamType::String) },
            [](Object&, Args a) -> Result<Variant> { return Variant::fromBool(isRegularFile(pathArg(a, 0))); } },
        { u"FolderExists", 9, MemberKind::Method, { req(u"Path", ParamType::String) },
            [](Object&, Args a) -> Result<Variant> { return Variant::fromBool(isDirectory(pathArg(a, 0))); } },
        { u"GetAbsolutePathName", 10, MemberKind::Method, { req(u"Path", ParamType::String) },
            [](Object&, Args a) -> Result<Variant> { return str(absolutePath(pathArg(a, 0))); } },
        { u"GetBaseName", 11, MemberKind::Method, { req(u"Path", ParamType::String) },
            [](Object&, Args a) -> Result<Variant> {
                std::string name = baseName(pathArg(a, 0));
                size_t dot = name.rfind('.');
                return str(dot == std::string::npos ? name : name.substr(0, dot));
            } },
        { u"GetExtensionName", 12, MemberKind::Method, { req(u"Path", ParamType::String) },
            [](Object&, Args a) -> Result<Variant> { return str(extensionOf(pathArg(a, 0))); } },
        { u"GetFile", 13, MemberKind::Method, { req(u"FilePath", ParamType::String) },
            [](Object&, Args a) -> Result<Variant> {
                std::string path = pathArg(a, 0);
                if (path.empty())
                    return vbs::fail(ErrorCode::InvalidProcedureCall);
                if (!isRegularFile(path))
                    return vbs::fail(ErrorCode::FileNotFound);
                return Variant::fromObject(fileObject(absolutePath(path)));
            } },
        { u"GetFileName", 14, MemberKind::Method, { req(u"Path", ParamType::String) },
            [](Object&, Args a) -> Result<Variant> { return str(baseName(pathArg(a, 0))); } },
        { u"GetFolder", 15, MemberKind::Method, { req(u"FolderPath", ParamType::String) },
            [](Object&, Args a) -> Result<Variant> {
                std::string path = pathArg(a, 0);
                if (path.empty())
                    return vbs::fail(ErrorCode::InvalidProcedureCall);
                if (!isDirectory(path))
                    return vbs::fail(ErrorCode::PathNotFound);
                return Variant::fromObject(folderObject(absolutePath(path)));
            } },
        { u"GetParentFolderName", 16, MemberKind::Method, { req(u"Path", ParamType::String) },
            [](Object&, Args a) -> Result<Variant> { return str(parentName(pathArg(a, 0))); } },
        { u"GetSpecialFolder", 17, MemberKind::Method, { req(u"SpecialFolder", ParamType::Int32) },
            [](Object&, Args a) -> Result<Variant> {
                switch (argInt(a, 0)) {
                case 0: return Variant::fromObject(folderObject("/usr"));
                case 1: return Variant::fromObject(folderObject("/usr/bin"));
                case 2: return Variant::fromObject(folderObject(tempFolder()));
                default: return vbs::fail(ErrorCode::InvalidProcedureCall);
                }
            } },
        { u"GetTempName", 18, MemberKind::Method, {}, [](Object&, Args) { return tempName(); } },
        { u"MoveFile", 19, MemberKind::Method, { req(u"Source", ParamType::String), req(u"Destination", ParamType::String) },
            action([](Args a) { return moveFiles(pathArg(a, 0), pathArg(a, 1)); }) },
        { u"MoveFolder", 20, MemberKind::Method, { req(u"Source", ParamType::String), req(u"Destination", ParamType::String) },
            action([](Args a) { return moveFolders(pathArg(a, 0), pathArg(a, 1)); }) },
        { u"OpenTextFile", 21, MemberKind::Method,
            { req(u"FileName", ParamType::String), opt(u"IOMode", ParamType::Int32, DefaultValue::num(1)),
                opt(u"Create", ParamType::Boolean, DefaultValue::boolean(false)),
                opt(u"Format", ParamType::Int32, DefaultValue::num(0)) },
            [](Object&, Args a) { return openTextFile(pathArg(a, 0), argInt(a, 1), argBool(a, 2), argInt(a, 3)); } },
        { u"Drives", 22, MemberKind::PropertyGet, {},
            [](Object&, Args) -> Result<Variant> { return collection(Collection::Kind::Drives, "/"); } },
        { u"GetDrive", 23, MemberKind::Method, { req(u"Drive", ParamType::String) },
            [](Object&, Args a) -> Result<Variant> {
                if (!isRootDrive(pathArg(a, 0)))
                    return vbs::fail(ErrorCode::DeviceUnavailable);
                return rootDrive();
            } },
        { u"DriveExists", 24, MemberKind::Method, { req(u"Drive", ParamType::String) },
            [](Object&, Args a) -> Result<Variant> { return Variant::fromBool(isRootDrive(pathArg(a, 0))); } },
        { u"GetDriveName", 25, MemberKind::Method, { req(u"Path", ParamType::String) },
            [](Object&, Args) -> Result<Variant> { return str(""); } },
        // 0 standard input, 1 output, 2 error.
        { u"GetStandardStream", 26, MemberKind::Method,
            { req(u"StandardStreamType", ParamType::Int32), opt(u"Unicode", ParamType::Boolean, DefaultValue::boolean(false)) },
            [](Object&, Args a) -> Result<Variant> {
                Encoding encoding = argBool(a, 1) ? Encoding::Utf16 : Encoding::Utf8;
                switch (argInt(a, 0)) {
                case 0: return Variant::fromObject(Ref<Object>(vbs::makeRef<TextStream>(stdinSource())));
                case 1: return Variant::fromObject(Ref<Object>(vbs::makeRef<TextStream>(stdioSink(stdout), encoding)));
                case 2: return Variant::fromObject(Ref<Object>(vbs::makeRef<TextStream>(stdioSink(stderr), encoding)));
                default: return vbs::fail(ErrorCode::InvalidProcedureCall);
                }
            } },
    });

} // namespace

FileSystemObject::FileSystemObject()
    : HostObject(fsoInfo)
{
}

const vbs::ClassInfo& FileSystemObject::classInfo() { return fsoInfo; }

Ref<Object> fileObject(std::string path) { return vbs::makeRef<Item>(fileInfo, std::move(path), false); }
Ref<Object> folderObject(std::string path) { return vbs::makeRef<Item>(folderInfo, std::move(path), true); }

Result<Variant> openTextFile(const std::string& path, int mode, bool create, int format)
{
    if ((mode != 1 && mode != 2 && mode != 8) || format < -2 || format > 0)
        return vbs::fail(ErrorCode::InvalidProcedureCall);
    if (path.empty() || hasWildcards(baseName(path)))
        return vbs::fail(ErrorCode::BadFileNameOrNumber);
    if (isDirectory(path))
        return vbs::fail(ErrorCode::PermissionDenied);
    std::string parent = parentName(path);
    bool present = exists(path);
    if (!present && !parent.empty() && !isDirectory(parent))
        return vbs::fail(ErrorCode::PathNotFound);
    if (mode == 1) {
        int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | (create ? O_CREAT : 0), 0666);
        if (fd < 0)
            return fileError(errno);
        std::string bytes;
        char buffer[65536];
        ssize_t n;
        while ((n = ::read(fd, buffer, sizeof buffer)) != 0) {
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                int err = errno;
                ::close(fd);
                return fileError(err);
            }
            bytes.append(buffer, size_t(n));
        }
        ::close(fd);
        return Variant::fromObject(Ref<Object>(vbs::makeRef<TextStream>(textSource(decodeFileText(bytes, format)))));
    }
    if (!present && !create)
        return vbs::fail(ErrorCode::FileNotFound);
    struct stat st;
    if (present && ::stat(path.c_str(), &st) == 0 && (st.st_mode & S_IWUSR) == 0)
        return vbs::fail(ErrorCode::PermissionDenied); // read-only, whoever runs the script
    int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (mode == 2 ? O_TRUNC : O_APPEND);
    int fd = ::open(path.c_str(), flags, 0666);
    if (fd < 0)
        return fileError(errno);
    bool unicode = format == -1;
    auto sink = fdSink(fd);
    if (unicode && (mode == 2 || ::lseek(fd, 0, SEEK_END) == 0))
        TRY_STATUS(sink->put("\xFF\xFE"));
    return Variant::fromObject(
        Ref<Object>(vbs::makeRef<TextStream>(std::move(sink), unicode ? Encoding::Utf16 : Encoding::Utf8)));
}

Result<Variant> createTextFile(const std::string& path, bool overwrite, bool unicode)
{
    if (path.empty() || hasWildcards(baseName(path)))
        return vbs::fail(ErrorCode::BadFileNameOrNumber);
    if (!overwrite && exists(path))
        return vbs::fail(ErrorCode::FileAlreadyExists);
    return openTextFile(path, 2, true, unicode ? -1 : 0);
}

} // namespace vorna::scripting
