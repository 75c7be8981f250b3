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

template <class R> int errorNumber(const R& r) { return r.ok() ? 0 : r.error().number; }

struct Fixture : ::testing::Test {
    Fixture()
    {
        EXPECT_TRUE(engine.addObject(u"Out", out, AddMembers::Yes).ok());
        engine.setErrorHandler([this](const ScriptError& e) { events.push_back(e); });
    }
    Ref<FakeHost> addHost(AddMembers members = AddMembers::No)
    {
        Ref<FakeHost> host(new FakeHost);
        EXPECT_TRUE(engine.addObject(u"Host", host, members).ok());
        return host;
    }
    // What the code wrote, one '|' per line, then "error N" if it failed.
    std::string run(std::u16string_view code)
    {
        out->lines.clear();
        Status st = engine.addCode(code);
        std::string s;
        for (const std::string& line : out->lines)
            s += (s.empty() ? "" : "|") + line;
        return st.ok() ? s : s + (s.empty() ? "" : "|") + "error " + std::to_string(st.error().number);
    }
    void expectUncatchable(std::u16string_view code)
    {
        Status st = engine.addCode(code);
        ASSERT_FALSE(st.ok());
        EXPECT_TRUE(st.error().uncatchable);
    }

    ScriptEngine engine;
    Ref<Output> out { new Output };
    std::vector<ScriptError> events;
};

class StopSite : public ScriptSite {
public:
    bool stopOnTimeout() override { return ++asked >= stopAfter; }
    int asked = 0;
    int stopAfter = 1;
};

} // namespace

TEST_F(Fixture, AddObjectReachesMembersAndRefusesTakenNames)
{
    addHost(AddMembers::Yes);
    // A bare member assigned at script level is the member, not a new variable.
    EXPECT_EQ(run(u"WriteLine Host.Value + Echo(1)\nHost.Value = 3\nWriteLine Value\nWriteLine Host\n"
                  u"Value = 4\nWriteLine Host.Value"),
              "8|3|3|4");
    EXPECT_EQ(errorNumber(engine.addObject(u"host", Ref<Object>(new FakeHost))), 1041);
    EXPECT_TRUE(events.empty()); // a refusal is not a script error
}

TEST_F(Fixture, LetOnAnAddedObjectPutsItsDefaultButReplacesAVariable)
{
    addHost();
    EXPECT_EQ(run(u"Host = 9\nWriteLine Host.Value\nSet h = Host\nh = 5\nWriteLine TypeName(h) & Host.Value"),
              "9|Integer9");
}

TEST_F(Fixture, NamesAddedLaterAreFoundByEarlierCode)
{
    ASSERT_TRUE(engine.addCode(u"Sub UseLater()\n WriteLine Later.Echo(\"late\")\nEnd Sub").ok());
    EXPECT_EQ(errorNumber(engine.run(u"UseLater")), 424); // not there yet
    EXPECT_EQ(events.size(), 1u);
    ASSERT_TRUE(engine.addObject(u"Later", Ref<Object>(new FakeHost)).ok());
    ASSERT_TRUE(engine.run(u"UseLater").ok());
    EXPECT_EQ(out->lines.back(), "late");
}

TEST_F(Fixture, RunPassesArgumentsAndRefusesMissingProcedures)
{
    ASSERT_TRUE(engine.addCode(u"Function Add(a, b)\n Add = a + b\nEnd Function").ok());
    Variant args[] = { Variant::fromLong(2), Variant::fromLong(40) };
    auto r = engine.run(u"add", args);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.value().asLong(), 42);
    EXPECT_EQ(errorNumber(engine.run(u"Nope_Click")), 35);
    EXPECT_TRUE(events.empty());
}

TEST_F(Fixture, ErrorEventCarriesPositionAndText)
{
    EXPECT_EQ(run(u"x = 1\n' comment\n  y = x / 0\nWriteLine \"not reached\""), "error 11");
    ASSERT_EQ(events.size(), 1u);
    const ScriptError& e = events[0];
    EXPECT_EQ(e.source.toUtf8() + ", " + std::to_string(e.line) + ":" + std::to_string(e.column) + " ["
                  + e.lineText.toUtf8() + "] " + e.description.toUtf8(),
              "VBScript runtime error, 3:2 [  y = x / 0] Division by zero");
    EXPECT_EQ(engine.lastError().number, 11);
    // A syntax error runs nothing.
    EXPECT_EQ(run(u"WriteLine 1\nWriteLine 2\nIf x Then\n").substr(0, 6), "error ");
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[1].source.view(), CompileErrorSource);
}

