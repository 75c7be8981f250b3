// Errors as values. Every fallible operation returns Result<T>: a value, or a
// ScriptError carrying the language's number and description. The error lives
// behind a pointer so that a successful Result<Variant> stays small.
#pragma once

#include "runtime/Str.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <utility>

namespace vbs {

enum class ErrorCode : int32_t {
#define M(id, number, text) id = number,
#include "runtime/ErrorTable.def"
#undef M
};

// The table's description for a number, or nullptr when the number is not in it.
const char* errorDescription(int32_t number) noexcept;
inline int32_t errorNumber(ErrorCode code) noexcept { return static_cast<int32_t>(code); }
bool isCompilationError(int32_t number) noexcept; // 1001..1099

// HRESULT-style base of user errors (vbObjectError).
constexpr int32_t ObjectErrorBase = static_cast<int32_t>(0x80040000);

inline constexpr std::u16string_view RuntimeErrorSource = u"VBScript runtime error";
inline constexpr std::u16string_view CompileErrorSource = u"VBScript compilation error";

struct ScriptError {
    ScriptError() = default;
    ScriptError(const ScriptError&) = default;
    ScriptError(ScriptError&&) noexcept = default;
    ScriptError& operator=(const ScriptError&) = default;
    ScriptError& operator=(ScriptError&&) noexcept = default;
    // Out of line, so that the success path's empty error pointer costs a
    // test where it is destroyed, not a call.
    ~ScriptError();

    int32_t number = 0;
    Str source; // empty until the engine fills it in for reporting
    Str description;
    Str helpFile;
    int32_t helpContext = 0;
    int32_t line = 0; // 1-based within the added text; 0 when unknown
    int32_t column = 0; // 0-based, as the language reports it
    Str lineText; // the source line, for reports
    bool uncatchable = false; // time-out stop: On Error cannot swallow it
    // Length of the ": 'name'" that makeError appended to description: the
    // host's report shows it, Err.Description does not.
    uint32_t nameSuffix = 0;
    std::u16string_view bareDescription() const
    {
        return description.view().substr(0, description.size() - std::min<size_t>(nameSuffix, description.size()));
    }
};

// The standard error for a code, with ": 'name'" appended when name is given
// ("Variable is undefined: 'x'").
ScriptError makeError(ErrorCode code, std::u16string_view name = {});
ScriptError makeError(int32_t number, Str description, Str source = {});

struct ErrorTag {
    std::unique_ptr<ScriptError> error;
};
inline ErrorTag fail(ScriptError e) { return { std::make_unique<ScriptError>(std::move(e)) }; }
inline ErrorTag fail(ErrorCode code, std::u16string_view name = {}) { return fail(makeError(code, name)); }

template <class T>
class [[nodiscard]] Result {
public:
    Result(T value)
        : m_value(std::move(value))
    {
    }
    Result(ErrorTag tag)
        : m_error(std::move(tag.error))
    {
    }
    bool ok() const noexcept { return !m_error; }
    explicit operator bool() const noexcept { return ok(); }
    T& value() & { return m_value; }
    T&& value() && { return std::move(m_value); }
    const T& value() const& { return m_value; }
    T& operator*() & { return m_value; }
    T* operator->() { return &m_value; }
    const ScriptError& error() const { return *m_error; }
    ErrorTag takeError() { return { std::move(m_error) }; }

private:
    T m_value {};
    std::unique_ptr<ScriptError> m_error;
};

template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(ErrorTag tag)
        : m_error(std::move(tag.error))
    {
    }
    bool ok() const noexcept { return !m_error; }
    explicit operator bool() const noexcept { return ok(); }
    const ScriptError& error() const { return *m_error; }
    ErrorTag takeError() { return { std::move(m_error) }; }

private:
    std::unique_ptr<ScriptError> m_error;
};

using Status = Result<void>;

} // namespace vbs

// TRY(expr): evaluate a Result; on error return it from the enclosing function.
#define VBS_CONCAT2(a, b) a##b
#define VBS_CONCAT(a, b) VBS_CONCAT2(a, b)
#define TRY_STATUS(expr)                                   \
    do {                                                   \
        auto _vbs_r = (expr);                              \
        if (!_vbs_r.ok())                                  \
            return _vbs_r.takeError();                     \
    } while (0)
// TRY_ASSIGN(var, expr): declares `var` from a Result's value or returns its error.
#define TRY_ASSIGN(var, expr)                                       \
    auto VBS_CONCAT(_vbs_r_, __LINE__) = (expr);                    \
    if (!VBS_CONCAT(_vbs_r_, __LINE__).ok())                        \
        return VBS_CONCAT(_vbs_r_, __LINE__).takeError();           \
    auto var = std::move(VBS_CONCAT(_vbs_r_, __LINE__)).value()
