// The host interface: objects, late names, Run, the error event, Eval and
// ExecuteStatement, time-out and interrupt, deep recursion, re-entrancy.
#include "FakeHost.h"
#include "runtime/Convert.h"

#include <gtest/gtest.h>

namespace vbs::test {

std::string Output::toStr(const Variant& v)
{
    auto s = toString(v);
    return s.ok() ? s.value().toUtf8() : "<error>";
}

namespace {

struct Fixture : ::testing::Test {
    Fixture()
    {
        out = Ref<Output>(new Output);
        EXPECT_TRUE(engine.addObject(u"Out", out, AddMembers::Yes).ok());
        engine.setErrorHandler([this](const ScriptError& e) { events.push_back(e); });
    }
    std::vector<std::string>& lines() { return out->lines; }

    ScriptEngine engine;
    Ref<Output> out;
    std::vector<ScriptError> events;
};

class StopSite : public ScriptSite {
public:
    bool stopOnTimeout() override
    {
        ++asked;
        return asked >= stopAfter;
    }
    int asked = 0;
    int stopAfter = 1;
};

} // namespace

TEST_F(Fixture, AddObjectReachesMembersAndRefusesTakenNames)
{
    Ref<FakeHost> host(new FakeHost);
    ASSERT_TRUE(engine.addObject(u"Host", host, AddMembers::Yes).ok());
    ASSERT_TRUE(engine.addCode(u"WriteLine Host.Value + Echo(1)\nHost.Value = 3\nWriteLine Value\nWriteLine Host\n"
                               u"Value = 4\nWriteLine Host.Value").ok());
    // A bare member assigned at script level is the member, not a new variable.
    EXPECT_EQ(lines(), (std::vector<std::string> { "8", "3", "3", "4" }));

    Status again = engine.addObject(u"host", Ref<Object>(new FakeHost));
    ASSERT_FALSE(again.ok());
    EXPECT_EQ(again.error().number, 1041);
    EXPECT_TRUE(events.empty()); // a refusal is not a script error
}

TEST_F(Fixture, LetOnAnAddedObjectPutsItsDefaultButReplacesAVariable)
{
    Ref<FakeHost> host(new FakeHost);
    ASSERT_TRUE(engine.addObject(u"Host", host).ok());
    ASSERT_TRUE(engine.addCode(u"Host = 9\nWriteLine Host.Value\nSet h = Host\nh = 5\nWriteLine TypeName(h) & Host.Value").ok());
    EXPECT_EQ(lines(), (std::vector<std::string> { "9", "Integer9" }));
}

TEST_F(Fixture, NamesAddedLaterAreFoundByEarlierCode)
{
    ASSERT_TRUE(engine.addCode(u"Sub UseLater()\n WriteLine Later.Echo(\"late\")\nEnd Sub").ok());
    EXPECT_FALSE(engine.run(u"UseLater").ok()); // not there yet: 424
    EXPECT_EQ(events.size(), 1u);
    ASSERT_TRUE(engine.addObject(u"Later", Ref<Object>(new FakeHost)).ok());
    ASSERT_TRUE(engine.run(u"UseLater").ok());
    EXPECT_EQ(lines().back(), "late");
}

TEST_F(Fixture, RunPassesArgumentsAndRefusesMissingProcedures)
{
    ASSERT_TRUE(engine.addCode(u"Function Add(a, b)\n Add = a + b\nEnd Function").ok());
    Variant args[] = { Variant::fromLong(2), Variant::fromLong(40) };
    auto r = engine.run(u"add", args);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.value().asLong(), 42);

    auto missing = engine.run(u"Nope_Click");
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().number, 35);
    EXPECT_TRUE(events.empty());
}

