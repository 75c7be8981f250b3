// The engine's inner state (ScriptEngine::Impl): the global names, the
// compiled procedures and classes, the Err state, and the interpreter that
// runs compiled code. Internal to the engine.
#pragma once

#include "ScriptEngine.h"
#include "compiler/Compiler.h"
#include "interpreter/ValueStack.h"
#include "library/Builtins.h"
#include "objects/Factory.h"

#include <atomic>
#include <chrono>
#include <deque>
#include <new>
#include <optional>
#include <unordered_set>
#if defined(__SANITIZE_ADDRESS__)
#define VORNA_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VORNA_ASAN 1
#endif
#endif
#if VORNA_ASAN
#include <sanitizer/asan_interface.h>
#endif

namespace vbs {

class ClassInstance;

// Keeps an array alive and locked while a reference to an element of it
// (a ByRef argument, the target of a(i)(j) = v) is in the temporary at
// `slot`; dropped once the temporaries' top is below it.
class ArrayLock {
public:
    ArrayLock(Array* a, const Variant* slot)
        : m_array(a)
        , m_slot(slot)
    {
        a->lock();
    }
    ArrayLock(ArrayLock&& o) noexcept
        : m_array(std::move(o.m_array))
        , m_slot(o.m_slot)
    {
    }
    const Variant* slot() const noexcept { return m_slot; }
    ArrayLock& operator=(ArrayLock&&) = delete;
    ~ArrayLock()
    {
        if (m_array)
            m_array->unlock();
    }

private:
    Ref<Array> m_array;
    const Variant* m_slot;
};

// The array locks of every running frame, innermost last. Every call and
// return compares the count with its frame's base: it is kept, not computed.
class ArrayLockStack {
public:
    size_t size() const noexcept { return m_size; }
    ArrayLock& back() noexcept { return m_locks.back(); }
    void emplace_back(Array* a, const Variant* slot)
    {
        m_locks.emplace_back(a, slot);
        m_size = m_locks.size();
    }
    void pop_back() noexcept
    {
        m_locks.pop_back();
        m_size = m_locks.size();
    }

private:
    std::vector<ArrayLock> m_locks;
    size_t m_size = 0;
};

// How a member was named: `o.p` or `o.p()`. Reading a scalar field with
// an empty list is an error.
enum class CallForm : uint8_t { Plain, EmptyList };

// The variables that Execute declares in a procedure, for the rest of
// that call.
struct FrameScope {
    std::deque<GlobalEntry> entries;
    GlobalEntry* find(std::u16string_view name)
    {
        for (GlobalEntry& e : entries) {
            if (equalsIgnoreCase(e.name.view(), name))
                return &e;
        }
        return nullptr;
    }
};

struct InlineCall;

// One activation of compiled code.
struct Frame {
    const Code* code = nullptr;
    const Proc* proc = nullptr; // null for top-level, Eval and Execute code
    const std::vector<std::u16string>* outerNames = nullptr; // names of outer's slots
    Variant* slots = nullptr;
    Variant* outer = nullptr; // the calling procedure's slots (Execute, Eval)
    ClassInstance* me = nullptr;
    bool resumeNext = false;
    bool usedResumeNext = false;
    std::unique_ptr<FrameScope> scope; // a procedure's, made by its first Execute
    InlineCall* call = nullptr; // the inline call whose callee this is; null for a loop's root
};

// The live class instances of an engine, linked through the instances
// themselves: creating one allocates nothing more.
class InstanceList {
public:
    class iterator {
    public:
        explicit iterator(ClassInstance* p) : m_p(p) { }
        ClassInstance* operator*() const { return m_p; }
        iterator& operator++();
        bool operator!=(const iterator& o) const { return m_p != o.m_p; }

