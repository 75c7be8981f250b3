// TextStream: sequential text over a file, a process's standard stream or a
// child's pipe. Reading decodes like the hosts decode scripts (UTF-16 by
// byte-order mark or when asked; else UTF-8, non-UTF-8 bytes as
// Windows-1252); writing encodes UTF-8 without a byte-order mark, or UTF-16 LE.
#pragma once

#include "Support.h"

#include <memory>
#include <string>

namespace vorna::scripting {

// Where read text comes from: more() appends the next decoded piece, false
// when there is nothing more.
class TextSource {
public:
    virtual ~TextSource() = default;
    virtual Result<bool> more(std::u16string& out) = 0;
    // ReadAll at the end of a file is 62; a pipe or the terminal gives "".
    virtual bool endIsError() const { return false; }
};

// Where written bytes go.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual Status put(std::string_view bytes) = 0;
    virtual Status close() = 0;
};

// Text decoded from bytes that arrive in pieces: a UTF-8 sequence split
// between pieces is kept for the next one.
class ChunkDecoder {
public:
    std::u16string decode(std::string_view bytes, bool last);

private:
    std::string m_pending;
};

enum class Encoding : uint8_t { Utf8, Utf16 };

class TextStream final : public vbs::HostObject {
public:
    TextStream(std::unique_ptr<TextSource> source); // for reading
    TextStream(std::unique_ptr<ByteSink> sink, Encoding encoding); // for writing
    ~TextStream() override;
    static const vbs::ClassInfo& classInfo();

    Result<Variant> read(int32_t count);
    Result<Variant> readLine();
    Result<Variant> readAll();
    Status skip(int32_t count);
    Status skipLine();
    Result<bool> atEndOfStream();
    Result<bool> atEndOfLine();
    Status write(std::u16string_view text);
    Status close();
    int32_t line() const { return m_line; }
    int32_t column() const { return m_column; }

private:
    Status readable();
    Status writable();
    // Fills the buffer until it holds n characters past the position or the
    // source is done; false when fewer are available.
    Result<bool> fill(size_t n);
    std::u16string take(size_t n); // consumes n buffered characters, counting lines
    void count(std::u16string_view text);

    std::unique_ptr<TextSource> m_source;
    std::unique_ptr<ByteSink> m_sink;
    Encoding m_encoding = Encoding::Utf8;
    std::u16string m_buffer;
    size_t m_pos = 0;
    bool m_done = false;
    bool m_closed = false;
    bool m_pendingCr = false; // last counted character was CR
    int32_t m_line = 1;
    int32_t m_column = 1;
};

// The whole text of file bytes: format -1 reads UTF-16 LE (a byte-order mark
// skipped); otherwise the script decoder.
std::u16string decodeFileText(std::string_view bytes, int format);

// A source over text already decoded.
std::unique_ptr<TextSource> textSource(std::u16string text);
// A source reading lines of the process's standard input.
std::unique_ptr<TextSource> stdinSource();
// A sink writing to a C stream (stdout, stderr), not closing it.
std::unique_ptr<ByteSink> stdioSink(std::FILE* stream);
// A sink writing to a file descriptor it owns.
std::unique_ptr<ByteSink> fdSink(int fd);

} // namespace vorna::scripting