TEST_F(Fixture, ErrorEventCarriesPositionAndText)
{
    Status st = engine.addCode(u"x = 1\n' comment\n  y = x / 0\nWriteLine \"not reached\"");
    ASSERT_FALSE(st.ok());
    ASSERT_EQ(events.size(), 1u);
    const ScriptError& e = events[0];
    EXPECT_EQ(e.number, 11);
    EXPECT_EQ(e.source.view(), RuntimeErrorSource);
    EXPECT_EQ(e.line, 3);
    EXPECT_EQ(e.column, 2);
    EXPECT_EQ(e.lineText.view(), u"  y = x / 0");
    EXPECT_EQ(e.description.view(), u"Division by zero");
    EXPECT_EQ(engine.lastError().number, 11);
    EXPECT_TRUE(lines().empty());

    events.clear();
    ASSERT_FALSE(engine.addCode(u"WriteLine 1\nWriteLine 2\nIf x Then\n").ok());
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].source.view(), CompileErrorSource);
    EXPECT_TRUE(lines().empty()); // a syntax error runs nothing
}

TEST_F(Fixture, HostErrorsReachScriptsWithTheirOwnNumbers)
{
    ASSERT_TRUE(engine.addObject(u"Host", Ref<Object>(new FakeHost)).ok());
    ASSERT_TRUE(engine.addCode(u"On Error Resume Next\nHost.Fail\nWriteLine Err.Number & \" \" & Err.Description & \" \" & Err.Source\nHost.Nope\nWriteLine Err.Number").ok());
    EXPECT_EQ(lines(), (std::vector<std::string> { "5000 host failure FakeHost", "438" }));
}

TEST_F(Fixture, EvalAndExecuteStatementShareTheGlobalScope)
{
    ASSERT_TRUE(engine.executeStatement(u"Dim counter : counter = 41").ok());
    ASSERT_TRUE(engine.executeStatement(u"counter = counter + 1").ok());
    auto r = engine.eval(u"counter & \"!\"");
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.value().stringView(), u"42!");
    auto bad = engine.eval(u"counter +");
    EXPECT_FALSE(bad.ok());
    EXPECT_EQ(events.size(), 1u);
}

TEST_F(Fixture, ByRefArgumentsReachHostMembers)
{
    ASSERT_TRUE(engine.addObject(u"Host", Ref<Object>(new FakeHost)).ok());
    ASSERT_TRUE(engine.addCode(u"Dim s : s = \"old\"\nHost.SetArg s\nWriteLine s\nHost.SetArg (s)\nDim a(1)\nHost.SetArg a(1)\nWriteLine a(1)").ok());
    EXPECT_EQ(lines(), (std::vector<std::string> { "written", "written" }));
}

TEST_F(Fixture, TimeoutStopsCodeThatOnErrorCannotCatch)
{
    StopSite site;
    site.stopAfter = 2;
    engine.setSite(&site);
    engine.setTimeout(20);
    Status st = engine.addCode(u"On Error Resume Next\nDo\nLoop\nWriteLine \"after\"");
    ASSERT_FALSE(st.ok());
    EXPECT_TRUE(st.error().uncatchable);
    EXPECT_EQ(site.asked, 2); // asked once, told to go on, asked again
    EXPECT_TRUE(lines().empty());
    ASSERT_EQ(events.size(), 1u);

    engine.setTimeout(0);
    EXPECT_TRUE(engine.addCode(u"WriteLine \"usable\"").ok());
    EXPECT_EQ(lines().back(), "usable");
}

TEST_F(Fixture, InterruptFromAHostCallStopsTheScript)
{
    Ref<FakeHost> host(new FakeHost);
    host->onCall = [this](Args) -> Result<Variant> {
        engine.interrupt();
        return Variant();
    };
    ASSERT_TRUE(engine.addObject(u"Host", host).ok());
    Status st = engine.addCode(u"On Error Resume Next\nHost.Call\nDo\nLoop");
    ASSERT_FALSE(st.ok());
    EXPECT_TRUE(st.error().uncatchable);
}

// From a click procedure (the host's run call); limits.vbs covers the rest.
TEST_F(Fixture, DeepRecursionIsOutOfStackSpace)
{
    ASSERT_TRUE(engine.addCode(u"Function Down(n)\n Down = Down(n + 1)\nEnd Function").ok());
    auto click = engine.run(u"Down", std::vector<Variant> { Variant::fromLong(1) });
    ASSERT_FALSE(click.ok());
    EXPECT_EQ(click.error().number, 28);
    EXPECT_TRUE(engine.addCode(u"WriteLine \"usable\"").ok());
}

