// The objects the engine itself provides: class instances, Err, GetRef's
// procedure references, and the For Each enumerator holder.
#include "interpreter/Engine.h"

#include "runtime/Convert.h"

#if __has_include("objects/Factory.h")
#include "objects/Factory.h"
#endif

namespace vbs {

// ------------------------------------------------------------ ClassInstance

namespace {

// Class_Terminate code that keeps creating instances at teardown (each
// terminate making the next, or two) is stopped after this many.
constexpr uint32_t MaxTeardownInstances = 10000;

} // namespace

ClassInstance* ClassInstance::create(ScriptEngine::Impl* engine, ClassDef& cls)
{
    void* memory = engine->m_instancePool.take(cls.fields.size());
    if (!memory)
        memory = ::operator new(InstancePool::blockSize(cls.fields.size()));
    return new (memory) ClassInstance(engine, cls);
}

size_t InstancePool::blockSize(size_t fields)
{
    return sizeof(ClassInstance) + fields * sizeof(Variant);
}

void ClassInstance::operator delete(ClassInstance* p, std::destroying_delete_t) noexcept
{
    ScriptEngine::Impl* engine = p->m_engine;
    const size_t fields = p->m_fieldCount;
    p->~ClassInstance();
    if (!engine || !engine->m_instancePool.give(p, fields))
        ::operator delete(p);
}

ClassInstance::ClassInstance(ScriptEngine::Impl* engine, ClassDef& cls)
    : Object(ObjectKind::ScriptClass)
    , m_engine(engine)
    , m_class(cls)
    , m_name(cls.name)
    , m_fields(reinterpret_cast<Variant*>(this + 1))
    , m_fieldCount(cls.fields.size())
{
    static_assert(sizeof(ClassInstance) % alignof(Variant) == 0);
    for (size_t i = 0; i < m_fieldCount; ++i)
        new (&m_fields[i]) Variant();
    engine->m_instances.insert(this);
    serial = ++engine->m_instanceSerial;
    if (engine->m_closing && ++engine->m_closingInstances > MaxTeardownInstances) {
        engine->stopPolling();
    }
}

ClassInstance::~ClassInstance()
{
    if (m_engine)
        m_engine->m_instances.erase(this);
    for (size_t i = 0; i < m_fieldCount; ++i)
        m_fields[i].~Variant();
}

// A host may keep an instance after the engine (and its classes) closed:
// it then has no members and answers every call with 438.
DispId ClassInstance::memberId(std::u16string_view name)
{
    if (!m_engine)
        return DispIdUnknown;
    int32_t i = m_class.find(name);
    if (i < 0 || !m_class.members[i].isPublic)
        return DispIdUnknown;
    return i + 1;
}

Result<Variant> ClassInstance::invoke(DispId id, InvokeKind kind, Args args)
{
    if (!m_engine)
        return fail(ErrorCode::ObjectDoesntSupportMember);
    int32_t index = id == DispIdValue ? m_class.defaultMember : id - 1;
    if (index < 0 || index >= static_cast<int32_t>(m_class.members.size()))
        return fail(ErrorCode::ObjectDoesntSupportMember);
    ScriptEntry entry(*m_engine);
    return m_engine->classInvoke(*this, index, kind, args, false);
}

Str ClassInstance::memberName(DispId id) const
{
    if (!m_engine)
        return Str();
    int32_t index = id == DispIdValue ? m_class.defaultMember : id - 1;
    if (index < 0 || index >= static_cast<int32_t>(m_class.members.size()))
        return Str();
    return m_class.members[index].name;
}

// Class_Terminate runs once, with the instance kept alive for its duration;
// its errors have nowhere to go and are dropped (a stop request stays in
// force: see poll). Once the engine stops, instances go without it.
void ClassInstance::runTerminate()
{
    if (terminated)
        return;
    terminated = true;
    if (!m_engine || !m_class.terminate || m_engine->m_stopping)
        return;
    ScriptEntry entry(*m_engine);
    auto r = m_engine->invokeProc(*m_class.terminate, this, {}, false);
    (void)r;
}

// Deleting an instance releases its fields, which may delete the next one:
// a long chain would recurse once per link, so deletions go through the
// engine's queue (deleteFlat).
void ClassInstance::finalRelease() noexcept
{
    if (!terminated && m_engine && m_class.terminate) {
        addRef();
        runTerminate();
        release(); // back to zero: deletes below, unless Terminate kept a reference
        return;
    }
    ScriptEngine::Impl* engine = m_engine;
    if (!engine) {
        delete this;
        return;
    }
    // The same queue as the engine's containers: mixed chains stay flat too.
    deleteFlat(engine->m_holders, this);
}

// ------------------------------------------------------------------- Err

namespace {

// An engine object a host may keep after the engine has gone: it then
// answers every call with an error instead of reaching freed state.
class EngineBound : public Object {
public:
    explicit EngineBound(ScriptEngine::Impl& engine)
        : m_engine(&engine)
    {
        engine.m_bound.insert(this);
    }
    ~EngineBound() override
    {
        if (m_engine)
            m_engine->m_bound.erase(this);
    }

