// libFuzzer target for the whole engine: each input is a script run by a
// fresh engine, then the engine is destroyed (teardown runs Class_Terminate
// code too). Caps: inputs of 16 KiB, the engine's own stack guard for depth,
// a 100 ms time-out that stops any loop, and libFuzzer's -rss_limit_mb and
// -malloc_limit_mb for memory (see tools/fuzz). Any crash, sanitizer report,
// leak or hang past libFuzzer's -timeout is a fault.
#include "ScriptEngine.h"
#include "runtime/Convert.h"

#include <cstdint>
#include <string_view>

namespace {

// Console's members, with the output converted and dropped.
class Sink final : public vbs::Object {
public:
    vbs::Str typeName() const override { return vbs::Str(u"Console"); }
    vbs::DispId memberId(std::u16string_view name) override
    {
        if (vbs::equalsIgnoreCase(name, u"WriteLine") || vbs::equalsIgnoreCase(name, u"Write"))
            return 1;
        return vbs::equalsIgnoreCase(name, u"ReadLine") ? 2 : vbs::DispIdUnknown;
    }
    vbs::Result<vbs::Variant> invoke(vbs::DispId id, vbs::InvokeKind, vbs::Args args) override
    {
        for (vbs::Variant& a : args) {
            if (auto text = vbs::toString(a.deref()); !text.ok())
                return text.takeError();
        }
        return id == 2 ? vbs::Variant::fromString(vbs::Str()) : vbs::Variant();
    }
};

class StopSite final : public vbs::ScriptSite {
    bool stopOnTimeout() override { return true; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 16384)
        return 0;
    std::u16string text = vbs::decodeScriptText(std::string_view(reinterpret_cast<const char*>(data), size));
    StopSite site;
    vbs::ScriptEngine engine;
    engine.setSite(&site);
    engine.setTimeout(100);
    (void)engine.addObject(u"Console", vbs::makeRef<Sink>(), vbs::AddMembers::Yes);
    if (engine.addCode(text).ok())
        (void)engine.run(u"OnClick"); // a host's later call into the script, when it defines one
    return 0;
}
