// The host interface: every host call parses, compiles and runs through
// here, and every error that leaves script code unhandled is reported once,
// by the call it escapes from.
#include "ScriptEngine.h"

#include "automation/Dispatch.h"
#include "interpreter/Engine.h"
#include "runtime/Convert.h"
#include "syntax/Parser.h"

#include <algorithm>
#include <sys/resource.h>

namespace vbs {

namespace {

// The share of the thread's stack that nested script calls may use.
size_t stackBudget()
{
    rlimit rl {};
    size_t limit = 8u << 20;
    if (getrlimit(RLIMIT_STACK, &rl) == 0 && rl.rlim_cur != RLIM_INFINITY && rl.rlim_cur > 0)
        limit = std::min<size_t>(rl.rlim_cur, 64u << 20);
    // Keep a reserve for the library and host calls made at the deepest level.
    const size_t reserve = std::max<size_t>(limit / 4, 1u << 20);
    return limit > reserve ? limit - reserve : limit / 2;
}

} // namespace

ScriptEngine::Impl::Impl()
    : m_context(*this)
{
    m_errObject = makeErrObject(*this);
    m_stackBudget = stackBudget();
}

ScriptEngine::Impl::~Impl()
{
    shutdown();
}

// Teardown runs script code (Class_Terminate) under the same stack guard,
// time-out and interrupt as a host call. Globals are released in order (their
// Class_Terminate runs as usual), then every instance still alive (kept by a
// cycle) is terminated; then, with no more script allowed, instances and
// containers are emptied, which frees whatever the cycles kept.
void ScriptEngine::Impl::shutdown()
{
    ScriptEntry entry(*this);
    m_closing = true;
    auto& entries = m_globals.entries();
    // Script variables go first, so that Class_Terminate can still reach
    // the host's objects.
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].kind != GlobalEntry::Kind::Variable)
            continue;
        Variant old = std::move(entries[i].value);
        entries[i].value.clear();
        old.clear();
    }
    std::vector<Ref<ClassInstance>> live;
    for (ClassInstance* inst : m_instances)
        live.emplace_back(inst);
    std::sort(live.begin(), live.end(), [](const auto& a, const auto& b) { return a->serial < b->serial; });
    for (auto& inst : live)
        inst->runTerminate();
    // Whatever the terminates left behind is freed without running them.
    stopPolling();
    live.clear();
    for (ClassInstance* inst : m_instances)
        live.emplace_back(inst);
    std::vector<Ref<Object>> holders(m_holders.live.begin(), m_holders.live.end());
    for (auto& h : holders)
        h->setRegistry(nullptr);
    for (auto& inst : live) {
        inst->terminated = true;
        for (Variant& field : inst->fields())
            field.clear();
    }
    for (auto& h : holders)
        h->dropValues();
    holders.clear();
    for (ClassInstance* inst : m_instances)
        inst->detach();
    m_instances.clear();
    live.clear();
    for (auto& e : entries) {
        e.value.clear();
        e.object = nullptr;
    }
    m_globals.memberObjects().clear();
    detachBound(*this);
    m_errObject = nullptr;
}

// Runs a host call: the outermost one starts the clock and marks the stack;
// an unhandled error raises the error event before the call returns.
template <class F>
auto ScriptEngine::Impl::hostCall(F&& body) -> decltype(body())
{
    auto result = [&]() -> decltype(body()) {
        ScriptEntry entry(*this);
        auto r = body();
        // A stop that a Class_Terminate swallowed still ends the call.
        if (r.ok() && m_hostDepth == 1 && m_stopping)
            return stop().takeError();
        return r;
    }();
    if (!result.ok()) {
        auto tag = result.takeError();
        report(*tag.error);
        return tag;
    }
    return result;
}

void ScriptEngine::Impl::report(ScriptError& e)
{
    if (e.source.empty())
        e.source = Str(isCompilationError(e.number) ? CompileErrorSource : RuntimeErrorSource);
    m_lastError = e;
    if (m_handler)
        m_handler(e);
}

Result<std::unique_ptr<Code>> ScriptEngine::Impl::load(std::u16string_view text, const OuterScope* outer)
{
    TRY_ASSIGN(program, parseProgram(text));
    TRY_ASSIGN(unit, compileProgram(*program, m_globals, outer));
    commit(unit);
    return std::move(unit.topLevel);
}