    private:
        ClassInstance* m_p;
    };
    iterator begin() const { return iterator(m_first); }
    iterator end() const { return iterator(nullptr); }
    void insert(ClassInstance* inst);
    void erase(ClassInstance* inst);
    void clear() { m_first = nullptr; }

private:
    ClassInstance* m_first = nullptr;
};

// A script procedure called by the dispatch loop without a C++ call: its
// frame starts at the caller's arguments, and returning resumes the caller.
struct InlineCall {
    Frame frame; // the callee's
    Frame* caller = nullptr;
    const Instr* returnIp = nullptr;
    Variant* resultAt = nullptr; // the caller's top after the call (the object of a member call)
    size_t lockBase = 0; // the caller's
    Variant* savedTop = nullptr; // the value stack's top before the call
    FrameScope* outerScope = nullptr;
    bool wantResult = false;
};

// The inline calls of every running dispatch loop, innermost last. Entries
// never move (outer loops keep references to their frames while inner ones
// push), and are kept for reuse: a call allocates nothing.
class InlineCallStack {
public:
    size_t size() const noexcept { return m_size; }
    InlineCall& back() noexcept { return *m_pool[m_size - 1]; }
    InlineCall& push()
    {
        if (m_size == m_capacity) [[unlikely]]
            grow();
        return *m_pool[m_size++];
    }
    // The caller sets every field on push but the frame's outer and
    // outerNames, which inline frames never have; only an Execute scope
    // needs freeing.
    void pop() noexcept { m_pool[--m_size]->frame.scope.reset(); }
    // pop for the innermost call, whose scope the caller has reset.
    void drop() noexcept { --m_size; }

private:
    [[gnu::noinline]] void grow()
    {
        auto call = std::make_unique<InlineCall>();
        call->frame.call = call.get();
        m_pool.push_back(std::move(call));
        m_capacity = m_pool.size();
    }
    std::vector<std::unique_ptr<InlineCall>> m_pool;
    size_t m_size = 0;
    size_t m_capacity = 0;
};

// The memory of finished class instances, kept by variable count for the
// next New of the same size: a New then costs no malloc. Bounded; what it
// holds is freed with the engine.
class InstancePool {
public:
    static constexpr size_t MaxFields = 16;
    static constexpr uint32_t MaxKept = 64;

    InstancePool() = default;
    InstancePool(const InstancePool&) = delete;
    InstancePool& operator=(const InstancePool&) = delete;
    ~InstancePool()
    {
        for (Block*& head : m_free) {
            while (Block* b = head) {
                head = b->next;
                ::operator delete(b);
            }
        }
    }
    void* take(size_t fields) noexcept
    {
        if (fields > MaxFields || !m_free[fields])
            return nullptr;
        Block* b = m_free[fields];
        m_free[fields] = b->next;
        --m_count[fields];
        unpoison(b, fields);
        return b;
    }
    // False when the pool is full for that size: the caller frees p.
    bool give(void* p, size_t fields) noexcept
    {
        if (fields > MaxFields || m_count[fields] >= MaxKept)
            return false;
        m_free[fields] = new (p) Block { m_free[fields] };
        ++m_count[fields];
        poison(p, fields);
        return true;
    }
    static size_t blockSize(size_t fields);

private:
    struct Block {
        Block* next;
    };
    // Under AddressSanitizer a kept block is poisoned past its link, so that
    // a use of a finished instance is still reported.
#if VORNA_ASAN
    static void poison(void* p, size_t fields)
    {
        __asan_poison_memory_region(static_cast<char*>(p) + sizeof(Block), blockSize(fields) - sizeof(Block));
    }
    static void unpoison(void* p, size_t fields) { __asan_unpoison_memory_region(p, blockSize(fields)); }
#else
    static void poison(void*, size_t) { }
    static void unpoison(void*, size_t) { }
#endif
    Block* m_free[MaxFields + 1] = {};
    uint32_t m_count[MaxFields + 1] = {};
};

class EngineContext final : public BuiltinContext {
public:
    explicit EngineContext(ScriptEngine::Impl& engine)
        : m_engine(engine)
    {
    }
    ScriptSite* site() override;
    Result<Variant> createObject(std::u16string_view progId) override;
    Result<Variant> getObject(std::u16string_view path, std::u16string_view progId) override;

private:
    ScriptEngine::Impl& m_engine;
};

struct ScriptEngine::Impl {
    Impl();
    ~Impl();

