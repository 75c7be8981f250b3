// A host object for engine tests: answers a few members, fails on one, and
// records what it was asked.
#pragma once

#include "ScriptEngine.h"

#include <functional>
#include <string>
#include <vector>

namespace vbs::test {

class FakeHost : public Object {
public:
    enum Member : DispId { Value = 0, Echo = 1, Fail = 2, Reenter = 3, Keep = 4, SetArg = 5, Call = 6 };

    Str typeName() const override { return Str(u"FakeHost"); }
    DispId memberId(std::u16string_view name) override
    {
        static const std::u16string_view names[] = { u"Value", u"Echo", u"Fail", u"Reenter", u"Keep", u"SetArg", u"Call" };
        for (DispId i = 0; i < 7; ++i)
            if (equalsIgnoreCase(names[i], name))
                return i;
        asked.push_back("unknown " + utf16ToUtf8(name));
        return DispIdUnknown;
    }
    Result<Variant> invoke(DispId id, InvokeKind kind, Args args) override
    {
        asked.push_back("invoke " + std::to_string(id) + " kind " + std::to_string(int(kind)) + " args "
                        + std::to_string(args.size()));
        switch (id) {
        case Value:
            if (kind == InvokeKind::PropertyPut) {
                value = args.back().deref();
                return Variant();
            }
            return value;
        case Echo:
            return args.empty() ? Variant() : args[0].deref();
        case Fail:
            return fail(makeError(5000, Str(u"host failure"), Str(u"FakeHost")));
        case Reenter:
            if (engine)
                reentered = engine->executeStatement(u"reentered = reentered + 1").ok();
            return Variant();
        case Keep:
            kept = args.empty() ? Variant() : args[0].deref();
            return Variant();
        case SetArg:
            if (!args.empty() && args[0].isRef())
                args[0].deref() = Variant::fromString(std::u16string_view(u"written"));
            return Variant();
        case Call:
            return onCall ? onCall(args) : Variant();
        }
        return fail(ErrorCode::ObjectDoesntSupportMember);
    }

    std::vector<std::string> asked;
    Variant value = Variant::fromLong(7);
    Variant kept;
    ScriptEngine* engine = nullptr;
    bool reentered = false;
    std::function<Result<Variant>(Args)> onCall;
};

// Collects the script's output through a host object added with its members.
class Output : public Object {
public:
    Str typeName() const override { return Str(u"Output"); }
    DispId memberId(std::u16string_view name) override
    {
        return equalsIgnoreCase(name, u"WriteLine") ? 1 : DispIdUnknown;
    }
    Result<Variant> invoke(DispId, InvokeKind, Args args) override
    {
        lines.push_back(args.empty() ? "" : toStr(args[0].deref()));
        return Variant();
    }
    std::vector<std::string> lines;

private:
    static std::string toStr(const Variant& v);
};

} // namespace vbs::test