// Defines what a compiled text declares. A procedure or class of a name
// already defined replaces it; code that is running keeps the old one.
void ScriptEngine::Impl::commit(CompiledUnit& unit)
{
    using K = GlobalEntry::Kind;
    for (const Str& name : unit.variables) {
        GlobalEntry* e = m_globals.find(name);
        if (!e) {
            m_globals.add(name, K::Variable);
        } else if (e->kind == K::Constant) {
            // A Dim in a later text shadows a constant: code compiled with
            // the constant keeps its value, later texts see a new variable.
            e->kind = K::Variable;
            e->value.clear();
        }
    }
    if (m_frameScope) {
        for (const Str& name : unit.frameVariables) {
            if (!m_frameScope->find(name.view()))
                m_frameScope->entries.emplace_back().name = name;
        }
    }
    for (auto& [name, value] : unit.constants) {
        GlobalEntry* e = m_globals.find(name);
        if (!e)
            e = &m_globals.add(name, K::Constant);
        e->kind = K::Constant;
        e->value = value;
    }
    for (auto& proc : unit.procs) {
        if (!proc->cls) {
            GlobalEntry* e = m_globals.find(proc->name);
            if (!e)
                e = &m_globals.add(proc->name, K::Procedure);
            e->kind = K::Procedure;
            e->proc = proc.get();
        }
        m_procs.push_back(std::move(proc));
    }
    for (auto& cls : unit.classes) {
        GlobalEntry* e = m_globals.find(cls->name);
        if (!e)
            e = &m_globals.add(cls->name, K::Class);
        e->kind = K::Class;
        e->cls = cls.get();
        m_classes.push_back(std::move(cls));
    }
}

Result<Variant> ScriptEngine::Impl::runTopLevel(const Code& code, Variant* outer, ClassInstance* me,
                                                const std::vector<std::u16string>* outerNames)
{
    TRY_STATUS(checkDepth());
    size_t n = static_cast<size_t>(code.slotCount + code.maxStack);
    ValueStack::Mark mark;
    Variant* slots = m_stack.allocate(n, mark);
    if (!slots)
        return fail(ErrorCode::OutOfStackSpace);
    Frame f;
    f.code = &code;
    f.slots = slots;
    f.outer = outer;
    f.outerNames = outerNames;
    f.me = me;
    ++m_callDepth;
    Status st = execute(f);
    --m_callDepth;
    Variant result;
    if (st.ok() && code.resultSlot >= 0)
        result = std::move(slots[code.resultSlot]);
    m_stack.release(slots, n, mark);
    if (!st.ok())
        return st.takeError();
    return result;
}

namespace {

// Text that does not parse is one error to the script, whatever the parser
// found; the error stays a compilation error.
template <class T>
Result<T> asCompilation(Result<T> r, bool parsing)
{
    if (r.ok())
        return r;
    ErrorTag tag = r.takeError();
    if (parsing) {
        ErrorCode code = ErrorCode::SyntaxError;
        if (tag.error->number == errorNumber(ErrorCode::OutOfMemory))
            code = ErrorCode::OutOfMemory;
        ScriptError e = makeError(code);
        e.line = tag.error->line;
        e.column = tag.error->column;
        e.lineText = tag.error->lineText;
        *tag.error = std::move(e);
    }
    if (isCompilationError(tag.error->number))
        tag.error->source = Str(CompileErrorSource);
    return tag;
}

} // namespace

// The text argument of Eval, Execute, ExecuteGlobal and GetRef: an object
// gives its default value; Eval passes Null and Empty through (absent), the
// others want a string.
Result<std::optional<Str>> ScriptEngine::Impl::intrinsicText(Intrinsic which, const Variant& arg)
{
    Variant v = arg.deref();
    if (v.isObject()) {
        if (!v.asObject())
            return fail(ErrorCode::ObjectVariableNotSet);
        TRY_ASSIGN(value, readDefaultMember(v.asObject()));
        v = std::move(value);
    }
    if (which == Intrinsic::Eval) {
        if (v.isNull() || v.isEmpty())
            return std::optional<Str>();
        TRY_ASSIGN(text, toString(v));
        return std::optional<Str>(std::move(text));
    }
    if (!v.isString())
        return fail(ErrorCode::TypeMismatch);
    return std::optional<Str>(Str(v.stringView()));
}

