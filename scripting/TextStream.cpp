#include "TextStream.h"

#include <cerrno>
#include <unistd.h>

namespace vorna::scripting {

namespace {

// Lengths of a trailing UTF-8 sequence that has not arrived whole.
size_t incompleteTail(std::string_view s)
{
    for (size_t back = 1; back <= 3 && back <= s.size(); ++back) {
        auto c = static_cast<uint8_t>(s[s.size() - back]);
        if ((c & 0xC0) == 0x80)
            continue; // continuation byte: look further back
        size_t need = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        return need > back ? back : 0;
    }
    return 0;
}

class StringSource final : public TextSource {
public:
    explicit StringSource(std::u16string text)
        : m_text(std::move(text))
    {
    }
    Result<bool> more(std::u16string& out) override
    {
        if (m_given)
            return false;
        m_given = true;
        out += m_text;
        m_text.clear();
        return true;
    }
    bool endIsError() const override { return true; }

private:
    std::u16string m_text;
    bool m_given = false;
};

class StdinSource final : public TextSource {
public:
    Result<bool> more(std::u16string& out) override
    {
        std::fflush(stdout);
        auto line = readStdinLine();
        if (!line)
            return false;
        out += vbs::decodeScriptText(*line);
        return true;
    }
};

class StdioSink final : public ByteSink {
public:
    explicit StdioSink(std::FILE* stream)
        : m_stream(stream)
    {
    }
    Status put(std::string_view bytes) override
    {
        if (m_stream == stderr)
            std::fflush(stdout); // what went to standard output comes first
        if (std::fwrite(bytes.data(), 1, bytes.size(), m_stream) != bytes.size())
            return vbs::fail(ErrorCode::DeviceIoError);
        return {};
    }
    Status close() override
    {
        std::fflush(m_stream);
        return {};
    }

private:
    std::FILE* m_stream;
};

class FdSink final : public ByteSink {
public:
    explicit FdSink(int fd)
        : m_fd(fd)
    {
    }
    ~FdSink() override { (void)close(); }
    Status put(std::string_view bytes) override
    {
        while (!bytes.empty()) {
            ssize_t n = ::write(m_fd, bytes.data(), bytes.size());
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return fileError(errno);
            bytes.remove_prefix(size_t(n));
        }
        return {};
    }
    Status close() override
    {
        if (m_fd >= 0 && ::close(std::exchange(m_fd, -1)) != 0)
            return fileError(errno);
        return {};
    }

private:
    int m_fd;
};

const vbs::ClassInfo textStreamInfo(u"TextStream",
    {
        { u"Read", 1, MemberKind::Method, { req(u"Characters", ParamType::Int32) },
            on<TextStream>([](TextStream& s, Args a) { return s.read(argInt(a, 0)); }) },
        { u"ReadLine", 2, MemberKind::Method, {}, on<TextStream>([](TextStream& s, Args) { return s.readLine(); }) },
        { u"ReadAll", 3, MemberKind::Method, {}, on<TextStream>([](TextStream& s, Args) { return s.readAll(); }) },
        { u"Skip", 4, MemberKind::Method, { req(u"Characters", ParamType::Int32) },
            on<TextStream>([](TextStream& s, Args a) -> Result<Variant> {
                TRY_STATUS(s.skip(argInt(a, 0)));
                return Variant();
            }) },
        { u"SkipLine", 5, MemberKind::Method, {},
            on<TextStream>([](TextStream& s, Args) -> Result<Variant> {
                TRY_STATUS(s.skipLine());
                return Variant();
            }) },
        { u"AtEndOfStream", 6, MemberKind::PropertyGet, {},
            on<TextStream>([](TextStream& s, Args) -> Result<Variant> {
                TRY_ASSIGN(b, s.atEndOfStream());
                return Variant::fromBool(b);
            }) },
        { u"AtEndOfLine", 7, MemberKind::PropertyGet, {},
            on<TextStream>([](TextStream& s, Args) -> Result<Variant> {
                TRY_ASSIGN(b, s.atEndOfLine());
                return Variant::fromBool(b);
            }) },
        { u"Line", 8, MemberKind::PropertyGet, {},
            on<TextStream>([](TextStream& s, Args) -> Result<Variant> { return Variant::fromLong(s.line()); }) },
        { u"Column", 9, MemberKind::PropertyGet, {},
            on<TextStream>([](TextStream& s, Args) -> Result<Variant> { return Variant::fromLong(s.column()); }) },
        { u"Write", 10, MemberKind::Method, { req(u"Text", ParamType::String) },
            on<TextStream>([](TextStream& s, Args a) -> Result<Variant> {
                TRY_STATUS(s.write(argStr(a, 0).view()));
                return Variant();
            }) },
        { u"WriteLine", 11, MemberKind::Method, { opt(u"Text", ParamType::String, vbs::DefaultValue::str(u"")) },
            on<TextStream>([](TextStream& s, Args a) -> Result<Variant> {
                std::u16string text(argStr(a, 0).view());
                TRY_STATUS(s.write(text + u"\n"));
                return Variant();
            }) },
        { u"WriteBlankLines", 12, MemberKind::Method, { req(u"Lines", ParamType::Int32) },
            on<TextStream>([](TextStream& s, Args a) -> Result<Variant> {
                if (argInt(a, 0) < 0)
                    return vbs::fail(ErrorCode::InvalidProcedureCall);
                TRY_STATUS(s.write(std::u16string(size_t(argInt(a, 0)), u'\n')));
                return Variant();
            }) },
        { u"Close", 13, MemberKind::Method, {},
            on<TextStream>([](TextStream& s, Args) -> Result<Variant> {
                TRY_STATUS(s.close());
                return Variant();
            }) },
    });

} // namespace

std::u16string ChunkDecoder::decode(std::string_view bytes, bool last)
{
    m_pending.append(bytes);
    size_t keep = last ? 0 : incompleteTail(m_pending);
    std::u16string out = vbs::decodeScriptText(std::string_view(m_pending).substr(0, m_pending.size() - keep));
    m_pending.erase(0, m_pending.size() - keep);
    return out;
}

std::u16string decodeFileText(std::string_view bytes, int format)
{
    if (format == -1) {
        if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFE\xFF")
            return vbs::decodeUtf16(bytes.substr(2), true);
        if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFF\xFE")
            bytes.remove_prefix(2);
        return vbs::decodeUtf16(bytes, false);
    }
    return vbs::decodeScriptText(bytes);
}

std::unique_ptr<TextSource> textSource(std::u16string text) { return std::make_unique<StringSource>(std::move(text)); }
std::unique_ptr<TextSource> stdinSource() { return std::make_unique<StdinSource>(); }
std::unique_ptr<ByteSink> stdioSink(std::FILE* stream) { return std::make_unique<StdioSink>(stream); }
std::unique_ptr<ByteSink> fdSink(int fd) { return std::make_unique<FdSink>(fd); }

TextStream::TextStream(std::unique_ptr<TextSource> source)
    : HostObject(textStreamInfo)
    , m_source(std::move(source))
{
}

TextStream::TextStream(std::unique_ptr<ByteSink> sink, Encoding encoding)
    : HostObject(textStreamInfo)
    , m_sink(std::move(sink))
    , m_encoding(encoding)
{
}

TextStream::~TextStream() { (void)close(); }

const vbs::ClassInfo& TextStream::classInfo() { return textStreamInfo; }

// A closed stream is no longer a valid file number; a stream opened the
// other way is the wrong mode.
Status TextStream::readable()
{
    if (m_closed)
        return vbs::fail(ErrorCode::BadFileNameOrNumber);
    if (!m_source)
        return vbs::fail(ErrorCode::BadFileMode);
    return {};
}

Status TextStream::writable()
{
    if (m_closed)
        return vbs::fail(ErrorCode::BadFileNameOrNumber);
    if (!m_sink)
        return vbs::fail(ErrorCode::BadFileMode);
    return {};
}

Result<bool> TextStream::fill(size_t n)
{
    while (m_buffer.size() - m_pos < n && !m_done) {
        if (m_pos > 0 && m_pos >= m_buffer.size() / 2) {
            m_buffer.erase(0, m_pos);
            m_pos = 0;
        }
        TRY_ASSIGN(got, m_source->more(m_buffer));
        if (!got)
            m_done = true;
    }
    return m_buffer.size() - m_pos >= n;
}

void TextStream::count(std::u16string_view text)
{
    for (char16_t c : text) {
        if (c == u'\n' && m_pendingCr) {
            m_pendingCr = false; // CR LF is one line end
        } else if (c == u'\n' || c == u'\r') {
            ++m_line;
            m_column = 1;
            m_pendingCr = c == u'\r';
        } else {
            ++m_column;
            m_pendingCr = false;
        }
    }
}

std::u16string TextStream::take(size_t n)
{
    n = std::min(n, m_buffer.size() - m_pos);
    std::u16string out = m_buffer.substr(m_pos, n);
    m_pos += n;
    count(out);
    return out;
}

Result<Variant> TextStream::read(int32_t n)
{
    TRY_STATUS(readable());
    if (n < 0)
        return vbs::fail(ErrorCode::InvalidProcedureCall);
    TRY_ASSIGN(any, fill(1));
    if (!any)
        return vbs::fail(ErrorCode::InputPastEndOfFile);
    TRY_STATUS(fill(size_t(n)));
    return Variant::fromString(take(size_t(n)));
}

Result<Variant> TextStream::readLine()
{
    TRY_STATUS(readable());
    TRY_ASSIGN(any, fill(1));
    if (!any)
        return vbs::fail(ErrorCode::InputPastEndOfFile);
    size_t from = m_pos;
    for (;;) {
        size_t end = m_buffer.find_first_of(u"\r\n", from);
        if (end == std::u16string::npos) {
            from = m_buffer.size() - m_pos;
            TRY_ASSIGN(more, fill(from + 1));
            from += m_pos;
            if (!more) {
                std::u16string line = take(m_buffer.size() - m_pos);
                return Variant::fromString(line);
            }
            continue;
        }
        size_t rel = end - m_pos;
        if (m_buffer[end] == u'\r') {
            TRY_STATUS(fill(rel + 2)); // is it CR LF?
            end = m_pos + rel;
        }
        std::u16string line = take(rel);
        size_t lineEnd = (m_buffer[m_pos] == u'\r' && m_pos + 1 < m_buffer.size() && m_buffer[m_pos + 1] == u'\n') ? 2 : 1;
        take(lineEnd);
        return Variant::fromString(line);
    }
}

Result<Variant> TextStream::readAll()
{
    TRY_STATUS(readable());
    TRY_STATUS(fill(SIZE_MAX));
    if (m_pos >= m_buffer.size() && m_source->endIsError())
        return vbs::fail(ErrorCode::InputPastEndOfFile);
    return Variant::fromString(take(m_buffer.size() - m_pos));
}

Status TextStream::skip(int32_t n)
{
    TRY_STATUS(readable());
    if (n < 0)
        return vbs::fail(ErrorCode::InvalidProcedureCall);
    TRY_ASSIGN(any, fill(1));
    if (!any && n > 0)
        return vbs::fail(ErrorCode::InputPastEndOfFile);
    TRY_STATUS(fill(size_t(n)));
    take(size_t(n));
    return {};
}

Status TextStream::skipLine()
{
    TRY_STATUS(readLine());
    return {};
}

Result<bool> TextStream::atEndOfStream()
{
    TRY_STATUS(readable());
    TRY_ASSIGN(any, fill(1));
    return !any;
}

Result<bool> TextStream::atEndOfLine()
{
    TRY_STATUS(readable());
    TRY_ASSIGN(any, fill(1));
    return !any || m_buffer[m_pos] == u'\r' || m_buffer[m_pos] == u'\n';
}

Status TextStream::write(std::u16string_view text)
{
    TRY_STATUS(writable());
    std::string bytes;
    if (m_encoding == Encoding::Utf16) {
        bytes.reserve(text.size() * 2);
        for (char16_t c : text) {
            bytes += char(c & 0xFF);
            bytes += char(c >> 8);
        }
    } else {
        bytes = vbs::utf16ToUtf8(text);
    }
    TRY_STATUS(m_sink->put(bytes));
    count(text);
    return {};
}

Status TextStream::close()
{
    if (m_closed)
        return {};
    m_closed = true;
    m_source.reset();
    if (m_sink) {
        Status s = m_sink->close();
        m_sink.reset();
        return s;
    }
    return {};
}

} // namespace vorna::scripting
