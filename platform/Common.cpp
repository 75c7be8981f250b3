// The Qt-free parts of the boundary: control arrays, the command line, the
// file search and the script file.
#include "Desktop.h"
#include "runtime/Str.h"

#include <cerrno>
#include <new>
#include <dirent.h>
#include <sys/stat.h>

namespace vorna::platform {

vbs::ScriptError invalidPropertyValue()
{
    return vbs::makeError(380, Str(u"Invalid property value"));
}

ControlArray::ControlArray(std::shared_ptr<Control> templateControl)
{
    m_elements.emplace(0, std::move(templateControl));
}

int16_t ControlArray::upperBound() const
{
    return m_elements.rbegin()->first;
}

Result<std::shared_ptr<Control>> ControlArray::element(int16_t index) const
{
    auto it = m_elements.find(index);
    if (it == m_elements.end())
        return vbs::fail(vbs::makeError(340, Str(u"Control array element doesn't exist")));
    return it->second;
}

Result<std::shared_ptr<Control>> ControlArray::load(int16_t index)
{
    if (m_elements.count(index))
        return vbs::fail(vbs::makeError(360, Str(u"Object already loaded")));
    std::shared_ptr<Control> element = m_elements.at(0)->cloneHidden();
    element->setClickHandler([this, index] {
        if (m_click)
            m_click(index);
    });
    m_elements.emplace(index, element);
    return element;
}

Str joinArguments(const std::vector<Str>& arguments)
{
    std::u16string line;
    for (const Str& argument : arguments) {
        if (!line.empty() || &argument != &arguments.front())
            line += u' ';
        bool quote = argument.empty() || argument.view().find(u' ') != std::u16string_view::npos;
        if (quote)
            line += u'"';
        line += argument.view();
        if (quote)
            line += u'"';
    }
    return Str(line);
}

namespace {

bool isNormalFile(const std::string& path, std::string_view name)
{
    if (name.empty() || name.front() == '.')
        return false;
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace

Str findFirstFile(const Str& pattern)
{
    std::string path = pattern.toUtf8();
    size_t slash = path.rfind('/');
    std::string dir = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    std::string last = slash == std::string::npos ? path : path.substr(slash + 1);
    if (last.find_first_of("*?") == std::string::npos)
        return isNormalFile(path, last) ? Str::fromUtf8(last) : Str();
    DIR* stream = ::opendir(dir.empty() ? "." : dir.c_str());
    if (!stream)
        return {};
    Str found;
    while (dirent* entry = ::readdir(stream)) {
        std::string_view name = entry->d_name;
        if (vbs::wildcardMatch(last, name) && isNormalFile(dir + std::string(name), name)) {
            found = Str::fromUtf8(name);
            break;
        }
    }
    ::closedir(stream);
    return found;
}

Result<std::unique_ptr<TextFile>> TextFile::open(const Str& path)
{
    std::string name = path.toUtf8();
    struct stat info {};
    if (::stat(name.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        return vbs::fail(vbs::ErrorCode::PathFileAccessError);
    std::FILE* file = std::fopen(name.c_str(), "rb");
    if (!file)
        return vbs::fail(errno == EACCES ? vbs::ErrorCode::PermissionDenied : vbs::ErrorCode::FileNotFound);
    return std::unique_ptr<TextFile>(new TextFile(file));
}

TextFile::~TextFile()
{
    close();
}

Result<Str> TextFile::readAll()
{
    if (!m_file)
        return vbs::fail(vbs::ErrorCode::BadFileMode);
    std::string bytes;
    char buffer[65536];
    size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, m_file)) > 0) {
        // Longer than any string the engine takes: refused, not exhausted.
        if (bytes.size() + count > Str::MaxLength)
            return vbs::fail(vbs::ErrorCode::OutOfMemory);
        bytes.append(buffer, count);
    }
    if (std::ferror(m_file))
        return vbs::fail(vbs::ErrorCode::DeviceIoError);
    if (bytes.empty())
        return vbs::fail(vbs::ErrorCode::InputPastEndOfFile);
    try {
        return Str(vbs::decodeScriptText(bytes));
    } catch (const std::bad_alloc&) {
        return vbs::fail(vbs::ErrorCode::OutOfMemory);
    }
}

void TextFile::close()
{
    if (m_file)
        std::fclose(m_file);
    m_file = nullptr;
}

} // namespace vorna::platform