TEST_F(Fixture, HostMethodMayReenterTheEngine)
{
    Ref<FakeHost> host(new FakeHost);
    host->engine = &engine;
    ASSERT_TRUE(engine.addObject(u"Host", host).ok());
    ASSERT_TRUE(engine.addCode(u"reentered = 10\nHost.Reenter\nWriteLine reentered").ok());
    EXPECT_TRUE(host->reentered);
    EXPECT_EQ(lines(), (std::vector<std::string> { "11" }));
}

TEST_F(Fixture, HostsCanCallClassInstances)
{
    Ref<FakeHost> host(new FakeHost);
    ASSERT_TRUE(engine.addObject(u"Host", host).ok());
    ASSERT_TRUE(engine.addCode(u"Class Greeter\n Public Function Hello(n)\n Hello = \"hi \" & n\n End Function\n"
                               u" Private Sub Hidden()\n End Sub\nEnd Class\nHost.Keep New Greeter")
                    .ok());
    ASSERT_TRUE(host->kept.isObject());
    Object* obj = host->kept.asObject();
    EXPECT_EQ(obj->typeName().view(), u"Greeter");
    DispId id = obj->memberId(u"HELLO");
    ASSERT_NE(id, DispIdUnknown);
    Variant arg = Variant::fromString(std::u16string_view(u"host"));
    auto r = obj->invoke(id, InvokeKind::Method, Args(&arg, 1));
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.value().stringView(), u"hi host");
    EXPECT_EQ(obj->memberId(u"Hidden"), DispIdUnknown);
}

// A Class_Terminate drops its own errors, but not the time-out's stop: the
// code around it must not go on. Twice makes an exponential chain, Refill an
// endless one.
TEST_F(Fixture, TimeoutStopsTerminateChainsWhileRunning)
{
    StopSite site;
    engine.setSite(&site);
    engine.setTimeout(20);
    ASSERT_TRUE(engine.addCode(u"Class Twice\n Sub Class_Terminate()\n Dim a, b\n Set a = New Twice : Set b = New Twice\n"
                               u" End Sub\nEnd Class\nClass Refill\n Public Other\n Sub Class_Terminate()\n"
                               u" Set Other = New Refill\n End Sub\nEnd Class")
                    .ok());
    for (const char16_t* chain : { u"Set x = New Twice : Set x = Nothing", u"Set x = New Refill : Set x = Nothing" }) {
        Status st = engine.addCode(std::u16string(u"On Error Resume Next\n") + chain + u"\nDo : Loop");
        ASSERT_FALSE(st.ok());
        EXPECT_TRUE(st.error().uncatchable);
    }
    engine.setTimeout(0);
    EXPECT_TRUE(engine.addCode(u"WriteLine \"usable\"").ok());
}

// Teardown runs Class_Terminate under the time-out and the interrupt like a
// host call; the engine finishes closing either way.
TEST(EngineLifetime, TimeoutAndInterruptStopTerminatesAtClose)
{
    Ref<Output> out(new Output);
    auto script = [](std::u16string_view call) {
        return u"Class Spin\n Public Name\n Sub Class_Terminate()\n WriteLine \"spin \" & Name\n "
            + std::u16string(call) + u"\n Do : Loop\n End Sub\nEnd Class\n"
                                     u"Set a = New Spin : a.Name = \"a\"\nSet b = New Spin : b.Name = \"b\"";
    };
    StopSite site;
    {
        ScriptEngine engine;
        engine.setSite(&site);
        engine.setTimeout(20);
        ASSERT_TRUE(engine.addObject(u"Out", out, AddMembers::Yes).ok());
        ASSERT_TRUE(engine.addCode(script(u"")).ok());
    }
    EXPECT_EQ(site.asked, 1);
    EXPECT_EQ(out->lines, (std::vector<std::string> { "spin a" })); // the stop holds for the rest of teardown

    Ref<FakeHost> host(new FakeHost);
    out->lines.clear();
    {
        ScriptEngine engine;
        host->onCall = [&engine](Args) -> Result<Variant> {
            engine.interrupt();
            return Variant();
        };
        ASSERT_TRUE(engine.addObject(u"Out", out, AddMembers::Yes).ok());
        ASSERT_TRUE(engine.addObject(u"Host", host).ok());
        ASSERT_TRUE(engine.addCode(script(u"Host.Call")).ok());
    }
    EXPECT_EQ(out->lines, (std::vector<std::string> { "spin a" }));
    host->onCall = nullptr;
    EXPECT_EQ(out->lines, (std::vector<std::string> { "spin a" }));
}