    // --- host calls (ScriptEngine.cpp)
    template <class F>
    auto hostCall(F&& body) -> decltype(body());
    void report(ScriptError& error);
    Result<std::unique_ptr<Code>> load(std::u16string_view text, const OuterScope* outer);
    void commit(CompiledUnit& unit);
    Result<Variant> runTopLevel(const Code& code, Variant* outer, ClassInstance* me,
                                const std::vector<std::u16string>* outerNames = nullptr);
    void shutdown();

    // --- the interpreter (Interpreter.cpp)
    Status execute(Frame& root);
    // Ends an inline call: releases the callee's slots and restores the state
    // runProc saves. The caller's top is the callee's first slot.
    void leaveInline(InlineCall& call, Variant* slots, int32_t slotCount);
    // The general paths of instructions, out of the dispatch loop (Interpreter.cpp).
    Status consumeInto(Result<Variant>& r, Variant* from, Variant* sp, size_t lockBase, bool want);
    Status callThroughDispatch(const Instr& in, Frame& f, Variant* args, Variant* sp, size_t lockBase);
    Status getElemGeneral(const Instr& in, Frame& f, Variant* holder, const Variant& index, Variant& out);
    Status setElemGeneral(const Instr& in, Frame& f, Variant* holder, Variant* pair);
    Status loadIndexedGeneral(const Instr& in, Frame& f, Variant* v, Variant* args, Variant* sp, size_t lockBase);
    Status storeIndexedGeneral(const Instr& in, Frame& f, Variant* v, Variant* args, Variant* sp);
    inline bool inlineFrame(const Proc& proc, Variant* args, int32_t argc, Variant*& savedTop); // Interpreter.cpp
    Status poll();
    [[gnu::noinline]] Status pollAfterSlice(); // a loop used up its slice of the countdown
    void annotate(ScriptError& e, const Code& code, size_t pc) const;

    // --- calls and names (Calls.cpp)
    Result<Variant> invokeProc(const Proc& proc, ClassInstance* me, Args args, bool wantResult);
    // The call path under invokeProc. With moveArgs the arguments are the
    // caller's temporaries: values are moved into the callee's slots instead
    // of copied. The procedure's value is swapped into *result (Empty first).
    Status runProc(const Proc& proc, ClassInstance* me, Args args, bool wantResult, bool moveArgs, Variant* result);
    Result<Variant> classInvoke(ClassInstance& inst, int32_t member, InvokeKind kind, Args args, bool inside,
                                CallForm form = CallForm::Plain);
    Result<Variant> fieldInvoke(Variant& field, const Str& name, InvokeKind kind, Args args, CallForm form);
    Result<Variant> callMember(Variant& object, MemberSite& site, InvokeKind kind, Args args, Frame& f,
                               CallForm form = CallForm::Plain);
    Result<Variant> callValue(const Variant& callee, Args args, std::u16string_view name);
    Result<Variant*> element(Variant& array, Args indexes, bool forWrite);
    GlobalEntry* resolveSite(NameSite& site) { return site.entry ? site.entry : lookupSite(site); }
    // A var operand's script-level variable (null when the name is none), and
    // the value of a var operand's variable read or written: target when
    // there is one, else through the name's general look-up (Interpreter.cpp).
    Variant* boundVariable(NameSite& site);
    Result<Variant> readVariable(Variant* target, NameSite& site, const Code& code);
    Status writeVariable(Variant* target, NameSite& site, Variant&& value, const Code& code);
    GlobalEntry* lookupSite(NameSite& site);
    void cacheSite(NameSite& site, GlobalEntry* e)
    {
        if (!site.frameFirst)
            site.entry = e;
    }
    Result<Variant> loadGlobal(NameSite& site, Args args, bool indexed, const Code& code, bool wantResult = true);
    Status storeGlobal(NameSite& site, Args args, Variant&& value, StoreMode mode, const Code& code);
    Result<Variant> refGlobal(NameSite& site, const Code& code);
    Status prepareStore(Variant& value, StoreMode mode);
    Status assign(Variant& target, Variant&& value, StoreMode mode);
    Status storeElement(Variant& holder, Args indexes, Variant&& value, StoreMode mode);
    Status putDefault(const Variant& holder, Args args, StoreMode mode);
    Result<Variant> newObject(std::u16string_view className);
    Result<Variant> instantiate(ClassDef& cls);
    Result<Variant> intrinsic(Intrinsic which, Args args, Frame& f);
    Result<std::optional<Str>> intrinsicText(Intrinsic which, const Variant& arg);
    // The time-out is polled every PollInterval calls, and at once while
    // stopping (a stop zeroes the countdown).
    Status checkDepth()
    {
        const char* here = static_cast<const char*>(__builtin_frame_address(0));
        if (--m_pollCountdown <= 0 || m_callDepth >= MaxCallDepth
            || (m_stackBase && static_cast<size_t>(m_stackBase - here) > m_stackBudget)) [[unlikely]]
            return checkDepthSlow(here);
        return {};
    }
    Status checkDepthSlow(const char* here);
    // Releases the element locks above base whose references sit at or
    // above sp (popped), latest first.
    void dropLocks(size_t base, const Variant* sp);

