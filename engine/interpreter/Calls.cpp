// Procedure calls, member calls, global names and assignment.
#include "interpreter/Engine.h"

#include "runtime/Convert.h"

#include <new>

#if __has_include("objects/Factory.h")
#include "objects/Factory.h"
#else
namespace vbs {
Result<Ref<Object>> createObject(std::u16string_view progId);
Result<Ref<Object>> createBuiltinClass(std::u16string_view name);
} // namespace vbs
#endif

namespace vbs {

namespace {

InvokeKind kindFor(StoreMode mode)
{
    return mode == StoreMode::Set ? InvokeKind::PropertyPutRef : InvokeKind::PropertyPut;
}

} // namespace

// Every procedure and top-level run starts here, including the ones the
// engine starts itself (Class_Initialize, Class_Terminate, default members):
// the time-out is polled and no script code starts once a stop was requested.
Status ScriptEngine::Impl::checkDepthSlow(const char* here)
{
    if (m_pollCountdown <= 0)
        TRY_STATUS(poll());
    if (m_callDepth >= MaxCallDepth || (m_stackBase && static_cast<size_t>(m_stackBase - here) > m_stackBudget))
        return fail(ErrorCode::OutOfStackSpace);
    return {};
}

void ScriptEngine::Impl::dropLocks(size_t base, const Variant* sp)
{
    // Take each lock out before releasing it: the release may free an array
    // whose objects' Class_Terminate runs script that takes locks of its own.
    while (m_locks.size() > base && m_locks.back().slot() >= sp) {
        ArrayLock last = std::move(m_locks.back());
        m_locks.pop_back();
    }
}

// Calls a script procedure. ByRef parameters keep the caller's reference
// (a value when the caller passed an expression); ByVal ones copy.
Result<Variant> ScriptEngine::Impl::invokeProc(const Proc& proc, ClassInstance* me, Args args, bool wantResult)
{
    Variant result;
    TRY_STATUS(runProc(proc, me, args, wantResult, false, &result));
    return result;
}

Status ScriptEngine::Impl::runProc(const Proc& proc, ClassInstance* me, Args args, bool wantResult, bool moveArgs,
                                   Variant* result)
{
    if (static_cast<int32_t>(args.size()) != proc.paramCount)
        return fail(ErrorCode::WrongArgumentCount, proc.name);
    if (wantResult && !proc.returnsValue() && proc.kind == ast::ProcKind::Sub)
        return fail(ErrorCode::TypeMismatch, proc.name);
    TRY_STATUS(checkDepth());
    const Code& code = proc.code;
    ValueStack::Mark mark;
    Variant* slots = m_stack.allocate(static_cast<size_t>(code.slotCount + code.maxStack), mark);
    if (!slots)
        return fail(ErrorCode::OutOfStackSpace);
    // The slots are fresh and Empty: construct the parameters in place.
    for (size_t i = 0; i < args.size(); ++i) {
        Variant& a = args[i];
        if (a.isRef())
            new (&slots[i]) Variant(proc.byVal[i] ? a.deref() : a);
        else if (moveArgs)
            new (&slots[i]) Variant(std::move(a));
        else
            new (&slots[i]) Variant(a);
    }
    Ref<Object> keepAlive(me);
    FrameScope* outerScope = m_frameScope;
    m_frameScope = nullptr;
    Frame f;
    f.code = &code;
    f.proc = &proc;
    f.slots = slots;
    f.me = me;
    ++m_callDepth;
    Status st = execute(f);
    --m_callDepth;
    m_frameScope = outerScope;
    if (st.ok()) {
        if (proc.resultSlot >= 0)
            result->swap(slots[proc.resultSlot]);
        if (f.usedResumeNext)
            clearErr();
    }
    // execute() leaves the temporaries Empty: only the locals need releasing.
    m_stack.release(slots, static_cast<size_t>(code.slotCount), mark);
    return st;
}

// A member of a class instance. From outside only public members answer;
// inside the class (bare names and Me) private ones do too.
Result<Variant> ScriptEngine::Impl::classInvoke(ClassInstance& inst, int32_t index, InvokeKind kind, Args args,
                                                bool inside, CallForm form)
{
    ClassDef& cls = inst.classDef();
    const ClassMember& m = cls.members[index];
    if (!inside && !m.isPublic)
        return fail(ErrorCode::ObjectDoesntSupportMember, m.name);
    Ref<Object> keepAlive(&inst);
    if (m.field >= 0)
        return fieldInvoke(inst.fields()[m.field], m.name, kind, args, form);
    const Proc* proc = nullptr;
    switch (kind) {
    case InvokeKind::PropertyPut: proc = m.let; break;
    case InvokeKind::PropertyPutRef: proc = m.set; break;
    default: proc = m.method ? m.method : m.get; break;
    }
    if (!proc)
        return fail(ErrorCode::ObjectDoesntSupportMember, m.name);
    if (!inside && !proc->isPublic)
        return fail(ErrorCode::ObjectDoesntSupportMember, m.name);
    return invokeProc(*proc, &inst, args, false);
}

// A public variable of a class read or written through its object. With
// indexes it is an array to index or an object to call; a scalar has no
// members to index (438), and reading it with an empty list is 5.
Result<Variant> ScriptEngine::Impl::fieldInvoke(Variant& field, const Str& name, InvokeKind kind, Args args,
                                                CallForm form)
{
    if (kind == InvokeKind::PropertyPut || kind == InvokeKind::PropertyPutRef) {
        StoreMode mode = kind == InvokeKind::PropertyPutRef ? StoreMode::Set : StoreMode::Let;
        Variant value = args.back().deref();
        Args indexes = args.first(args.size() - 1);
        if (indexes.empty()) {
            TRY_STATUS(assign(field, std::move(value), mode));
        } else if (field.isObject()) {
            TRY_STATUS(putDefault(field, args, mode));
        } else {
            // The value first: its default member may change the field.
            TRY_STATUS(prepareStore(value, mode));
            if (!field.isArray())
                return fail(ErrorCode::ObjectDoesntSupportMember, name);
            TRY_STATUS(storeElement(field, indexes, std::move(value), mode));
        }
        return Variant();
    }
    if (field.isObject())
        return args.empty() && form == CallForm::Plain ? field : callValue(field, args, name);
    if (field.isArray()) {
        if (args.empty() && form == CallForm::Plain)
            return field;
        TRY_ASSIGN(el, element(field, args, false));
        return *el;
    }
    if (!args.empty())
        return fail(ErrorCode::ObjectDoesntSupportMember, name);
    if (form == CallForm::EmptyList)
        return fail(ErrorCode::InvalidProcedureCall, name);
    return field;
}

// obj.name(args): the member id is cached per site for each class of object.
Result<Variant> ScriptEngine::Impl::callMember(Variant& objectValue, MemberSite& site, InvokeKind kind, Args args,
                                               Frame& f, CallForm form)
{
    const Variant& ov = objectValue.deref();
    if (!ov.isObject())
        return fail(ErrorCode::ObjectRequired, site.objectName.empty() ? site.name : site.objectName);
    Object* obj = ov.asObject();
    if (!obj)
        return fail(ErrorCode::ObjectRequired, site.objectName.empty() ? site.name : site.objectName);
    if (auto* inst = asInstance(obj); inst && inst->engine() == this) {
        int32_t index = memberIndex(*inst, site);
        if (index < 0)
            return fail(ErrorCode::ObjectDoesntSupportMember, site.name);
        return classInvoke(*inst, index, kind, args, inst == f.me, form);
    }
    DispId id;
    const void* key = nullptr;
    if (obj->objectKind() == ObjectKind::Host)
        key = &static_cast<HostObject*>(obj)->classInfo();
    if (key && site.typeKey == key) {
        id = site.id;
    } else {
        id = obj->memberId(site.name);
        site.typeKey = key;
        site.id = id;
    }
    if (id == DispIdUnknown)
        return fail(ErrorCode::ObjectDoesntSupportMember, site.name);
    Ref<Object> keepAlive(obj);
    return obj->invoke(id, kind, args);
}

// A value called with arguments: an array is indexed, an object's default
// member is called.
Result<Variant> ScriptEngine::Impl::callValue(const Variant& calleeRef, Args args, std::u16string_view name)
{
    const Variant& callee = calleeRef.deref();
    if (callee.isArray()) {
        TRY_ASSIGN(el, element(const_cast<Variant&>(callee), args, false));
        return *el;
    }
    if (callee.isObject()) {
        Object* obj = callee.asObject();
        if (!obj)
            return fail(ErrorCode::ObjectVariableNotSet);
        Ref<Object> keepAlive(obj);
        if (auto* inst = asInstance(obj); inst && inst->engine() == this) {
            int32_t d = inst->classDef().defaultMember;
            if (d < 0)
                return fail(ErrorCode::ObjectDoesntSupportMember);
            return classInvoke(*inst, d, InvokeKind::MethodOrGet, args, false);
        }
        return obj->invoke(DispIdValue, InvokeKind::MethodOrGet, args);
    }
    // A scalar has nothing to call or index, even with an empty list.
    return fail(ErrorCode::TypeMismatch, name);
}

// The element of an array variable for writing (copied first when shared).
Result<Variant*> ScriptEngine::Impl::element(Variant& array, Args indexes, bool forWrite)
{
    int32_t buf[Array::MaxDims];
    if (indexes.size() > size_t(Array::MaxDims))
        return fail(ErrorCode::SubscriptOutOfRange);
    for (size_t i = 0; i < indexes.size(); ++i) {
        const Variant& v = indexes[i].deref();
        if (v.type() == VarType::Integer) {
            buf[i] = v.asInteger();
        } else if (v.type() == VarType::Long) {
            buf[i] = v.asLong();
        } else {
            TRY_ASSIGN(n, toLong(v));
            buf[i] = n;
        }
    }
    // Converting an index may have run script code: check the holder now.
    if (!array.isArray())
        return fail(ErrorCode::TypeMismatch);
    // A locked array is shared only with the ByRef locks on it: write in place.
    Array* arr = forWrite && array.asArray()->refCount() > 1 && !array.asArray()->locked() ? array.mutableArray()
                                                                                          : array.asArray();
    return arr->at(std::span<const int32_t>(buf, indexes.size()));
}

// A global name site: looked up in the table, then among the members of
// objects added with AddMembers, and cached once found.
GlobalEntry* ScriptEngine::Impl::lookupSite(NameSite& site)
{
    if (site.frameFirst && m_frameScope) {
        if (GlobalEntry* own = m_frameScope->find(site.name.view()))
            return own;
    }
    GlobalEntry* e = m_globals.find(site.name);
    if (!e) {
        for (const auto& obj : m_globals.memberObjects()) {
            DispId id = obj->memberId(site.name);
            if (id != DispIdUnknown) {
                e = &m_globals.add(site.name, GlobalEntry::Kind::HostMember);
                e->object = obj;
                e->member = id;
                break;
            }
        }
    }
    cacheSite(site, e);
    return e;
}

// Reads a global name; with indexed, calls or indexes it with args.
Result<Variant> ScriptEngine::Impl::loadGlobal(NameSite& site, Args args, bool indexed, const Code& code,
                                               bool wantResult)
{
    GlobalEntry* e = resolveSite(site);
    if (!e) {
        if (indexed)
            return fail(ErrorCode::TypeMismatch, site.name);
        if (code.optionExplicit)
            return fail(ErrorCode::VariableIsUndefined, site.name);
        return Variant();
    }
    using K = GlobalEntry::Kind;
    switch (e->kind) {
    case K::Variable:
    case K::Constant:
    case K::HostObject:
        if (!indexed)
            return e->value;
        return callValue(e->value, args, site.name);
    case K::Procedure:
        return invokeProc(*e->proc, nullptr, args, wantResult);
    case K::HostMember: {
        Ref<Object> keep = e->object;
        return keep->invoke(e->member, InvokeKind::MethodOrGet, args);
    }
    case K::Class:
        return fail(ErrorCode::TypeMismatch, site.name);
    }
    return Variant();
}

// obj's member `id` given args and then the value: a property put. A few
// arguments are passed from the stack, without an allocation.
static Status putMember(Ref<Object> obj, DispId id, InvokeKind kind, Args args, Variant&& value)
{
    constexpr size_t Few = 8;
    if (args.size() < Few) {
        Variant all[Few];
        std::copy(args.begin(), args.end(), all);
        all[args.size()] = std::move(value);
        TRY_STATUS(obj->invoke(id, kind, Args(all, args.size() + 1)));
        return {};
    }
    std::vector<Variant> all(args.begin(), args.end());
    all.push_back(std::move(value));
    TRY_STATUS(obj->invoke(id, kind, all));
    return {};
}

Status ScriptEngine::Impl::storeGlobal(NameSite& site, Args args, Variant&& value, StoreMode mode, const Code& code)
{
    GlobalEntry* e = resolveSite(site);
    if (!e) {
        if (code.optionExplicit)
            return fail(ErrorCode::VariableIsUndefined, site.name);
        if (!args.empty())
            return fail(ErrorCode::TypeMismatch, site.name);
        e = &m_globals.add(site.name, GlobalEntry::Kind::Variable);
        cacheSite(site, e);
    }
    using K = GlobalEntry::Kind;
    switch (e->kind) {
    case K::Variable:
        if (args.empty())
            return assign(e->value, std::move(value), mode);
        if (e->value.isArray())
            return storeElement(e->value, args, std::move(value), mode);
        if (!e->value.isObject() || !e->value.asObject())
            return fail(ErrorCode::TypeMismatch, site.name);
        [[fallthrough]];
    case K::HostObject: {
        if (e->kind == K::HostObject && mode == StoreMode::Set)
            return fail(ErrorCode::IllegalAssignment, site.name);
        if (!e->value.isObject())
            return fail(ErrorCode::TypeMismatch, site.name);
        Object* obj = e->value.asObject();
        if (!obj)
            return fail(ErrorCode::ObjectVariableNotSet);
        return putMember(Ref<Object>(obj), DispIdValue, kindFor(mode), args, std::move(value));
    }
    case K::HostMember:
        return putMember(e->object, e->member, kindFor(mode), args, std::move(value));
    default:
        return fail(ErrorCode::IllegalAssignment, site.name);
    }
}

// A global passed as an argument: a variable by reference, anything else by value.
Result<Variant> ScriptEngine::Impl::refGlobal(NameSite& site, const Code& code)
{
    GlobalEntry* e = resolveSite(site);
    if (!e && !code.optionExplicit) {
        e = &m_globals.add(site.name, GlobalEntry::Kind::Variable);
        cacheSite(site, e);
    }
    if (e && e->kind == GlobalEntry::Kind::Variable)
        return Variant::fromRef(&e->value);
    return loadGlobal(site, {}, false, code);
}

// Makes a value ready to store: Set wants an object, Let reads an object
// through its default member. This may run script code, so stores do it
// before they locate their target.
Status ScriptEngine::Impl::prepareStore(Variant& value, StoreMode mode)
{
    if (mode == StoreMode::Set)
        return value.isObject() ? Status() : Status(fail(ErrorCode::ObjectRequired));
    if (mode == StoreMode::Let && value.isObject()) {
        if (!value.asObject())
            return fail(ErrorCode::ObjectVariableNotSet);
        TRY_ASSIGN(v, readDefaultMember(value.asObject()));
        value = std::move(v);
    }
    return {};
}

// Stores into a variable: whatever it held, an object included, is replaced
// and released after the variable holds the new value. The target must be
// storage that script code cannot free (a slot, a field, a global).
Status ScriptEngine::Impl::assign(Variant& target, Variant&& value, StoreMode mode)
{
    if (value.isObject() || mode == StoreMode::Set)
        TRY_STATUS(prepareStore(value, mode));
    target = std::move(value);
    return {};
}

// Stores into an element of the array in holder. The value is made ready
// first and the element found after, so no element pointer is held while
// script code runs; the old element is released once the new one is in.
Status ScriptEngine::Impl::storeElement(Variant& holder, Args indexes, Variant&& value, StoreMode mode)
{
    if (value.isObject() || mode == StoreMode::Set)
        TRY_STATUS(prepareStore(value, mode));
    TRY_ASSIGN(el, element(holder, indexes, true));
    *el = std::move(value);
    return {};
}

// holder(args...) = value on an object's default member (the value is last
// in args); anything else cannot be indexed.
Status ScriptEngine::Impl::putDefault(const Variant& holder, Args args, StoreMode mode)
{
    Object* obj = holder.isObject() ? holder.asObject() : nullptr;
    if (!obj)
        return fail(ErrorCode::TypeMismatch);
    Ref<Object> keep(obj);
    TRY_STATUS(keep->invoke(DispIdValue, kindFor(mode), args));
    return {};
}

Result<Variant> ScriptEngine::Impl::newObject(std::u16string_view className)
{
    if (GlobalEntry* e = m_globals.find(className); e && e->kind == GlobalEntry::Kind::Class)
        return instantiate(*e->cls);
    TRY_ASSIGN(obj, createBuiltinClass(className));
    if (!obj)
        return fail(ErrorCode::ClassNotDefined, className);
    return Variant::fromObject(obj);
}

Result<Variant> ScriptEngine::Impl::instantiate(ClassDef& cls)
{
    Ref<ClassInstance> inst(ClassInstance::create(this, cls));
    for (size_t i = 0; i < cls.fields.size(); ++i) {
        const FieldDecl& fd = cls.fields[i];
        if (!fd.isArray)
            continue;
        TRY_ASSIGN(arr, Array::create(fd.bounds, !fd.bounds.empty()));
        inst->fields()[i] = Variant::fromArray(arr);
    }
    if (cls.initialize) {
        auto r = invokeProc(*cls.initialize, inst.get(), {}, false);
        if (!r.ok()) {
            inst->terminated = true;
            return r.takeError();
        }
    }
    return Variant::fromObject(inst.get());
}

void ScriptEngine::Impl::setErr(const ScriptError& e)
{
    m_err.number = e.number;
    m_err.description = e.nameSuffix ? Str(e.bareDescription()) : e.description;
    m_err.source = e.source.empty() ? Str(RuntimeErrorSource) : e.source;
    m_err.helpFile = e.helpFile;
    m_err.helpContext = e.helpContext;
}

void ScriptEngine::Impl::clearErr()
{
    m_err = ScriptError();
}

} // namespace vbs