// Eval, Execute, ExecuteGlobal and GetRef. Eval and Execute see the calling
// procedure's locals and its Me; Execute in a procedure declares its Dims
// there.
Result<Variant> ScriptEngine::Impl::intrinsic(Intrinsic which, Args args, Frame& f)
{
    static const char16_t* const names[] = { u"Eval", u"Execute", u"ExecuteGlobal", u"GetRef" };
    if (args.size() != 1)
        return fail(ErrorCode::WrongArgumentCount, names[static_cast<int>(which)]);
    TRY_ASSIGN(argText, intrinsicText(which, args[0]));
    if (!argText)
        return args[0].deref().isNull() ? Variant::null() : Variant();
    const Str& text = *argText;
    // Code run by Execute passes on the procedure scope it was given.
    OuterScope scope;
    scope.localNames = f.proc ? &f.proc->localNames : f.outerNames;
    scope.cls = f.me ? &f.me->classDef() : nullptr;
    scope.proc = f.proc;
    Variant* outer = f.proc ? f.slots : f.outer;
    switch (which) {
    case Intrinsic::Eval: {
        TRY_ASSIGN(expr, asCompilation(parseExpression(text.view()), true));
        auto source = std::make_shared<SourceText>();
        source->lines.emplace_back(text.view());
        TRY_ASSIGN(unit, asCompilation(compileExpression(*expr, source, m_globals, &scope), false));
        commit(unit);
        return runTopLevel(*unit.topLevel, outer, f.me, scope.localNames);
    }
    case Intrinsic::Execute: {
        if (f.proc) {
            if (!f.scope)
                f.scope = std::make_unique<FrameScope>();
            m_frameScope = f.scope.get();
        }
        TRY_ASSIGN(program, asCompilation(parseProgram(text.view()), true));
        TRY_ASSIGN(unit, asCompilation(compileProgram(*program, m_globals, &scope), false));
        commit(unit);
        TRY_STATUS(runTopLevel(*unit.topLevel, outer, f.me, scope.localNames));
        return Variant();
    }
    case Intrinsic::ExecuteGlobal: {
        TRY_ASSIGN(program, asCompilation(parseProgram(text.view()), true));
        TRY_ASSIGN(unit, asCompilation(compileProgram(*program, m_globals, nullptr), false));
        FrameScope* procScope = m_frameScope;
        m_frameScope = nullptr; // script level: no procedure's variables
        commit(unit);
        auto r = runTopLevel(*unit.topLevel, nullptr, nullptr);
        m_frameScope = procScope;
        TRY_STATUS(std::move(r));
        return Variant();
    }
    case Intrinsic::GetRef: {
        if (text.empty())
            return fail(ErrorCode::InvalidProcedureCall, u"GetRef");
        GlobalEntry* e = m_globals.find(text.view());
        if (!e || e->kind != GlobalEntry::Kind::Procedure)
            return fail(ErrorCode::InvalidProcedureCall);
        return Variant::fromObject(makeProcRef(*this, *e->proc));
    }
    }
    return Variant();
}

// ------------------------------------------------------------- ScriptEngine

ScriptEngine::ScriptEngine()
    : m_impl(std::make_unique<Impl>())
{
}

ScriptEngine::~ScriptEngine() = default;

void ScriptEngine::setSite(ScriptSite* site)
{
    m_impl->m_site = site;
}

ScriptSite* ScriptEngine::site() const
{
    return m_impl->m_site;
}

void ScriptEngine::setTimeout(int milliseconds)
{
    m_impl->m_timeout = milliseconds;
}

int ScriptEngine::timeout() const
{
    return m_impl->m_timeout;
}

Status ScriptEngine::addObject(std::u16string_view name, Ref<Object> object, AddMembers members)
{
    Impl& d = *m_impl;
    if (name.empty() || d.m_globals.find(name))
        return fail(ErrorCode::NameRedefined, name);
    GlobalEntry& e = d.m_globals.add(name, GlobalEntry::Kind::HostObject);
    e.value = Variant::fromObject(object);
    if (members == AddMembers::Yes && object)
        d.m_globals.memberObjects().push_back(object);
    return {};
}

Status ScriptEngine::addCode(std::u16string_view code)
{
    Impl& d = *m_impl;
    return d.hostCall([&]() -> Status {
        TRY_ASSIGN(top, d.load(code, nullptr));
        TRY_STATUS(d.runTopLevel(*top, nullptr, nullptr));
        return {};
    });
}

Result<Variant> ScriptEngine::run(std::u16string_view procedure, std::span<const Variant> args)
{
    Impl& d = *m_impl;
    GlobalEntry* e = d.m_globals.find(procedure);
    if (!e || e->kind != GlobalEntry::Kind::Procedure)
        return fail(ErrorCode::SubOrFunctionNotDefined, procedure);
    std::vector<Variant> copies(args.begin(), args.end());
    return d.hostCall([&]() -> Result<Variant> { return d.invokeProc(*e->proc, nullptr, copies, false); });
}

Status ScriptEngine::executeStatement(std::u16string_view code)
{
    return addCode(code);
}

Result<Variant> ScriptEngine::eval(std::u16string_view expression)
{
    Impl& d = *m_impl;
    return d.hostCall([&]() -> Result<Variant> {
        TRY_ASSIGN(expr, parseExpression(expression));
        auto source = std::make_shared<SourceText>();
        source->lines.emplace_back(expression);
        TRY_ASSIGN(unit, compileExpression(*expr, source, d.m_globals, nullptr));
        d.commit(unit);
        return d.runTopLevel(*unit.topLevel, nullptr, nullptr);
    });
}

void ScriptEngine::setErrorHandler(ErrorHandler handler)
{
    m_impl->m_handler = std::move(handler);
}

const ScriptError& ScriptEngine::lastError() const
{
    return m_impl->m_lastError;
}

void ScriptEngine::registerClass(std::u16string_view progId, std::function<Result<Ref<Object>>()> factory)
{
    m_impl->m_registry.add(progId, std::move(factory));
}

Result<Ref<Object>> ScriptEngine::createObject(std::u16string_view progId)
{
    return m_impl->m_registry.create(progId);
}

void ScriptEngine::interrupt()
{
    m_impl->m_interrupt = true;
}

} // namespace vbs