TEST(EngineLifetime, ClosingTerminatesRemainingInstances)
{
    Ref<Output> out(new Output);
    {
        ScriptEngine engine;
        ASSERT_TRUE(engine.addObject(u"Out", out, AddMembers::Yes).ok());
        ASSERT_TRUE(engine.addCode(u"Class Node\n Public Other, Name\n Sub Class_Terminate()\n WriteLine \"bye \" & Name\n End Sub\nEnd Class\n"
                                   u"Set a = New Node : a.Name = \"a\"\nSet b = New Node : b.Name = \"b\"\n"
                                   u"Set a.Other = b : Set b.Other = a\nSet a = Nothing : Set b = Nothing")
                        .ok());
        EXPECT_TRUE(out->lines.empty());
    }
    EXPECT_EQ(out->lines, (std::vector<std::string> { "bye a", "bye b" }));
}

} // namespace vbs::test

namespace vbs::test {

TEST(EngineLifetime, ObjectsKeptByTheHostOutliveTheEngineSafely)
{
    Ref<FakeHost> host(new FakeHost);
    Ref<FakeHost> errHost(new FakeHost);
    Ref<FakeHost> instHost(new FakeHost);
    {
        ScriptEngine engine;
        ASSERT_TRUE(engine.addObject(u"Host", host).ok());
        ASSERT_TRUE(engine.addObject(u"ErrHost", errHost).ok());
        ASSERT_TRUE(engine.addObject(u"InstHost", instHost).ok());
        ASSERT_TRUE(engine.addCode(u"Sub Handler()\nEnd Sub\nClass C\n Sub M()\n End Sub\nEnd Class\n"
                                   u"Host.Keep GetRef(\"Handler\")\nErrHost.Keep Err\nInstHost.Keep New C")
                        .ok());
        ASSERT_TRUE(host->kept.isObject());
        EXPECT_TRUE(host->kept.asObject()->invoke(DispIdValue, InvokeKind::Method, {}).ok());
    }
    for (FakeHost* h : { host.get(), errHost.get(), instHost.get() }) {
        ASSERT_TRUE(h->kept.isObject());
        Object* obj = h->kept.asObject();
        EXPECT_FALSE(obj->invoke(obj->memberId(u"M") == DispIdUnknown ? DispIdValue : obj->memberId(u"M"),
                                 InvokeKind::Method, {})
                         .ok());
    }
}

} // namespace vbs::test

namespace vbs::test {

// CreateObject's registry belongs to one engine: a class registered on one is
// unknown (429) to another, ids match in any letter case, a later
// registration replaces, and the standard classes stay.
TEST_F(Fixture, RegisteredClassesAreTheEnginesOwn)
{
    int made = 0;
    engine.registerClass(u"Test.Host", [&made]() -> Result<Ref<Object>> {
        ++made;
        return Ref<Object>(new FakeHost);
    });
    ASSERT_TRUE(engine.addCode(u"Set h = CreateObject(\"TEST.host\")\nWriteLine h.Value\n"
                               u"WriteLine TypeName(CreateObject(\"Scripting.Dictionary\"))").ok());
    EXPECT_EQ(lines(), (std::vector<std::string> { "7", "Dictionary" }));
    EXPECT_EQ(made, 1);

    engine.registerClass(u"test.HOST", []() -> Result<Ref<Object>> { return fail(ErrorCode::PermissionDenied); });
    ASSERT_FALSE(engine.executeStatement(u"Set h = CreateObject(\"Test.Host\")").ok());
    EXPECT_EQ(events.back().number, 70);

    ScriptEngine other;
    auto r = other.createObject(u"Test.Host");
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().number, 429);
    EXPECT_TRUE(other.createObject(u"VBScript.RegExp").ok());
}

} // namespace vbs::test