TEST_F(Fixture, HostErrorsReachScriptsWithTheirOwnNumbers)
{
    addHost();
    EXPECT_EQ(run(u"On Error Resume Next\nHost.Fail\n"
                  u"WriteLine Err.Number & \" \" & Err.Description & \" \" & Err.Source\n"
                  u"Host.Nope\nWriteLine Err.Number"),
              "5000 host failure FakeHost|438");
}

TEST_F(Fixture, EvalAndExecuteStatementShareTheGlobalScope)
{
    ASSERT_TRUE(engine.executeStatement(u"Dim counter : counter = 41").ok());
    ASSERT_TRUE(engine.executeStatement(u"counter = counter + 1").ok());
    auto r = engine.eval(u"counter & \"!\"");
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.value().stringView(), u"42!");
    EXPECT_FALSE(engine.eval(u"counter +").ok());
    EXPECT_EQ(events.size(), 1u);
}

TEST_F(Fixture, ByRefArgumentsReachHostMembers)
{
    addHost();
    EXPECT_EQ(run(u"Dim s : s = \"old\"\nHost.SetArg s\nWriteLine s\nHost.SetArg (s)\n"
                  u"Dim a(1)\nHost.SetArg a(1)\nWriteLine a(1)"),
              "written|written");
}

TEST_F(Fixture, TimeoutStopsCodeThatOnErrorCannotCatch)
{
    StopSite site;
    site.stopAfter = 2;
    engine.setSite(&site);
    engine.setTimeout(20);
    expectUncatchable(u"On Error Resume Next\nDo\nLoop\nWriteLine \"after\"");
    EXPECT_EQ(site.asked, 2); // asked once, told to go on, asked again
    EXPECT_TRUE(out->lines.empty());
    EXPECT_EQ(events.size(), 1u);
    engine.setTimeout(0);
    EXPECT_EQ(run(u"WriteLine \"usable\""), "usable");
}

// A loop whose test fails under Resume Next goes on into its body, at the end
// as at the top: no jump back runs, yet the time-out still stops it.
TEST_F(Fixture, TimeoutStopsLoopsWhoseTestFails)
{
    StopSite site;
    engine.setSite(&site);
    engine.setTimeout(20);
    for (const char16_t* loop : { u"Do While 1 / 0\nLoop", u"Do Until CInt(\"x\")\nLoop", u"While Undefined(1)\nWend" })
        expectUncatchable(std::u16string(u"On Error Resume Next\n") + loop);
    engine.setTimeout(0);
}

TEST_F(Fixture, InterruptFromAHostCallStopsTheScript)
{
    addHost()->onCall = [this](Args) -> Result<Variant> {
        engine.interrupt();
        return Variant();
    };
    expectUncatchable(u"On Error Resume Next\nHost.Call\nDo\nLoop");
}

// From a click procedure (the host's run call); limits.vbs covers the rest.
TEST_F(Fixture, DeepRecursionIsOutOfStackSpace)
{
    ASSERT_TRUE(engine.addCode(u"Function Down(n)\n Down = Down(n + 1)\nEnd Function").ok());
    EXPECT_EQ(errorNumber(engine.run(u"Down", std::vector<Variant> { Variant::fromLong(1) })), 28);
    EXPECT_EQ(run(u"WriteLine \"usable\""), "usable");
}

TEST_F(Fixture, HostMethodMayReenterTheEngine)
{
    Ref<FakeHost> host = addHost();
    host->engine = &engine;
    EXPECT_EQ(run(u"reentered = 10\nHost.Reenter\nWriteLine reentered"), "11");
    EXPECT_TRUE(host->reentered);
}