    // --- Err
    void setErr(const ScriptError& e);
    void clearErr();

    // First, so that it goes last: instances freed while the engine's other
    // members are destroyed still give their memory back to it.
    InstancePool m_instancePool;
    const BuiltinFunction* m_builtins = builtinFunctions().data();
    ScriptSite* m_site = nullptr;
    int m_timeout = 0;
    ErrorHandler m_handler;
    ScriptError m_lastError;
    ScriptError m_err; // the Err object's state
    Ref<Object> m_errObject;
    EngineContext m_context;
    ClassRegistry m_registry; // CreateObject's host classes

    GlobalTable m_globals;
    std::vector<std::unique_ptr<Proc>> m_procs; // never freed before the engine: code may still run
    std::vector<std::unique_ptr<ClassDef>> m_classes;
    InstanceList m_instances;
    uint64_t m_instanceSerial = 0;
    std::unordered_set<Object*> m_bound; // Err and GetRef objects (see detachBound)
    ObjectRegistry m_holders;             // CreateObject's containers, emptied at close

    ValueStack m_stack;
    InlineCallStack m_inlineCalls;
    ArrayLockStack m_locks;
    FrameScope* m_frameScope = nullptr; // of the running procedure, when it ran Execute
    int m_hostDepth = 0;
    // Recursion deeper than this many script calls is "Out of stack space",
    // whatever the C++ stack still holds.
    static constexpr int MaxCallDepth = 100000;
    int m_callDepth = 0;
    const char* m_stackBase = nullptr;
    size_t m_stackBudget = 0;
    int m_pollCountdown = 0;
    // The poll slices of the running dispatch loops, innermost first: a
    // stop empties them all, so that every loop polls at its next back-edge
    // or call (code around a Class_Terminate that drops the stop included).
    struct PollSlice {
        int left = 1; // the first back-edge or call polls
        PollSlice* outer = nullptr;
    };
    PollSlice* m_pollSlices = nullptr;
    void stopPolling() noexcept
    {
        m_stopping = true;
        m_pollCountdown = 0;
        for (PollSlice* s = m_pollSlices; s; s = s->outer)
            s->left = 0;
    }
    std::chrono::steady_clock::time_point m_runStart;
    std::atomic<bool> m_interrupt { false };
    // Set by a stop (interrupt, time-out) until the outermost entry returns,
    // and for good once teardown stops: no script code starts, none resumes.
    bool m_stopping = false;
    bool m_closing = false;
    uint32_t m_closingInstances = 0; // instances created during teardown
    Status stop();
};

// The outermost entry into script code (a host call, teardown, or a host
// calling or releasing a class instance it holds) starts the time-out clock
// and arms the stack guard; nested entries only count.
class ScriptEntry {
public:
    explicit ScriptEntry(ScriptEngine::Impl& engine)
        : m_engine(engine)
        , m_savedBase(engine.m_stackBase)
    {
        if (m_engine.m_hostDepth++ == 0) {
            m_engine.m_runStart = std::chrono::steady_clock::now();
            m_engine.m_stackBase = static_cast<const char*>(__builtin_frame_address(0));
            m_engine.m_pollCountdown = 1;
        }
    }
    ~ScriptEntry()
    {
        if (--m_engine.m_hostDepth == 0) {
            m_engine.m_stackBase = m_savedBase;
            if (!m_engine.m_closing)
                m_engine.m_stopping = false;
        }
    }
    ScriptEntry(const ScriptEntry&) = delete;
    ScriptEntry& operator=(const ScriptEntry&) = delete;

private:
    ScriptEngine::Impl& m_engine;
    const char* m_savedBase;
};

// A script class instance: an Object to everyone who holds it.
class ClassInstance final : public Object {
public:
    // One allocation holds the instance and its variables, which follow it.
    static ClassInstance* create(ScriptEngine::Impl* engine, ClassDef& cls);
    ~ClassInstance() override;
    // The memory goes back to the engine's pool when there is an engine.
    static void operator delete(ClassInstance* p, std::destroying_delete_t) noexcept;
    Str typeName() const override { return m_name; }
    DispId memberId(std::u16string_view name) override;
    Result<Variant> invoke(DispId id, InvokeKind kind, Args args) override;
    Str memberName(DispId id) const override;