    void detach() { m_engine = nullptr; }

protected:
    ScriptEngine::Impl* m_engine;
};

enum ErrMember : DispId { Number = 0, Description, Source, HelpFile, HelpContext, Raise, Clear };

class ErrObject final : public EngineBound {
public:
    explicit ErrObject(ScriptEngine::Impl& engine)
        : EngineBound(engine)
    {
    }
    Str typeName() const override { return Str(u"ErrObject"); }
    DispId memberId(std::u16string_view name) override
    {
        static const std::u16string_view names[] = { u"Number", u"Description", u"Source", u"HelpFile",
                                                     u"HelpContext", u"Raise", u"Clear" };
        for (DispId i = 0; i < 7; ++i) {
            if (equalsIgnoreCase(names[i], name))
                return i;
        }
        return DispIdUnknown;
    }
    Result<Variant> invoke(DispId id, InvokeKind kind, Args args) override;

private:
    Result<Variant> raise(Args args);
};

// Err.Raise number, [source], [description], [helpfile], [helpcontext]: an
// omitted argument keeps what Err holds, when it holds anything; else a
// number in the table gets the table's text, any other "Unknown runtime
// error".
Result<Variant> ErrObject::raise(Args args)
{
    if (args.empty() || args[0].deref().isMissing())
        return fail(ErrorCode::ArgumentNotOptional);
    if (args.size() > 5)
        return fail(ErrorCode::WrongArgumentCount, u"Raise");
    TRY_ASSIGN(number, toLong(args[0].deref()));
    if (number == 0)
        return fail(ErrorCode::InvalidProcedureCall, u"Raise");
    ScriptError e;
    e.number = number;
    auto given = [&](size_t i) { return i < args.size() && !args[i].deref().isMissing(); };
    auto text = [&](size_t i) -> Result<Str> { return given(i) ? toString(args[i].deref()) : Result<Str>(Str()); };
    const ScriptError& held = m_engine->m_err;
    TRY_ASSIGN(source, text(1));
    TRY_ASSIGN(description, text(2));
    TRY_ASSIGN(helpFile, text(3));
    e.source = given(1) ? source : held.source;
    e.helpFile = given(3) ? helpFile : held.helpFile;
    e.helpContext = held.helpContext;
    if (given(4)) {
        TRY_ASSIGN(ctx, toLong(args[4].deref()));
        e.helpContext = ctx;
    }
    if (given(2)) {
        e.description = description;
    } else if (!held.description.empty()) {
        e.description = held.description;
    } else {
        const char* table = errorDescription(number);
        e.description = Str::fromAscii(table && !isCompilationError(number) ? table : "Unknown runtime error");
    }
    return fail(std::move(e));
}

Result<Variant> ErrObject::invoke(DispId id, InvokeKind kind, Args args)
{
    if (!m_engine)
        return fail(ErrorCode::ObjectDoesntSupportMember);
    ScriptError& err = m_engine->m_err;
    bool put = kind == InvokeKind::PropertyPut;
    if (id == Raise)
        return raise(args);
    if (id == Clear) {
        m_engine->clearErr();
        return Variant();
    }
    if (put) {
        if (args.size() != 1)
            return fail(ErrorCode::WrongArgumentCount);
        const Variant& v = args[0].deref();
        if (id == Number || id == HelpContext) {
            TRY_ASSIGN(n, toLong(v));
            (id == Number ? err.number : err.helpContext) = n;
            if (id == Number && err.description.empty()) {
                const char* t = errorDescription(n);
                err.description = Str::fromAscii(t ? t : "");
            }
            return Variant();
        }
        TRY_ASSIGN(s, toString(v));
        (id == Description ? err.description : id == Source ? err.source : err.helpFile) = s;
        return Variant();
    }
    if (!args.empty())
        return fail(ErrorCode::WrongArgumentCount);
    switch (id) {
    case Number: return Variant::fromLong(err.number);
    case Description: return Variant::fromString(err.description);
    case Source: return Variant::fromString(err.source);
    case HelpFile: return Variant::fromString(err.helpFile);
    case HelpContext: return Variant::fromLong(err.helpContext);
    default: return fail(ErrorCode::ObjectDoesntSupportMember);
    }
}

// ------------------------------------------------------------- GetRef

class ProcRef final : public EngineBound {
public:
    ProcRef(ScriptEngine::Impl& engine, const Proc& proc)
        : EngineBound(engine)
        , m_proc(proc)
    {
    }
    Str typeName() const override { return Str(u"Object"); }
    DispId memberId(std::u16string_view) override { return DispIdUnknown; }
    Result<Variant> invoke(DispId id, InvokeKind kind, Args args) override
    {
        if (!m_engine || id != DispIdValue || kind == InvokeKind::PropertyPut
            || kind == InvokeKind::PropertyPutRef)
            return fail(ErrorCode::ObjectDoesntSupportMember);
        ScriptEntry entry(*m_engine);
        return m_engine->invokeProc(m_proc, nullptr, args, false);
    }

private:
    const Proc& m_proc;
};

class EnumHolder final : public Object {
public:
    explicit EnumHolder(Ref<Enumerator> e)
        : enumerator(std::move(e))
    {
    }
    Str typeName() const override { return Str(u"Object"); }
    DispId memberId(std::u16string_view) override { return DispIdUnknown; }
    Result<Variant> invoke(DispId, InvokeKind, Args) override { return fail(ErrorCode::ObjectDoesntSupportMember); }
    Ref<Enumerator> enumerator;
};

} // namespace

Ref<Object> makeErrObject(ScriptEngine::Impl& engine)
{
    return Ref<Object>(new ErrObject(engine));
}

Ref<Object> makeProcRef(ScriptEngine::Impl& engine, const Proc& proc)
{
    return Ref<Object>(new ProcRef(engine, proc));
}

Ref<Object> makeEnumHolder(Ref<Enumerator> e)
{
    return Ref<Object>(new EnumHolder(std::move(e)));
}

void detachBound(ScriptEngine::Impl& engine)
{
    for (Object* obj : engine.m_bound)
        static_cast<EngineBound*>(obj)->detach();
    engine.m_bound.clear();
}

Enumerator* enumeratorOf(Object* holder)
{
    auto* h = dynamic_cast<EnumHolder*>(holder);
    return h ? h->enumerator.get() : nullptr;
}

// ------------------------------------------------------------- library context

ScriptSite* EngineContext::site()
{
    return m_engine.m_site;
}

Result<Variant> EngineContext::createObject(std::u16string_view progId)
{
    TRY_ASSIGN(obj, m_engine.m_registry.create(progId));
    if (obj && obj->holdsValues())
        obj->setRegistry(&m_engine.m_holders);
    return Variant::fromObject(obj);
}

Result<Variant> EngineContext::getObject(std::u16string_view, std::u16string_view)
{
    return fail(ErrorCode::CantCreateObject);
}

} // namespace vbs
