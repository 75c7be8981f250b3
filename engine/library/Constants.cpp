// The language's named constants. Each keeps its documented subtype: the
// colours and vbObjectError are Long, the string constants Strings, and the
// rest Integer where they fit (as a literal of the same value would be).
#include "library/Builtins.h"

#include <vector>

namespace vbs {

namespace {

BuiltinConstant text(std::u16string_view name, std::u16string_view value)
{
    return { name, Variant::fromString(Str(value)) };
}

BuiltinConstant number(std::u16string_view name, int32_t value)
{
    if (value >= INT16_MIN && value <= INT16_MAX)
        return { name, Variant::fromInteger(int16_t(value)) };
    return { name, Variant::fromLong(value) };
}

BuiltinConstant colour(std::u16string_view name, int32_t value)
{
    return { name, Variant::fromLong(value) };
}

std::vector<BuiltinConstant> stringAndColourConstants()
{
    return {
        text(u"vbCr", u"\r"), text(u"vbLf", u"\n"), text(u"vbCrLf", u"\r\n"),
        text(u"vbNewLine", u"\r\n"), text(u"vbTab", u"\t"),
        text(u"vbNullChar", std::u16string_view(u"\0", 1)), text(u"vbNullString", u""),
        text(u"vbFormFeed", u"\f"), text(u"vbVerticalTab", u"\v"),
        colour(u"vbBlack", 0x000000), colour(u"vbRed", 0x0000FF), colour(u"vbGreen", 0x00FF00),
        colour(u"vbYellow", 0x00FFFF), colour(u"vbBlue", 0xFF0000), colour(u"vbMagenta", 0xFF00FF),
        colour(u"vbCyan", 0xFFFF00), colour(u"vbWhite", 0xFFFFFF),
        colour(u"vbObjectError", ObjectErrorBase),
    };
}

std::vector<BuiltinConstant> messageBoxConstants()
{
    return {
        number(u"vbOKOnly", 0), number(u"vbOKCancel", 1), number(u"vbAbortRetryIgnore", 2),
        number(u"vbYesNoCancel", 3), number(u"vbYesNo", 4), number(u"vbRetryCancel", 5),
        number(u"vbCritical", 16), number(u"vbQuestion", 32), number(u"vbExclamation", 48),
        number(u"vbInformation", 64), number(u"vbDefaultButton1", 0), number(u"vbDefaultButton2", 256),
        number(u"vbDefaultButton3", 512), number(u"vbDefaultButton4", 768),
        number(u"vbApplicationModal", 0), number(u"vbSystemModal", 4096),
        number(u"vbMsgBoxHelpButton", 16384), number(u"vbMsgBoxSetForeground", 65536),
        number(u"vbMsgBoxRight", 524288), number(u"vbMsgBoxRtlReading", 1048576),
        number(u"vbOK", 1), number(u"vbCancel", 2), number(u"vbAbort", 3), number(u"vbRetry", 4),
        number(u"vbIgnore", 5), number(u"vbYes", 6), number(u"vbNo", 7),
    };
}

std::vector<BuiltinConstant> compareAndDateConstants()
{
    return {
        number(u"vbBinaryCompare", 0), number(u"vbTextCompare", 1), number(u"vbDatabaseCompare", 2),
        number(u"vbUseSystemDayOfWeek", 0), number(u"vbSunday", 1), number(u"vbMonday", 2),
        number(u"vbTuesday", 3), number(u"vbWednesday", 4), number(u"vbThursday", 5),
        number(u"vbFriday", 6), number(u"vbSaturday", 7), number(u"vbUseSystem", 0),
        number(u"vbFirstJan1", 1), number(u"vbFirstFourDays", 2), number(u"vbFirstFullWeek", 3),
        number(u"vbGeneralDate", 0), number(u"vbLongDate", 1), number(u"vbShortDate", 2),
        number(u"vbLongTime", 3), number(u"vbShortTime", 4),
        number(u"vbUseDefault", -2), number(u"vbTrue", -1), number(u"vbFalse", 0),
    };
}

std::vector<BuiltinConstant> varTypeConstants()
{
    return {
        number(u"vbEmpty", 0), number(u"vbNull", 1), number(u"vbInteger", 2), number(u"vbLong", 3),
        number(u"vbSingle", 4), number(u"vbDouble", 5), number(u"vbCurrency", 6), number(u"vbDate", 7),
        number(u"vbString", 8), number(u"vbObject", 9), number(u"vbError", 10), number(u"vbBoolean", 11),
        number(u"vbVariant", 12), number(u"vbDataObject", 13), number(u"vbDecimal", 14),
        number(u"vbByte", 17), number(u"vbArray", 8192),
    };
}

std::vector<BuiltinConstant> allConstants()
{
    std::vector<BuiltinConstant> all;
    for (auto group : { stringAndColourConstants(), messageBoxConstants(), compareAndDateConstants(),
                        varTypeConstants() })
        all.insert(all.end(), group.begin(), group.end());
    return all;
}

} // namespace

std::span<const BuiltinConstant> builtinConstants()
{
    static const std::vector<BuiltinConstant> all = allConstants();
    return all;
}

} // namespace vbs