    ClassDef& classDef() const { return m_class; }
    std::span<Variant> fields() { return { m_fields, m_fieldCount }; }
    ScriptEngine::Impl* engine() const { return m_engine; }
    void detach() { m_engine = nullptr; }
    bool terminated = false;
    uint64_t serial = 0; // creation order: the engine terminates leftovers in it
    ClassInstance* prevInstance = nullptr; // the engine's InstanceList
    ClassInstance* nextInstance = nullptr;
    void runTerminate();

protected:
    void finalRelease() noexcept override;

private:
    ScriptEngine::Impl* m_engine;
    ClassDef& m_class;
    Str m_name; // outlives the class when a host keeps the instance
    Variant* m_fields;
    size_t m_fieldCount;
    ClassInstance(ScriptEngine::Impl* engine, ClassDef& cls);
};

// The object as a script class instance (of any engine), or null.
inline ClassInstance* asInstance(Object* obj)
{
    return obj && obj->objectKind() == ObjectKind::ScriptClass ? static_cast<ClassInstance*>(obj) : nullptr;
}

// The index of the member a site names in an instance's class (-1: none),
// cached per class.
inline int32_t memberIndex(ClassInstance& inst, MemberSite& site)
{
    ClassDef* cls = &inst.classDef();
    if (site.typeKey != cls) {
        site.typeKey = cls;
        site.id = cls->find(site.name);
        const ClassMember* m = site.id >= 0 ? &cls->members[site.id] : nullptr;
        site.field = m && m->isPublic ? m->field : -1;
    }
    return site.id;
}

inline const ClassMember* memberOf(ClassInstance& inst, MemberSite& site)
{
    int32_t i = memberIndex(inst, site);
    return i >= 0 ? &inst.classDef().members[i] : nullptr;
}

inline InstanceList::iterator& InstanceList::iterator::operator++()
{
    m_p = m_p->nextInstance;
    return *this;
}

inline void InstanceList::insert(ClassInstance* inst)
{
    inst->prevInstance = nullptr;
    inst->nextInstance = m_first;
    if (m_first)
        m_first->prevInstance = inst;
    m_first = inst;
}

inline void InstanceList::erase(ClassInstance* inst)
{
    if (inst->prevInstance)
        inst->prevInstance->nextInstance = inst->nextInstance;
    else if (m_first == inst)
        m_first = inst->nextInstance;
    else
        return; // not listed (the list was cleared)
    if (inst->nextInstance)
        inst->nextInstance->prevInstance = inst->prevInstance;
    inst->prevInstance = inst->nextInstance = nullptr;
}

// The Err object: reads and writes the engine's Err state.
Ref<Object> makeErrObject(ScriptEngine::Impl& engine);
// GetRef's result: invoking its default member calls the procedure.
Ref<Object> makeProcRef(ScriptEngine::Impl& engine, const Proc& proc);
// Holds a For Each enumerator in a hidden slot.
Ref<Object> makeEnumHolder(Ref<Enumerator> e);
Enumerator* enumeratorOf(Object* holder);
// Cuts Err and GetRef objects that outlive the engine loose from it.
void detachBound(ScriptEngine::Impl& engine);

} // namespace vbs
