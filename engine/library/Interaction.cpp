// Functions that reach the host or describe the engine: MsgBox and InputBox
// (through the site), CreateObject/GetObject, RGB, the locale, the engine's
// name and version, LoadPicture.
#include "library/LibraryArgs.h"

#include <array>

namespace vbs {

namespace {

using namespace lib;

constexpr std::u16string_view DefaultTitle = u"VBScript";
constexpr int32_t EnglishUnitedStates = 1033;

// An optional text argument; `fallback` when omitted. Null 94.
Result<Str> optionalText(Args args, size_t i, std::u16string_view fallback)
{
    if (!present(args, i))
        return Str(fallback);
    TRY_ASSIGN(t, text(args, i));
    if (t.isNull())
        return nullUse();
    return t.str();
}

// MsgBox(prompt[, buttons[, title[, helpfile, context]]]) -> Integer: the
// button pressed (vbOK without a site). Prompt or title Null 94; buttons not a
// number 13. The help arguments are accepted and checked, not shown.
Result<Variant> msgBox(BuiltinContext& ctx, Args args)
{
    TRY_ASSIGN(prompt, optionalText(args, 0, u""));
    TRY_ASSIGN(buttons, longArg(args, 1, 0));
    TRY_ASSIGN(title, optionalText(args, 2, DefaultTitle));
    TRY_ASSIGN(helpFile, optionalText(args, 3, u""));
    TRY_ASSIGN(context, longArg(args, 4, 0));
    (void)helpFile;
    (void)context;
    int pressed = ctx.site() ? ctx.site()->messageBox(prompt, buttons, title) : 1;
    return Variant::fromInteger(int16_t(pressed));
}

// An optional position in twips; nullopt when omitted. Null 94.
Result<std::optional<int>> position(Args args, size_t i)
{
    if (!present(args, i))
        return std::optional<int>();
    TRY_ASSIGN(n, longArg(args, i, 0));
    return std::optional<int>(n);
}

// InputBox(prompt[, title[, default[, xpos[, ypos[, helpfile, context]]]]])
// -> String: the text entered, "" when cancelled; the default without a
// site. Text arguments Null 94; positions not numbers 13.
Result<Variant> inputBox(BuiltinContext& ctx, Args args)
{
    TRY_ASSIGN(prompt, optionalText(args, 0, u""));
    TRY_ASSIGN(title, optionalText(args, 1, DefaultTitle));
    TRY_ASSIGN(fallback, optionalText(args, 2, u""));
    TRY_ASSIGN(x, position(args, 3));
    TRY_ASSIGN(y, position(args, 4));
    TRY_ASSIGN(helpFile, optionalText(args, 5, u""));
    TRY_ASSIGN(context, longArg(args, 6, 0));
    (void)helpFile;
    (void)context;
    if (!ctx.site())
        return Variant::fromString(fallback);
    std::optional<Str> answer = ctx.site()->inputBox(prompt, title, fallback, x, y);
    return Variant::fromString(answer ? *answer : Str());
}

// CreateObject(servername.typename[, location]) -> Object: through the
// engine; an unknown class is 429. A remote location other than "" is 462.
Result<Variant> createObject(BuiltinContext& ctx, Args args)
{
    TRY_ASSIGN(progId, optionalText(args, 0, u""));
    TRY_ASSIGN(location, optionalText(args, 1, u""));
    if (!location.empty())
        return fail(ErrorCode::RemoteServerUnavailable);
    return ctx.createObject(progId.view());
}

// GetObject([pathname][, class]) -> Object: a pathname given as "" with a
// class makes a new instance of it, as CreateObject does (429 for an unknown
// class); anything else (a file, a running instance) goes to the engine. Null 94.
Result<Variant> getObject(BuiltinContext& ctx, Args args)
{
    TRY_ASSIGN(path, optionalText(args, 0, u""));
    TRY_ASSIGN(progId, optionalText(args, 1, u""));
    if (present(args, 0) && path.empty() && !progId.empty())
        return ctx.createObject(progId.view());
    return ctx.getObject(path.view(), progId.view());
}

// RGB(red, green, blue) -> Long red + green * 256 + blue * 65536: each part
// rounded half to even and clamped to 255; a negative part is 5, Null 94,
// not a number 13.
Result<Variant> rgb(BuiltinContext&, Args args)
{
    int32_t colour = 0;
    for (size_t i = 0; i < 3; ++i) {
        TRY_ASSIGN(part, longArg(args, i, 0));
        if (part < 0)
            return invalidArgument();
        colour |= std::min(part, 255) << (8 * i);
    }
    return Variant::fromLong(colour);
}

// GetLocale() -> Long: the locale id (always 1033, English - United States).
Result<Variant> getLocale(BuiltinContext& ctx, Args)
{
    return Variant::fromLong(ctx.locale);
}

bool isSupportedLocaleName(std::u16string_view name)
{
    static constexpr std::array<std::u16string_view, 5> Names = {
        u"en-us", u"en_us", u"en", u"english", u"english - united states",
    };
    for (std::u16string_view n : Names) {
        if (equalsIgnoreCase(n, name))
            return true;
    }
    return false;
}

// SetLocale(lcid) -> Long: the previous locale. Accepts 1033, the system and
// user defaults (0, 1024, 2048) and the names "en-us" ...; any other locale is
// refused with 5 rather than half supported. Null 94.
Result<Variant> setLocale(BuiltinContext& ctx, Args args)
{
    TRY_ASSIGN(v, value(args, 0));
    if (v.isNull())
        return nullUse();
    bool supported = false;
    if (v.isString()) {
        double number;
        supported = isSupportedLocaleName(v.stringView())
            || (parseNumber(v.stringView(), number) && number == EnglishUnitedStates);
    } else {
        TRY_ASSIGN(id, toLong(v));
        supported = id == EnglishUnitedStates || id == 0 || id == 1024 || id == 2048;
    }
    if (!supported) {
        return fail(makeError(errorNumber(ErrorCode::InvalidProcedureCall),
                              Str(u"Invalid procedure call or argument: 'SetLocale' (only locale 1033, "
                                  u"English - United States, is supported)")));
    }
    int32_t previous = ctx.locale;
    ctx.locale = EnglishUnitedStates;
    return Variant::fromLong(previous);
}

// ScriptEngine() -> "VBScript"; the version functions -> Long.
Result<Variant> scriptEngine(BuiltinContext&, Args) { return Variant::fromString(Str(u"VBScript")); }
Result<Variant> majorVersion(BuiltinContext&, Args) { return Variant::fromLong(5); }
Result<Variant> minorVersion(BuiltinContext&, Args) { return Variant::fromLong(8); }
Result<Variant> buildVersion(BuiltinContext&, Args) { return Variant::fromLong(100); }

// LoadPicture(picturename): there are no picture objects on this platform,
// so every call is 481 with a description saying so. Null 94.
Result<Variant> loadPicture(BuiltinContext&, Args args)
{
    TRY_ASSIGN(name, optionalText(args, 0, u""));
    (void)name;
    return fail(makeError(errorNumber(ErrorCode::InvalidPicture),
                          Str(u"Invalid picture: 'LoadPicture' (pictures are not supported on this platform)")));
}

} // namespace

std::span<const BuiltinFunction> interactionFunctions()
{
    static const BuiltinFunction table[] = {
        // Own errors (429 with the class name) pass through unnamed.
        { u"CreateObject", 1, 2, createObject },
        { u"GetObject", 0, 2, getObject },
        VBS_FN(GetLocale, 0, 0, getLocale),
        VBS_FN(InputBox, 1, 7, inputBox),
        VBS_FN(LoadPicture, 0, 1, loadPicture),
        VBS_FN(MsgBox, 1, 5, msgBox),
        VBS_FN(RGB, 3, 3, rgb),
        VBS_FN(ScriptEngine, 0, 0, scriptEngine),
        VBS_FN(ScriptEngineBuildVersion, 0, 0, buildVersion),
        VBS_FN(ScriptEngineMajorVersion, 0, 0, majorVersion),
        VBS_FN(ScriptEngineMinorVersion, 0, 0, minorVersion),
        VBS_FN(SetLocale, 1, 1, setLocale),
    };
    return table;
}

} // namespace vbs
