// Error table look-up and construction of the standard errors.
#include "runtime/Error.h"

namespace vbs {

ScriptError::~ScriptError() = default;

const char* errorDescription(int32_t number) noexcept
{
    switch (number) {
#define M(id, num, text) \
    case num:            \
        return text;
#include "runtime/ErrorTable.def"
#undef M
    default:
        return nullptr;
    }
}

bool isCompilationError(int32_t number) noexcept { return number >= 1001 && number <= 1099; }

ScriptError makeError(ErrorCode code, std::u16string_view name)
{
    const int32_t number = errorNumber(code);
    const char* text = errorDescription(number);
    Str description = Str::fromAscii(text ? text : "Unknown runtime error");
    const size_t bare = description.size();
    if (!name.empty()) {
        // An over-long name only loses its suffix; the error itself survives.
        if (description.append(u": '"))
            (void)(description.append(name) && description.append(u"'"));
    }
    ScriptError e;
    e.nameSuffix = static_cast<uint32_t>(description.size() - bare);
    e.number = number;
    e.description = std::move(description);
    return e;
}

ScriptError makeError(int32_t number, Str description, Str source)
{
    ScriptError e;
    e.number = number;
    e.description = std::move(description);
    e.source = std::move(source);
    return e;
}

} // namespace vbs