TEST_F(Fixture, HostsCanCallClassInstances)
{
    Ref<FakeHost> host = addHost();
    ASSERT_EQ(run(u"Class Greeter\n Public Function Hello(n)\n Hello = \"hi \" & n\n End Function\n"
                  u" Private Sub Hidden()\n End Sub\nEnd Class\nHost.Keep New Greeter"),
              "");
    ASSERT_TRUE(host->kept.isObject());
    Object* obj = host->kept.asObject();
    EXPECT_EQ(obj->typeName().view(), u"Greeter");
    Variant arg = Variant::fromString(std::u16string_view(u"host"));
    auto r = obj->invoke(obj->memberId(u"HELLO"), InvokeKind::Method, Args(&arg, 1));
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.value().stringView(), u"hi host");
    EXPECT_EQ(obj->memberId(u"Hidden"), DispIdUnknown);
}

// A Class_Terminate drops its own errors, but not the time-out's stop: the
// code around it must not go on, not even a short loop. Twice makes an
// exponential chain, Refill an endless one.
TEST_F(Fixture, TimeoutStopsTerminateChainsWhileRunning)
{
    StopSite site;
    engine.setSite(&site);
    engine.setTimeout(20);
    ASSERT_TRUE(engine.addCode(u"Class Twice\n Sub Class_Terminate()\n Dim a, b\n Set a = New Twice : Set b = New Twice\n"
                               u" End Sub\nEnd Class\nClass Refill\n Public Other\n Sub Class_Terminate()\n"
                               u" Set Other = New Refill\n End Sub\nEnd Class")
                    .ok());
    for (const char16_t* chain : { u"Set x = New Twice : Set x = Nothing",
                                   u"Set x = New Refill : Set x = Nothing" })
        expectUncatchable(std::u16string(u"On Error Resume Next\nFor i = 1 To 3 : Next\n") + chain
                          + u"\nFor i = 1 To 10 : n = n + 1 : Next\nWriteLine n\nDo : Loop");
    EXPECT_TRUE(out->lines.empty());
    engine.setTimeout(0);
    EXPECT_EQ(run(u"WriteLine \"usable\""), "usable");
}

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
    EXPECT_EQ(run(u"Set h = CreateObject(\"TEST.host\")\nWriteLine h.Value\n"
                  u"WriteLine TypeName(CreateObject(\"Scripting.Dictionary\"))"),
              "7|Dictionary");
    EXPECT_EQ(made, 1);
    engine.registerClass(u"test.HOST",
                         []() -> Result<Ref<Object>> { return fail(ErrorCode::PermissionDenied); });
    EXPECT_EQ(run(u"Set h = CreateObject(\"Test.Host\")"), "error 70");
    ScriptEngine other;
    EXPECT_EQ(errorNumber(other.createObject(u"Test.Host")), 429);
    EXPECT_TRUE(other.createObject(u"VBScript.RegExp").ok());
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
    host->onCall = nullptr; // it refers to the closed engine
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

// A procedure reference, the Err object and a class instance, each kept by a
// host object, fail cleanly once the engine has closed.
TEST(EngineLifetime, ObjectsKeptByTheHostOutliveTheEngineSafely)
{
    Ref<FakeHost> hosts[] = { makeRef<FakeHost>(), makeRef<FakeHost>(), makeRef<FakeHost>() };
    {
        ScriptEngine engine;
        for (char16_t i = 0; i < 3; ++i)
            ASSERT_TRUE(engine.addObject(std::u16string(u"Host") + char16_t(u'0' + i), hosts[i]).ok());
        ASSERT_TRUE(engine.addCode(u"Sub Handler()\nEnd Sub\nClass C\n Sub M()\n End Sub\nEnd Class\n"
                                   u"Host0.Keep GetRef(\"Handler\")\nHost1.Keep Err\nHost2.Keep New C")
                        .ok());
        ASSERT_TRUE(hosts[0]->kept.isObject());
        EXPECT_TRUE(hosts[0]->kept.asObject()->invoke(DispIdValue, InvokeKind::Method, {}).ok());
    }
    for (const Ref<FakeHost>& h : hosts) {
        ASSERT_TRUE(h->kept.isObject());
        Object* obj = h->kept.asObject();
        DispId m = obj->memberId(u"M");
        EXPECT_FALSE(obj->invoke(m == DispIdUnknown ? DispIdValue : m, InvokeKind::Method, {}).ok());
    }
}

} // namespace vbs::test
