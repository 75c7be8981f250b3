// The dispatch loop. Integer, Long and Double arithmetic and comparison run
// inline; everything else goes to Operators.h. Every failing instruction
// jumps to one error path: On Error Resume Next in this frame records the
// error in Err and resumes after the statement, otherwise the error returns
// to the caller.
#include "interpreter/Engine.h"

#include "runtime/Convert.h"
#include "runtime/Operators.h"

#include <array>
#include <cmath>
#include <new>
#include <span>

namespace vbs {

namespace {

constexpr int PollInterval = 4096;
constexpr int PollSliceLength = 32;

// Comparison results are copied from these rather than built by a call.
const Variant TrueValue = Variant::fromBool(true);
const Variant FalseValue = Variant::fromBool(false);

inline bool isSmallInt(VarType t)
{
    return t == VarType::Integer || t == VarType::Long;
}

inline bool bothSmallInts(VarType a, VarType b)
{
    return ((static_cast<unsigned>(a) ^ 2u) | (static_cast<unsigned>(b) ^ 2u)) < 2u;
}

inline int64_t intOf(const Variant& v)
{
    return v.asIntegerOrLong();
}

// Integer op Integer stays Integer when it fits, else Long; Long results
// that overflow become Double (the language's promotion).
inline Variant fromWide(int64_t r, VarType lt, VarType rt)
{
    if (lt == VarType::Integer && rt == VarType::Integer && r >= INT16_MIN && r <= INT16_MAX)
        return Variant::fromInteger(static_cast<int16_t>(r));
    if (r >= INT32_MIN && r <= INT32_MAX)
        return Variant::fromLong(static_cast<int32_t>(r));
    return Variant::fromDouble(static_cast<double>(r));
}

// Integer/Long arithmetic's result, promoted as the language does.
inline void setWide(Variant& out, int64_t r, VarType lt, VarType rt)
{
    if (lt == VarType::Integer && rt == VarType::Integer && r >= INT16_MIN && r <= INT16_MAX)
        out.setInteger(static_cast<int16_t>(r));
    else if (r >= INT32_MIN && r <= INT32_MAX)
        out.setLong(static_cast<int32_t>(r));
    else
        out.setDouble(static_cast<double>(r));
}

// A script-level variable's value when its site is bound to one.
inline Variant* globalVariable(const NameSite& site)
{
    GlobalEntry* e = site.entry;
    return e && e->kind == GlobalEntry::Kind::Variable ? &e->value : nullptr;
}

// Fast arithmetic on Integer/Long/Double pairs; false when the slow path is
// needed. `out` is Empty or a number: it is overwritten without a release.
inline bool fastArith(Op op, const Variant& l, const Variant& r, Variant& out)
{
    VarType lt = l.type(), rt = r.type();
    if (isSmallInt(lt) && isSmallInt(rt)) {
        int64_t a = intOf(l), b = intOf(r);
        switch (op) {
        case Op::Add: new (&out) Variant(fromWide(a + b, lt, rt)); return true;
        case Op::Sub: new (&out) Variant(fromWide(a - b, lt, rt)); return true;
        case Op::Mul: new (&out) Variant(fromWide(a * b, lt, rt)); return true;
        default: return false;
        }
    }
    if (lt == VarType::Double && rt == VarType::Double) {
        double a = l.asDouble(), b = r.asDouble();
        double v;
        switch (op) {
        case Op::Add: v = a + b; break;
        case Op::Sub: v = a - b; break;
        case Op::Mul: v = a * b; break;
        default: return false;
        }
        if (!std::isfinite(v))
            return false;
        new (&out) Variant(Variant::fromDouble(v));
        return true;
    }
    return false;
}

// A Double, Integer or Long operand as a Double; false for any other type.
inline bool doubleOperand(const Variant& v, VarType t, double& out)
{
    if (t == VarType::Double) {
        out = v.asDouble();
        return true;
    }
    out = static_cast<double>(intOf(v));
    return isSmallInt(t);
}

// The counter of a For loop after one step; an Empty step means the bounds
// never got set (an error skipped by On Error Resume Next).
Result<Variant> stepped(const Variant& counter, const Variant& step)
{
    Variant out;
    if (fastArith(Op::Add, counter, step, out))
        return out;
    if (step.isEmpty())
        return fail(ErrorCode::ForLoopNotInitialized);
    return opAdd(counter, step);
}

// Integer/Long \ and Mod: false when the slow path is needed (a zero
// divisor, other types, and the overflow of the most negative Long \ -1,
// which it reports). The operands are 32-bit, so is the division.
inline bool intDivision(Op op, VarType lt, VarType rt, int64_t a, int64_t b, int64_t& out)
{
    if (!isSmallInt(lt) || !isSmallInt(rt) || b == 0 || (b == -1 && a == INT32_MIN))
        return false;
    if (b == -1)
        out = op == Op::Mod ? 0 : -a;
    else
        out = op == Op::Mod ? int32_t(a) % int32_t(b) : int32_t(a) / int32_t(b);
    return true;
}

// The text an operand of & adds when it is a string, Empty, a number or a
// Boolean; false for what takes opConcat (Null, dates, objects, ...).
inline bool concatText(const Variant& v, NumberText& number, std::u16string_view& text)
{
    if (v.isString()) {
        text = v.stringView();
        return true;
    }
    if (v.isEmpty()) {
        text = {};
        return true;
    }
    if (formatNumber(v, number)) {
        text = number.view();
        return true;
    }
    return false;
}

// A script class instance of any engine: its Property Let takes objects.
inline bool isOwnInstance(const Variant& v)
{
    return v.isObject() && asInstance(v.asObject()) != nullptr;
}

// A store that needs no conversion: a swap does it (a Let replaces even an
// object the variable held; a Set stores an object as it is).
inline bool storesInPlace(StoreMode mode, const Variant& value)
{
    return mode == StoreMode::Raw || (mode == StoreMode::Let) != value.isObject();
}

// x: the comparisons' Literals.
Result<Variant> slowBinary(Op op, const Variant& l, const Variant& r, uint8_t x = 0)
{
    switch (op) {
    case Op::Add: return opAdd(l, r);
    case Op::Sub: return opSub(l, r);
    case Op::Mul: return opMul(l, r);
    case Op::Div: return opDiv(l, r);
    case Op::IntDiv: return opIntDiv(l, r);
    case Op::Mod: return opMod(l, r);
    case Op::Pow: return opPow(l, r);
    case Op::Concat: return opConcat(l, r);
    case Op::Eq: return opCompare(l, r, CompareOp::Eq, CompareMode::Binary, Literals(x));
    case Op::Ne: return opCompare(l, r, CompareOp::Ne, CompareMode::Binary, Literals(x));
    case Op::Lt: return opCompare(l, r, CompareOp::Lt, CompareMode::Binary, Literals(x));
    case Op::Gt: return opCompare(l, r, CompareOp::Gt, CompareMode::Binary, Literals(x));
    case Op::Le: return opCompare(l, r, CompareOp::Le, CompareMode::Binary, Literals(x));
    case Op::Ge: return opCompare(l, r, CompareOp::Ge, CompareMode::Binary, Literals(x));
    case Op::And: return opAnd(l, r);
    case Op::Or: return opOr(l, r);
    case Op::Xor: return opXor(l, r);
    case Op::Eqv: return opEqv(l, r);
    case Op::Imp: return opImp(l, r);
    case Op::Is: {
        TRY_ASSIGN(b, opIs(l, r));
        return Variant::fromBool(b);
    }
    default: return fail(ErrorCode::InternalError);
    }
}

// An immediate form's operator on other than Integer/Long operands. x: the
// instruction's (a comparison's Literals, ImmediateLong).
[[gnu::noinline]] Result<Variant> immediateGeneral(Op op, const Variant& l, int32_t imm, uint8_t x)
{
    const Variant r = x & ImmediateLong ? Variant::fromLong(imm) : Variant::fromInteger(static_cast<int16_t>(imm));
    Variant out;
    if ((op == Op::Add || op == Op::Sub) && fastArith(op, l, r, out))
        return out;
    return slowBinary(op, l, r, x & 3);
}

inline Result<bool> condition(const Variant& v)
{
    if (v.type() == VarType::Boolean)
        return v.asBool();
    return toCondition(v);
}

Result<double> asNumber(const Variant& v)
{
    if (isSmallInt(v.type()))
        return static_cast<double>(intOf(v));
    if (v.type() == VarType::Double)
        return v.asDouble();
    return toDouble(v);
}

// A For counter past its end (beyond it in the step's direction).
Result<bool> pastEnd(const Variant& counter, const Variant& end, const Variant& step)
{
    if (isSmallInt(counter.type()) && isSmallInt(end.type()) && isSmallInt(step.type()))
        return intOf(step) >= 0 ? intOf(counter) > intOf(end) : intOf(counter) < intOf(end);
    TRY_ASSIGN(c, asNumber(counter));
    TRY_ASSIGN(e, asNumber(end));
    TRY_ASSIGN(st, asNumber(step));
    return st >= 0 ? c > e : c < e;
}

// The bounds of a Dim or ReDim, without an allocation: past MaxDims only
// one more is kept, which is enough for the array to refuse the shape.
using Bounds = std::array<int32_t, Array::MaxDims + 1>;
Status collectBounds(Variant* first, int n, Bounds& out, size_t& count)
{
    count = 0;
    for (int i = 0; i < n; ++i) {
        TRY_ASSIGN(b, toLong(first[i].deref()));
        if (count < out.size())
            out[count++] = b;
    }
    return {};
}

// The script's name of a variable operand, for messages.
std::u16string_view varName(const Code& code, const Instr& in)
{
    switch (varKindOf(in.x)) {
    case VarKind::Local:
        return size_t(in.a) < code.slotNames.size() ? code.slotNames[in.a].view() : std::u16string_view();
    case VarKind::Global:
        return code.names[in.a].name.view();
    default:
        return {};
    }
}

} // namespace

void ScriptEngine::Impl::annotate(ScriptError& e, const Code& code, size_t pc) const
{
    if (e.line != 0 || pc >= code.info.size())
        return;
    e.line = code.info[pc].line;
    e.column = code.info[pc].column;
    if (code.source && e.line >= 1 && size_t(e.line) <= code.source->lines.size())
        e.lineText = Str(code.source->lines[e.line - 1]);
}

// Stops the running code: from here every back-edge and call polls again and
// fails, until the outermost entry returns.
Status ScriptEngine::Impl::stop()
{
    stopPolling();
    ScriptError e = makeError(ErrorCode::UserInterrupt);
    e.uncatchable = true;
    return fail(std::move(e));
}

Status ScriptEngine::Impl::pollAfterSlice()
{
    m_pollCountdown -= PollSliceLength;
    return m_pollCountdown <= 0 ? poll() : Status();
}

// The time-out and interrupt check, every PollInterval back-edges and calls.
Status ScriptEngine::Impl::poll()
{
    m_pollCountdown = PollInterval;
    // A stop holds until the outermost entry returns: a Class_Terminate that
    // drops its error does not let the code around it go on.
    if (m_stopping || m_interrupt.exchange(false))
        return stop();
    if (m_timeout <= 0)
        return {};
    auto now = std::chrono::steady_clock::now();
    if (now - m_runStart < std::chrono::milliseconds(m_timeout))
        return {};
    if (m_site && m_site->stopOnTimeout())
        return stop();
    m_runStart = std::chrono::steady_clock::now();
    return {};
}

// Variables by kind: x & 3 of a var operand.
#define VAR_SLOT(in) \
    (varKindOf((in).x) == VarKind::Local ? &slots[(in).a].deref() \
     : varKindOf((in).x) == VarKind::Outer ? &f.outer[(in).a].deref() \
     : varKindOf((in).x) == VarKind::Field ? &f.me->fields()[(in).a] : nullptr)

void ScriptEngine::Impl::leaveInline(InlineCall& call, Variant* slots, int32_t slotCount)
{
    --m_callDepth;
    m_frameScope = call.outerScope;
    for (int32_t i = 0; i < slotCount; ++i)
        slots[i].clear();
    m_stack.restoreTop(call.savedTop);
}

Variant* ScriptEngine::Impl::boundVariable(NameSite& site)
{
    GlobalEntry* e = resolveSite(site);
    return e && e->kind == GlobalEntry::Kind::Variable ? &e->value : nullptr;
}

Result<Variant> ScriptEngine::Impl::readVariable(Variant* target, NameSite& site, const Code& code)
{
    if (target)
        return *target;
    return loadGlobal(site, {}, false, code);
}

Status ScriptEngine::Impl::writeVariable(Variant* target, NameSite& site, Variant&& value, const Code& code)
{
    if (target)
        return assign(*target, std::move(value), StoreMode::Let);
    return storeGlobal(site, {}, std::move(value), StoreMode::Let, code);
}

// The end of a general path: the values it consumed, from `from` up to sp,
// go with their ByRef element locks; the result, if wanted, takes their place.
inline Status ScriptEngine::Impl::consumeInto(Result<Variant>& r, Variant* from, Variant* sp, size_t lockBase, bool want)
{
    while (sp != from)
        (--sp)->clearObject();
    if (m_locks.size() > lockBase)
        dropLocks(lockBase, sp);
    if (!r.ok())
        return r.takeError();
    if (want)
        new (sp) Variant(std::move(r.value()));
    return {};
}

// The general paths of the element instructions, out of the dispatch loop
// so that its registers stay with the fast paths.

// GetElem: any index, a non-array, an unresolved name. The holder is a
// local or a script-level variable (null for a name not bound to one).
Status ScriptEngine::Impl::getElemGeneral(const Instr& in, Frame& f, Variant* holder, const Variant& index,
                                          Variant& out)
{
    const Code& code = *f.code;
    // An object's default member takes a variable by reference, as any call
    // does (and without a count); a constant, or an array's index, by value.
    const bool object = holder && holder->isObject();
    Variant indexValue = object && !isConstOperand(in.c) ? Variant::fromRef(const_cast<Variant*>(&index)) : index;
    if (Object* obj = object ? holder->asObject() : nullptr; obj && obj->objectKind() == ObjectKind::Host) {
        // A host object's default member (a Dictionary's Item), called as
        // callValue would, without its layers.
        Ref<Object> keepAlive(obj);
        Result<Variant> r = obj->invoke(DispIdValue, InvokeKind::MethodOrGet, Args(&indexValue, 1));
        if (!r.ok())
            return r.takeError();
        out = std::move(r.value());
        return {};
    }
    Result<Variant> r = Variant();
    if (holder && holder->isArray()) {
        auto el = element(*holder, Args(&indexValue, 1), false);
        r = el.ok() ? Result<Variant>(*el.value()) : Result<Variant>(el.takeError());
    } else if (holder) {
        std::u16string_view name = in.b < 0 ? code.names[operandSite(in.b)].name.view()
            : code.slotNames.size() > size_t(in.b) ? code.slotNames[in.b].view()
                                                   : std::u16string_view();
        r = callValue(*holder, Args(&indexValue, 1), name);
    } else {
        r = loadGlobal(const_cast<NameSite&>(code.names[operandSite(in.b)]), Args(&indexValue, 1), true, code, true);
    }
    if (!r.ok())
        return r.takeError();
    out = std::move(r.value());
    return {};
}

// SetElem: pair holds the index and the value, the operands already freed.
Status ScriptEngine::Impl::setElemGeneral(const Instr& in, Frame& f, Variant* holder, Variant* pair)
{
    const Code& code = *f.code;
    // An object in a variable: its default member takes the index and the
    // value (storeGlobal's path for a script-level one ends there too).
    if (holder && holder->isObject() && holder->asObject())
        return putDefault(*holder, Args(pair, 2), StoreMode::Let);
    if (holder && in.a >= 0) {
        if (holder->isArray())
            return storeElement(*holder, Args(pair, 1), std::move(pair[1]), StoreMode::Let);
        if (holder->isObject() && holder->asObject())
            return putDefault(*holder, Args(pair, 2), StoreMode::Let);
        return fail(ErrorCode::TypeMismatch,
                    code.slotNames.size() > size_t(in.a) ? code.slotNames[in.a].view() : std::u16string_view());
    }
    return storeGlobal(const_cast<NameSite&>(code.names[operandSite(in.a)]), Args(pair, 1), std::move(pair[1]),
                       StoreMode::Let, code);
}

// LoadIndexed: the indexes at args are consumed; the value takes the first
// one's place.
Status ScriptEngine::Impl::loadIndexedGeneral(const Instr& in, Frame& f, Variant* v, Variant* args, Variant* sp,
                                              size_t lockBase)
{
    const Code& code = *f.code;
    Result<Variant> r = Variant();
    if (v) {
        if (v->isArray()) {
            auto el = element(*v, Args(args, in.b), false);
            r = el.ok() ? Result<Variant>(*el.value()) : Result<Variant>(el.takeError());
        } else {
            r = callValue(*v, Args(args, in.b), varName(code, in));
        }
    } else {
        r = loadGlobal(const_cast<NameSite&>(code.names[in.a]), Args(args, in.b), true, code,
                       !(in.x & StatementCall));
    }
    return consumeInto(r, args, sp, lockBase, true);
}

// StoreIndexed: the indexes at args and the value after them are consumed.
Status ScriptEngine::Impl::storeIndexedGeneral(const Instr& in, Frame& f, Variant* v, Variant* args, Variant* sp)
{
    const Code& code = *f.code;
    Status st;
    if (v) {
        if (v->isArray())
            st = storeElement(*v, Args(args, in.b), std::move(sp[-1]), storeModeOf(in.x));
        else if (v->isObject() && v->asObject())
            st = putDefault(*v, Args(args, in.b + 1u), storeModeOf(in.x));
        else
            st = fail(ErrorCode::TypeMismatch, varName(code, in));
    } else {
        st = storeGlobal(const_cast<NameSite&>(code.names[in.a]), Args(args, in.b), std::move(sp[-1]),
                         storeModeOf(in.x), code);
    }
    while (sp != args)
        (--sp)->clear();
    return st;
}

// The general call of CallMember, CallValue and CallMe: the arguments, and
// the object below them, are consumed; the result, if wanted, takes the
// place of the first of them.
Status ScriptEngine::Impl::callThroughDispatch(const Instr& in, Frame& f, Variant* args, Variant* sp, size_t lockBase)
{
    // Each kind builds its result in place: no Result is moved or assigned.
    const bool want = in.x & 1;
    if (in.op == Op::CallMember) {
        // A host object's member the site knows: called without callMember's
        // layers (a Dictionary's Exists, a RegExp's Test).
        MemberSite& site = const_cast<MemberSite&>(f.code->members[in.a]);
        if (const Variant& ov = args[-1].deref(); ov.isObject()) {
            Object* obj = ov.asObject();
            if (obj && obj->objectKind() == ObjectKind::Host
                && site.typeKey == &static_cast<HostObject*>(obj)->classInfo() && site.id != DispIdUnknown) {
                Ref<Object> keepAlive(obj);
                Result<Variant> r = obj->invoke(site.id, InvokeKind::MethodOrGet, Args(args, in.b));
                return consumeInto(r, args - 1, sp, lockBase, want);
            }
        }
        Result<Variant> r = callMember(args[-1], site, InvokeKind::MethodOrGet, Args(args, in.b), f,
                                       in.x & EmptyListCall ? CallForm::EmptyList : CallForm::Plain);
        return consumeInto(r, args - 1, sp, lockBase, want);
    }
    if (in.op == Op::CallMe) {
        Result<Variant> r = classInvoke(*f.me, in.a, InvokeKind::MethodOrGet, Args(args, in.b), true);
        return consumeInto(r, args, sp, lockBase, want);
    }
    Result<Variant> r = callValue(args[-1], Args(args, in.b), {});
    return consumeInto(r, args - 1, sp, lockBase, want);
}

// The frame of an inline call of proc, at its argc arguments: false when it
// does not fit in the current chunk (runProc then makes one). ByVal
// parameters given a variable get its value.
[[gnu::always_inline]] inline bool ScriptEngine::Impl::inlineFrame(const Proc& proc, Variant* args, int32_t argc,
                                                                 Variant*& savedTop)
{
    if (!m_stack.extendAt(args, static_cast<size_t>(proc.code.slotCount + proc.code.maxStack), savedTop))
        return false;
    if (proc.anyByVal) [[unlikely]] {
        for (int32_t i = 0; i < argc; ++i) {
            if (args[i].isRef() && proc.byVal[i]) {
                Variant copy = args[i].deref();
                args[i] = std::move(copy);
            }
        }
    }
    return true;
}

// Writes each instruction's handler.
[[gnu::cold, gnu::noinline]] static void threadCode(const Code& code, const void* const* handlers)
{
    for (const Instr& i : code.instrs)
        i.handler = handlers[static_cast<uint8_t>(i.op)];
    code.threaded = true;
}

// Runs root's code. Calls of script procedures by name run in this loop:
// the callee's frame is pushed on m_inlineCalls and becomes the current one.
Status ScriptEngine::Impl::execute(Frame& root)
{
    Frame* fp = &root;
    const Instr* ip = root.code->instrs.data();
    Variant* sp = root.slots + root.code->slotCount;
    // ByRef array elements passed to the call being set up; dropped after it.
    size_t lockBase = m_locks.size();
    // The error being handled. Still set when a frame is entered, it is a
    // callee's that failed the caller's call instruction.
    ErrorTag pending;
    Variant scratchB, scratchC;
    bool scratchUsed = false;
    // This loop's poll slice, linked for stopPolling while the loop runs.
    struct SliceLink {
        SliceLink(ScriptEngine::Impl& engine)
            : m_engine(engine)
        {
            slice.outer = engine.m_pollSlices;
            engine.m_pollSlices = &slice;
        }
        ~SliceLink() { m_engine.m_pollSlices = slice.outer; }
        ScriptEngine::Impl& m_engine;
        PollSlice slice;
    } sliceLink(*this);
#define pollSlice (sliceLink.slice.left)

    // The running frame, its code and its slots: set on entering a frame,
    // by a call and a return in place.
#define f (*fp)
#define CODE (*codeP)
    const Code* codeP;
    const Instr* instrs;
    Variant* slots;
    // The handlers by opcode; the instruction running is *ip. Each
    // instruction carries its own, written on the first entry into its code:
    // a dispatch is one indirect jump.
    static const void* const handlers[] = {
#define OP(name, operands, effect) &&op_##name,
#include "compiler/Opcodes.def"
#undef OP
    };
#define THREAD_CODE()                       \
    if (!CODE.threaded) [[unlikely]]        \
        threadCode(CODE, handlers)
enterFrame:
    codeP = fp->code;
    THREAD_CODE();
    instrs = CODE.instrs.data();
    slots = f.slots;
    // Read through code where used: a frame's entry sets fewer locals.
#define NAMES (const_cast<NameSite*>(CODE.names.data()))
#define CONSTS (CODE.consts.data())
    if (pending.error) [[unlikely]]
        goto onError;

#define FAIL_WITH(expr)            \
    do {                           \
        pending = fail(expr);      \
        goto onError;              \
    } while (0)
#define CHECK(res)                          \
    do {                                    \
        auto&& _r = (res);                  \
        if (!_r.ok()) [[unlikely]] {        \
            pending = _r.takeError();       \
            goto onError;                   \
        }                                   \
    } while (0)
// The frame's member sites, read where needed: one register less for the loop.
#define MEMBER(i) const_cast<MemberSite&>(CODE.members[i])
// Operand-stack slots above sp are always Empty: copy-construct into them.
#define PUSH_COPY(value) Variant::copyTo(sp++, value)
#define DROP_LOCKS()                  \
    if (m_locks.size() > lockBase) \
    dropLocks(lockBase, sp)
// R operands. A script-level variable whose site is not (yet) bound to a
// variable goes through the general look-up into a scratch value.
#define OPERAND(var, o, scratch)                                                                 \
    const Variant* var;                                                                          \
    if ((o) >= 0) {                                                                              \
        var = &slots[o].deref();                                                                 \
    } else if ((o) > GlobalOperands) {                                                           \
        var = &CONSTS[~(o)];                                                                     \
    } else if ((o) <= FieldOperands) {                                                           \
        var = &f.me->fields()[operandField(o)];                                                  \
    } else if (GlobalEntry* _e = NAMES[operandSite(o)].entry;                                    \
               _e && _e->kind == GlobalEntry::Kind::Variable) {                                  \
        var = &_e->value;                                                                        \
    } else {                                                                                     \
        auto _g = loadGlobal(NAMES[operandSite(o)], {}, false, CODE);                            \
        CHECK(_g);                                                                               \
        scratch = std::move(_g.value());                                                         \
        scratchUsed = true;                                                                      \
        var = &scratch;                                                                          \
    }
// The temporaries' top moves to where the compiler counted it, and the
// temporaries the instruction consumed are freed by `release`.
#define RELEASE_OPERANDS(in, release)                             \
    sp = slots + (in).depth;                                      \
    if ((in).x & (ReleaseB | ReleaseC)) {                         \
        if ((in).x & ReleaseB)                                    \
            slots[(in).b].release();                              \
        if ((in).x & ReleaseC)                                    \
            slots[(in).c].release();                              \
    }
// Frees the temporaries an instruction consumed and the scratch values.
#define FINISH_OPERANDS(in) FINISH_OPERANDS_WITH(in, clearString)
#define FINISH_OPERANDS_WITH(in, release)                         \
    RELEASE_OPERANDS(in, release)                                 \
    if (scratchUsed) [[unlikely]] {                               \
        scratchB.clear();                                         \
        scratchC.clear();                                         \
        scratchUsed = false;                                      \
    }
// FINISH_OPERANDS where both operands were numbers: a consumed temporary
// owns nothing, and scratch values, if any, are numbers that may wait.
#define FINISH_PLAIN_OPERANDS(in) RELEASE_OPERANDS(in, forgetPlain)
// The R operand a as a variable to write, or null for the general store.
#define TARGET(o)                                         \
    ((o) >= 0                  ? &slots[o].deref()        \
         : (o) <= FieldOperands ? &f.me->fields()[operandField(o)] \
                                : globalVariable(NAMES[operandSite(o)]))
// Stores an instruction's result into its R operand a.
#define PUT(o, val)                                                                           \
    if (Variant* _d = TARGET(o)) {                                                            \
        *_d = val;                                                                            \
    } else {                                                                                  \
        CHECK(storeGlobal(NAMES[operandSite(o)], {}, val, StoreMode::Let, CODE));             \
    }
// A comparison's or Is's truth: with x & Branch it jumps to a when the truth
// is BranchIfTrue's; otherwise the Boolean goes into the R operand a.
#define BRANCH_OR_PUT_TRUTH(in, truth)                                                     \
    if ((in).x & Branch) {                                                                 \
        if ((truth) == (((in).x & BranchIfTrue) != 0)) {                                   \
            POLL_BACK(in);                                                                 \
            JUMP((in).a);                                                                  \
        }                                                                                  \
        NEXT();                                                                            \
    }                                                                                      \
    PUT_TRUTH(in, truth)
#define PUT_TRUTH(in, truth)                                                               \
    if (Variant* _d = TARGET((in).a)) {                                                    \
        _d->setPlain((truth) ? TrueValue : FalseValue);                                    \
        NEXT();                                                                            \
    }                                                                                      \
    CHECK(storeGlobal(NAMES[operandSite((in).a)], {}, Variant((truth) ? TrueValue : FalseValue), \
                      StoreMode::Let, CODE));                                              \
    break
// Makes callee's frame, which starts at argsAt, the current one: the caller
// resumes at ip with its top at resultPos, where the result goes.
#define ENTER_INLINE(callee, meValue, argsAt, resultPos, topValue, want) \
    do {                                                          \
        InlineCall& _call = m_inlineCalls.push();                 \
        Frame& _f = _call.frame;                                  \
        _f.code = &(callee).code;                                 \
        _f.proc = &(callee);                                      \
        _f.slots = (argsAt);                                      \
        _f.me = (meValue);                                        \
        _f.resumeNext = false;                                    \
        _f.usedResumeNext = false;                                \
        _call.caller = fp;                                        \
        _call.returnIp = ip + 1;                                  \
        _call.resultAt = (resultPos);                             \
        _call.lockBase = lockBase;                                \
        _call.savedTop = (topValue);                              \
        _call.outerScope = m_frameScope;                          \
        _call.wantResult = (want);                                \
        m_frameScope = nullptr;                                   \
        ++m_callDepth;                                            \
        fp = &_f;                                                 \
        codeP = &(callee).code;                                   \
        THREAD_CODE();                                            \
        instrs = ip = CODE.instrs.data();                         \
        slots = (argsAt);                                         \
        sp = (argsAt) + CODE.slotCount;                           \
        lockBase = m_locks.size();                                \
    } while (0)
// The callee ENTER_INLINE made current starts at once.
#define START_CALLEE() goto* in.handler
// The time-out and interrupt check, on back-edges and calls.
// A loop counts down its own slice (a stack slot, not the engine's field)
// and takes it from the engine's countdown when the slice is used up: a stop,
// which zeroes that countdown, is seen within one slice.
#define POLL()                                    \
    do {                                          \
        if (--pollSlice <= 0) [[unlikely]] {      \
            pollSlice = PollSliceLength;          \
            CHECK(pollAfterSlice());              \
        }                                         \
    } while (0)
// ip is the running instruction until its handler ends; a jump goes on at
// its target at once.
#define JUMP(target)                  \
    do {                              \
        ip = instrs + (target);       \
        goto* in.handler; \
    } while (0)
// A jump where a local with a destructor is alive: an indirect jump may not
// leave its scope, so this one leaves the switch and takes the shared
// dispatch (its targets, past the loop's start, are never 0).
#define JUMP_OUT(target)              \
    {                                 \
        ip = instrs + (target) - 1;   \
        break;                        \
    }
// The fast paths' end: the next instruction's dispatch, here rather than
// shared, so that each handler's jump is predicted on its own. JUMP and NEXT
// are indirect jumps: only where no local with a destructor is alive.
#define NEXT()                        \
    do {                              \
        ++ip;                         \
        goto* in.handler; \
    } while (0)
#define POLL_BACK(in)                 \
    if ((in).x & BackEdge)            \
    POLL()

#define in (*ip)
    for (;;) {
    for (;;) {
        // Threaded: a frame's entry and a resumed error dispatch here, the
        // hot handlers' fast paths at their own ends (NEXT), the rest after
        // the switch, whose only use is its breaks. The padding keeps this
        // jump in one cache line whatever the code before it (that moved
        // timings by up to 10 % from build to build).
        asm volatile("jmp 1f\n\t.p2align 6\n1:");
        goto* in.handler;
        switch (in.op) {
        case Op::PushConst: op_PushConst:
            PUSH_COPY(CODE.consts[in.a]);
            break;
        case Op::Pop: op_Pop:
            (--sp)->clear();
            break;
        case Op::PushMe: op_PushMe:
            if (!f.me)
                FAIL_WITH(makeError(ErrorCode::ObjectRequired, u"Me"));
            new (sp++) Variant(Variant::fromObject(f.me));
            break;
        case Op::PushErr: op_PushErr:
            new (sp++) Variant(Variant::fromObject(m_errObject));
            break;
        case Op::New: op_New: {
            // A script class: its entry is cached by the name site.
            if (GlobalEntry* e = resolveSite(NAMES[in.b]); e && e->kind == GlobalEntry::Kind::Class) {
                auto inst = instantiate(*e->cls);
                CHECK(inst);
                new (sp++) Variant(std::move(inst.value()));
                break;
            }
            auto r = newObject(CODE.consts[in.a].stringView());
            if (!r.ok() && (in.x & NewUndeclared) && r.error().number == errorNumber(ErrorCode::ClassNotDefined)
                && !m_globals.find(CODE.consts[in.a].stringView()))
                FAIL_WITH(makeError(ErrorCode::VariableIsUndefined, CODE.consts[in.a].stringView()));
            CHECK(r);
            new (sp++) Variant(std::move(r.value()));
            break;
        }
        case Op::LoadLocal: op_LoadLocal:
            PUSH_COPY(slots[in.a].deref());
            break;
        case Op::LoadLocalMember: op_LoadLocalMember: {
            const Variant& o = slots[in.a].deref();
            if (o.isObject()) {
                ClassInstance* inst = asInstance(o.asObject());
                if (inst && inst->engine() == this) {
                    // A public field the site has seen in this class is read
                    // at once; a private one from inside after a look-up.
                    MemberSite& site = MEMBER(ip[1].a);
                    int32_t field = site.typeKey == &inst->classDef() ? site.field : -1;
                    if (field < 0) {
                        const ClassMember* m = memberOf(*inst, site);
                        field = m && (m->isPublic || inst == f.me) ? m->field : -1;
                    }
                    if (field >= 0) {
                        PUSH_COPY(inst->fields()[field]);
                        ip += 2;
                        goto* in.handler;
                    }
                }
            }
            PUSH_COPY(o);
            break;
        }
        case Op::StoreLocal: op_StoreLocal: {
            Variant& target = slots[in.a].deref();
            Variant& value = *--sp;
            if (storesInPlace(StoreMode(in.x), value)) {
                target.swap(value);
                value.clear();
            } else {
                // Cleared before a failure leaves: it is below sp already.
                Status st = assign(target, std::move(value), StoreMode(in.x));
                value.clear();
                CHECK(st);
            }
            break;
        }
        case Op::LoadVar: op_LoadVar: {
            if (Variant* v = VAR_SLOT(in)) {
                PUSH_COPY(*v);
                break;
            }
            NameSite& site = NAMES[in.a];
            if (site.entry && site.entry->kind == GlobalEntry::Kind::Variable) {
                PUSH_COPY(site.entry->value);
                break;
            }
            auto r = loadGlobal(site, {}, false, CODE);
            CHECK(r);
            new (sp++) Variant(std::move(r.value()));
            break;
        }
        case Op::StoreVar: op_StoreVar: {
            Variant* target = VAR_SLOT(in);
            if (!target && NAMES[in.a].entry && NAMES[in.a].entry->kind == GlobalEntry::Kind::Variable)
                target = &NAMES[in.a].entry->value;
            if (target && storesInPlace(storeModeOf(in.x), sp[-1])) {
                // The old value is released after the variable holds the new one.
                target->swap(*--sp);
                sp->clear();
                break;
            }
            Variant value = std::move(*--sp);
            if (Variant* v = VAR_SLOT(in)) {
                CHECK(assign(*v, std::move(value), storeModeOf(in.x)));
                break;
            }
            CHECK(storeGlobal(NAMES[in.a], {}, std::move(value), storeModeOf(in.x), CODE));
            break;
        }
        case Op::RefVar: op_RefVar: {
            if (Variant* v = VAR_SLOT(in)) {
                new (sp++) Variant(Variant::fromRef(v));
                break;
            }
            NameSite& site = NAMES[in.a];
            if (site.entry && site.entry->kind == GlobalEntry::Kind::Variable) {
                new (sp++) Variant(Variant::fromRef(&site.entry->value));
                break;
            }
            auto r = refGlobal(site, CODE);
            CHECK(r);
            new (sp++) Variant(std::move(r.value()));
            break;
        }
        case Op::AddVar: op_AddVar: {
            // s = s + p1 + ... + pb, the pieces (which run no code) on the stack.
            Variant* const pieces = sp - in.b;
            Variant* target = VAR_SLOT(in);
            if (!target)
                target = boundVariable(NAMES[in.a]);
            bool strings = target && (target->isString() || target->isEmpty());
            for (Variant* p = pieces; strings && p != sp; ++p)
                strings = p->isString();
            if (strings) {
                bool ok = true;
                for (Variant* p = pieces; ok && p != sp; ++p)
                    ok = target->appendString(p->stringView());
                while (sp != pieces)
                    (--sp)->clearString();
                if (!ok)
                    FAIL_WITH(makeError(ErrorCode::OutOfMemory));
                break;
            }
            // Otherwise + in turn, as written.
            auto current = readVariable(target, NAMES[in.a], CODE);
            CHECK(current);
            Variant sum = std::move(current.value());
            Status st;
            for (Variant* p = pieces; st.ok() && p != sp; ++p) {
                auto next = slowBinary(Op::Add, sum, *p);
                if (next.ok())
                    sum = std::move(next.value());
                else
                    st = next.takeError();
            }
            while (sp != pieces)
                (--sp)->clear();
            CHECK(st);
            CHECK(writeVariable(target, NAMES[in.a], std::move(sum), CODE));
            break;
        }
        case Op::AppendVar: op_AppendVar: {
            Variant tail = std::move(*--sp);
            Variant* target = VAR_SLOT(in);
            if (!target)
                target = boundVariable(NAMES[in.a]);
            if (target && (target->isString() || target->isEmpty()) && !tail.isObject() && !tail.isArray()) {
                Str text;
                NumberText number;
                std::u16string_view piece;
                if (tail.isString()) {
                    piece = tail.stringView();
                } else if (formatNumber(tail, number)) {
                    piece = number.view();
                } else if (!tail.isNull()) {
                    auto converted = toString(tail);
                    CHECK(converted);
                    text = std::move(converted.value());
                    piece = text.view();
                }
                if (!target->appendString(piece))
                    FAIL_WITH(makeError(ErrorCode::OutOfMemory));
                break;
            }
            auto current = readVariable(target, NAMES[in.a], CODE);
            CHECK(current);
            auto joined = opConcat(current.value(), tail);
            CHECK(joined);
            current.value().clear();
            CHECK(writeVariable(target, NAMES[in.a], std::move(joined.value()), CODE));
            break;
        }
        case Op::LoadIndexed: op_LoadIndexed: {
            Variant* args = sp - in.b;
            Variant* v = VAR_SLOT(in);
            if (Variant* held = v ? v : varKindOf(in.x) == VarKind::Global ? globalVariable(NAMES[in.a]) : nullptr;
                held && held->isArray()) {
                // An element at whole-number indexes, of any dimension count.
                if (const Variant* e = held->asArray()->elementAtIndexes(args, in.b)) {
                    Variant value;
                    Variant::copyTo(&value, *e);
                    while (sp != args)
                        (--sp)->clear();
                    DROP_LOCKS();
                    new (sp++) Variant(std::move(value));
                    break;
                }
            }
            Status st = loadIndexedGeneral(in, f, v, args, sp, lockBase);
            sp = args;
            CHECK(st);
            ++sp;
            break;
        }
        case Op::StoreIndexed: op_StoreIndexed: {
            Variant* args = sp - in.b - 1;
            Variant* v = VAR_SLOT(in);
            if (Variant* held = v ? v : varKindOf(in.x) == VarKind::Global ? globalVariable(NAMES[in.a]) : nullptr;
                held && held->isArray() && !sp[-1].isObject() && storeModeOf(in.x) != StoreMode::Set) {
                // A plain value into an element at whole-number indexes of an
                // array this variable alone holds (or one locked in place).
                Array* arr = held->asArray();
                if (arr->refCount() <= 1 || arr->locked()) {
                    if (Variant* e = arr->elementAtIndexes(args, in.b)) {
                        e->takeFrom(sp[-1]); // the old element is released last
                        while (sp != args)
                            (--sp)->clear();
                        break;
                    }
                }
            }
            Status st = storeIndexedGeneral(in, f, v, args, sp);
            sp = args;
            CHECK(st);
            break;
        }
        case Op::RefIndexed: op_RefIndexed: {
            Variant* args = sp - in.b;
            Variant* v = VAR_SLOT(in);
            if (!v) {
                GlobalEntry* e = resolveSite(NAMES[in.a]);
                v = e && e->kind == GlobalEntry::Kind::Variable ? &e->value : nullptr;
            }
            Result<Variant> r = Variant();
            if (v && v->isArray()) {
                auto el = element(*v, Args(args, in.b), true);
                if (el.ok()) {
                    m_locks.emplace_back(v->asArray(), args);
                    r = Variant::fromRef(el.value());
                } else {
                    r = el.takeError();
                }
            } else if (v) {
                r = callValue(*v, Args(args, in.b), varName(CODE, in));
            } else {
                r = loadGlobal(NAMES[in.a], Args(args, in.b), true, CODE);
            }
            while (sp != args)
                (--sp)->clear();
            CHECK(r);
            new (sp++) Variant(std::move(r.value()));
            break;
        }
        case Op::RefElement: op_RefElement: {
            Variant* args = sp - in.b;
            Variant& holder = args[-1].deref();
            Result<Variant> r = Variant();
            if (holder.isArray()) {
                auto el = element(holder, Args(args, in.b), true);
                if (el.ok()) {
                    m_locks.emplace_back(holder.asArray(), args - 1);
                    r = Variant::fromRef(el.value());
                } else {
                    r = el.takeError();
                }
            } else {
                r = callValue(holder, Args(args, in.b), {});
            }
            while (sp != args - 1)
                (--sp)->clear();
            CHECK(r);
            new (sp++) Variant(std::move(r.value()));
            break;
        }
        case Op::DimArray: op_DimArray:
        case Op::ReDim: op_ReDim: {
            bool preserve = in.op == Op::ReDim && (in.b & 0x8000);
            bool empty = in.op == Op::ReDim && (in.b & 0x4000);
            int n = in.b & 0x3FFF;
            Variant* first = sp - n;
            Bounds boundValues;
            size_t boundCount;
            Status st = collectBounds(first, n, boundValues, boundCount);
            while (sp != first)
                (--sp)->clear();
            CHECK(st);
            Variant* v = VAR_SLOT(in);
            if (!v) {
                GlobalEntry* e = resolveSite(NAMES[in.a]);
                if (!e && !CODE.optionExplicit) {
                    e = &m_globals.add(NAMES[in.a].name, GlobalEntry::Kind::Variable);
                    cacheSite(NAMES[in.a], e);
                }
                if (!e)
                    FAIL_WITH(makeError(ErrorCode::VariableIsUndefined, NAMES[in.a].name));
                if (e->kind != GlobalEntry::Kind::Variable)
                    FAIL_WITH(makeError(ErrorCode::NameRedefined, NAMES[in.a].name));
                v = &e->value;
            }
            // Dim of a script-level name that an earlier text made an array.
            if (v->isArray() && (in.x & Redeclared))
                FAIL_WITH(makeError(ErrorCode::TypeMismatch, NAMES[in.a].name));
            if (v->isArray() && (v->asArray()->fixed() || v->asArray()->locked()) && in.op == Op::ReDim)
                FAIL_WITH(makeError(ErrorCode::ArrayFixedOrLocked));
            const std::span<const int32_t> bounds(boundValues.data(), empty ? 0 : boundCount);
            if (preserve && v->isArray()) {
                // Kept alive: elements cut off may run script that redims v.
                Ref<Array> arr(v->mutableArray());
                CHECK(arr->redimPreserve(bounds));
                break;
            }
            auto arr = Array::create(bounds, in.op == Op::DimArray);
            CHECK(arr);
            *v = Variant::fromArray(arr.value());
            break;
        }
        case Op::Erase: op_Erase: {
            Variant* v = VAR_SLOT(in);
            if (!v) {
                GlobalEntry* e = resolveSite(NAMES[in.a]);
                v = e && e->kind == GlobalEntry::Kind::Variable ? &e->value : nullptr;
            }
            if (!v && CODE.optionExplicit && !resolveSite(NAMES[in.a]))
                FAIL_WITH(makeError(ErrorCode::VariableIsUndefined, NAMES[in.a].name));
            if (!v || !v->isArray())
                FAIL_WITH(makeError(ErrorCode::TypeMismatch, u"Erase"));
            if (v->asArray()->locked())
                FAIL_WITH(makeError(ErrorCode::ArrayFixedOrLocked));
            if (v->asArray()->fixed()) {
                // The elements are moved out before any is released: a
                // Class_Terminate may reach the array while they go.
                Ref<Array> keep(v->mutableArray());
                std::vector<Variant> old;
                old.reserve(keep->size());
                for (Variant& el : keep->elements())
                    old.push_back(std::move(el));
            } else {
                auto arr = Array::create({}, false);
                CHECK(arr);
                *v = Variant::fromArray(arr.value());
            }
            break;
        }
        case Op::ClearLocal: op_ClearLocal:
            slots[in.a].clear();
            break;
        case Op::BindGlobal: op_BindGlobal:
            if (GlobalEntry* e = resolveSite(NAMES[in.b]); e && e->kind == GlobalEntry::Kind::Variable)
                slots[in.a] = Variant::fromRef(&e->value);
            break;
        case Op::CallProc: op_CallProc: {
            POLL();
            Variant* args = sp - in.b;
            NameSite& site = NAMES[in.a];
            GlobalEntry* e = resolveSite(site);
            if (e && e->kind == GlobalEntry::Kind::Procedure && in.b == e->proc->paramCount
                && !((in.x & 1) && e->proc->kind == ast::ProcKind::Sub)) {
                // Run it in this loop: its frame starts at the arguments.
                const Proc& proc = *e->proc;
                // Polled above; an inline call does not grow the C++ stack.
                if (m_callDepth >= MaxCallDepth) [[unlikely]]
                    FAIL_WITH(makeError(ErrorCode::OutOfStackSpace));
                Variant* savedTop;
                if (inlineFrame(proc, args, in.b, savedTop)) {
                    ENTER_INLINE(proc, nullptr, args, args, savedTop, in.x & 1);
                    START_CALLEE();
                }
            }
            if (e && e->kind == GlobalEntry::Kind::Procedure) {
                // The arguments are this frame's temporaries: moved, not copied.
                Variant result;
                Status st = runProc(*e->proc, nullptr, Args(args, in.b), in.x & 1, true, &result);
                while (sp != args)
                    (--sp)->clear();
                DROP_LOCKS();
                CHECK(st);
                if (in.x & 1)
                    new (sp++) Variant(std::move(result));
                break;
            }
            auto r = loadGlobal(site, Args(args, in.b), true, CODE, in.x & 1);
            while (sp != args)
                (--sp)->clear();
            DROP_LOCKS();
            CHECK(r);
            if (in.x & 1)
                new (sp++) Variant(std::move(r.value()));
            break;
        }
        case Op::CallBuiltin: op_CallBuiltin: {
            const BuiltinFunction& fn = m_builtins[in.a];
            Variant* args = sp - in.b;
            if (in.b < fn.minArgs || (fn.maxArgs != UnlimitedArgs && in.b > fn.maxArgs)) {
                while (sp != args)
                    (--sp)->clear();
                FAIL_WITH(makeError(ErrorCode::WrongArgumentCount, fn.name));
            }
            auto r = fn.fn(m_context, Args(args, in.b));
            while (sp != args)
                (--sp)->clearString();
            CHECK(r);
            new (sp++) Variant(std::move(r.value()));
            break;
        }
        case Op::CallMember: op_CallMember:
        case Op::CallValue: op_CallValue:
        case Op::CallMe: op_CallMe: {
            POLL();
            Variant* args = sp - in.b;
            if (in.op == Op::CallMe && f.me && f.me->engine() == this) {
                // A method of Me by its bare name: run in this loop.
                const ClassMember& m = f.me->classDef().members[in.a];
                const Proc* proc = m.field < 0 ? (m.method ? m.method : m.get) : nullptr;
                Variant* savedTop;
                if (proc && in.b == proc->paramCount) {
                    // Polled above; an inline call does not grow the C++ stack.
                    if (m_callDepth >= MaxCallDepth) [[unlikely]]
                        FAIL_WITH(makeError(ErrorCode::OutOfStackSpace));
                    if (inlineFrame(*proc, args, in.b, savedTop)) {
                        ENTER_INLINE(*proc, f.me, args, args, savedTop, in.x & 1);
                        START_CALLEE();
                    }
                }
            }
            ClassInstance* inst = in.op == Op::CallMember ? asInstance(args[-1].deref().isObject()
                                                                           ? args[-1].deref().asObject()
                                                                           : nullptr)
                                                          : nullptr;
            if (inst && inst->engine() == this) {
                // A member of a script class instance: a field is read, a
                // method or Property Get runs in this loop.
                const ClassMember* m = memberOf(*inst, MEMBER(in.a));
                const bool inside = inst == f.me;
                if (m && (inside || m->isPublic) && m->field >= 0 && in.b == 0 && !(in.x & EmptyListCall)) {
                    Variant value;
                    Variant::copyTo(&value, inst->fields()[m->field]);
                    (--sp)->clearObject();
                    DROP_LOCKS();
                    if (in.x & 1)
                        new (sp++) Variant(std::move(value));
                    break;
                }
                const Proc* proc = m && m->field < 0 ? (m->method ? m->method : m->get) : nullptr;
                if (proc && (inside || (m->isPublic && proc->isPublic)) && in.b == proc->paramCount) {
                    // Polled above; an inline call does not grow the C++ stack.
                    if (m_callDepth >= MaxCallDepth) [[unlikely]]
                        FAIL_WITH(makeError(ErrorCode::OutOfStackSpace));
                    Variant* savedTop;
                    if (inlineFrame(*proc, args, in.b, savedTop)) {
                        ENTER_INLINE(*proc, inst, args, args - 1, savedTop, in.x & 1);
                        START_CALLEE();
                    }
                }
            }
            // Out of line: the loop's own registers stay with its fast paths.
            Status st = callThroughDispatch(in, f, args, sp, lockBase);
            sp = args - (in.op != Op::CallMe);
            CHECK(st);
            sp += in.x & 1;
            break;
        }
        case Op::PutMember: op_PutMember:
        case Op::PutValue: op_PutValue:
        case Op::PutMe: op_PutMe: {
            Variant* args = sp - in.b - 1;
            if (in.op == Op::PutMember && args[-1].deref().isObject()) {
                // obj.field = v on a script class instance is stored directly;
                // a Property Let or Set runs in this loop.
                ClassInstance* inst = asInstance(args[-1].deref().asObject());
                StoreMode mode = StoreMode(in.x);
                if (inst && inst->engine() == this && (mode == StoreMode::Let || sp[-1].isObject())) {
                    // A public field the site has seen in this class needs
                    // no look-up; anything else does.
                    MemberSite& site = MEMBER(in.a);
                    int32_t fieldIndex = site.typeKey == &inst->classDef() ? site.field : -1;
                    if (fieldIndex < 0) {
                        const ClassMember* m = memberOf(*inst, site);
                        const bool inside = inst == f.me;
                        const Proc* proc = m && m->field < 0 ? (mode == StoreMode::Set ? m->set : m->let) : nullptr;
                        if (proc && (inside || (m->isPublic && proc->isPublic)) && in.b + 1 == proc->paramCount) {
                            // An inline call does not grow the C++ stack.
                            POLL();
                            if (m_callDepth >= MaxCallDepth) [[unlikely]]
                                FAIL_WITH(makeError(ErrorCode::OutOfStackSpace));
                            Variant* savedTop;
                            if (inlineFrame(*proc, args, in.b + 1, savedTop)) {
                                ENTER_INLINE(*proc, inst, args, args - 1, savedTop, false);
                                START_CALLEE();
                            }
                        }
                        fieldIndex = m && (m->isPublic || inside) ? m->field : -1;
                    }
                    if (fieldIndex >= 0 && in.b == 0) {
                        Variant& field = inst->fields()[fieldIndex];
                        if (storesInPlace(mode, sp[-1])) {
                            // The old value is released after the field holds the new one.
                            field.swap(sp[-1]);
                            (--sp)->clearObject();
                            (--sp)->clearObject();
                            DROP_LOCKS();
                            break;
                        }
                        Status st = assign(field, std::move(sp[-1]), mode);
                        (--sp)->clearObject();
                        (--sp)->clearObject();
                        DROP_LOCKS();
                        CHECK(st);
                        break;
                    }
                }
            }
            StoreMode mode = StoreMode(in.x);
            InvokeKind kind = mode == StoreMode::Set ? InvokeKind::PropertyPutRef : InvokeKind::PropertyPut;
            Variant& value = sp[-1];
            const Variant* target = in.op == Op::PutMe ? nullptr : &args[-1].deref();
            const bool intoElement = in.op == Op::PutValue && target->isArray();
            Result<Variant> r = Variant();
            if (intoElement) {
                // a(i)(j) = v: the target is a reference to the element a(i).
                Status st = storeElement(const_cast<Variant&>(*target), Args(args, in.b), std::move(value), mode);
                if (!st.ok())
                    r = st.takeError();
            } else if (mode == StoreMode::Set && !value.isObject()) {
                r = fail(ErrorCode::ObjectRequired);
            } else if (mode == StoreMode::Let && value.isObject() && target && !isOwnInstance(*target)) {
                // A Property Let of a script class receives the object itself.
                auto v = toValue(value);
                if (v.ok())
                    value = std::move(v.value());
                else
                    r = v.takeError();
            }
            if (r.ok() && !intoElement) {
                if (in.op == Op::PutMe) {
                    r = classInvoke(*f.me, in.a, kind, Args(args, in.b + 1u), true);
                } else if (in.op == Op::PutMember) {
                    r = callMember(args[-1], MEMBER(in.a), kind, Args(args, in.b + 1u), f);
                } else {
                    Status st = putDefault(*target, Args(args, in.b + 1u), mode);
                    if (!st.ok())
                        r = st.takeError();
                }
            }
            if (in.op != Op::PutMe)
                --args;
            while (sp != args)
                (--sp)->clear();
            DROP_LOCKS();
            CHECK(r);
            break;
        }
        case Op::Intrinsic: op_Intrinsic: {
            Variant* args = sp - in.b;
            auto r = intrinsic(Intrinsic(in.a), Args(args, in.b), f);
            while (sp != args)
                (--sp)->clear();
            CHECK(r);
            new (sp++) Variant(std::move(r.value()));
            break;
        }
// +, - and *: Integer and Long results are written into the target in place.
#define ARITH_CASE(NAME, OPER)                                                    \
        case Op::NAME: op_##NAME: {                                                          \
            OPERAND(l, in.b, scratchB);                                           \
            OPERAND(r, in.c, scratchC);                                           \
            const VarType lt = l->type(), rt = r->type();                         \
            if (bothSmallInts(lt, rt)) {                                          \
                const int64_t v = intOf(*l) OPER intOf(*r);                       \
                FINISH_PLAIN_OPERANDS(in);                                        \
                if (Variant* d = TARGET(in.a)) {                                  \
                    setWide(*d, v, lt, rt);                                       \
                    NEXT();                                                       \
                }                                                                 \
                Variant t;                                                        \
                setWide(t, v, lt, rt);                                            \
                CHECK(storeGlobal(NAMES[operandSite(in.a)], {}, std::move(t), StoreMode::Let, CODE)); \
                break;                                                            \
            }                                                                     \
            /* A Double with a Double, Integer or Long: a finite result */       \
            /* (else the general path reports the overflow). */                  \
            if (double a, b; doubleOperand(*l, lt, a) && doubleOperand(*r, rt, b)) { \
                const double v = a OPER b;                                        \
                Variant* d = TARGET(in.a);                                        \
                if (d && std::isfinite(v)) [[likely]] {                           \
                    FINISH_PLAIN_OPERANDS(in);                                    \
                    d->setDouble(v);                                              \
                    NEXT();                                                       \
                }                                                                 \
            }                                                                     \
            /* A string + a string (or Empty) is Concat's, in place too. */      \
            if (Op::NAME == Op::Add && rt == VarType::String                      \
                && (lt == VarType::String || lt == VarType::Empty) && !scratchUsed) \
                goto op_Concat;                                                   \
            Variant out;                                                          \
            if (!fastArith(Op::NAME, *l, *r, out)) {                              \
                auto res = slowBinary(Op::NAME, *l, *r);                          \
                CHECK(res);                                                       \
                out = std::move(res.value());                                     \
            }                                                                     \
            FINISH_OPERANDS(in);                                                  \
            PUT(in.a, std::move(out));                                            \
            break;                                                                \
        }
        ARITH_CASE(Add, +)
        ARITH_CASE(Sub, -)
        ARITH_CASE(Mul, *)
#undef ARITH_CASE
// Immediate forms: c is an Integer value (a Long with x & ImmediateLong).
#define IMMEDIATE_TYPE(in) ((in).x & ImmediateLong ? VarType::Long : VarType::Integer)
// Stores an immediate form's whole-number result v of operands typed lt and
// IMMEDIATE_TYPE, its consumed temporary b released.
#define PUT_IMMEDIATE_RESULT(in, v, lt)                                             \
    sp = slots + (in).depth;                                                      \
    if ((in).x & ReleaseB)                                                        \
        slots[(in).b].forgetPlain();                                              \
    if (Variant* d = TARGET((in).a)) {                                            \
        setWide(*d, v, lt, IMMEDIATE_TYPE(in));                                   \
        NEXT();                                                                   \
    }                                                                             \
    {                                                                             \
        Variant t;                                                                \
        setWide(t, v, lt, IMMEDIATE_TYPE(in));                                    \
        CHECK(storeGlobal(NAMES[operandSite((in).a)], {}, std::move(t), StoreMode::Let, CODE)); \
    }                                                                             \
    break
// The general path of an immediate arithmetic form.
#define IMMEDIATE_GENERAL(in, GENERIC, l)                                         \
    {                                                                             \
        auto res = immediateGeneral(Op::GENERIC, *(l), (in).c, (in).x);           \
        CHECK(res);                                                               \
        FINISH_OPERANDS(in);                                                      \
        PUT((in).a, std::move(res.value()));                                      \
        break;                                                                    \
    }
#define ARITH_IMMEDIATE_CASE(NAME, GENERIC, OPER)                                 \
        case Op::NAME: op_##NAME: {                                                          \
            OPERAND(l, in.b, scratchB);                                           \
            const VarType lt = l->type();                                         \
            if (isSmallInt(lt)) [[likely]] {                                      \
                const int64_t v = intOf(*l) OPER in.c;                            \
                PUT_IMMEDIATE_RESULT(in, v, lt);                                  \
            }                                                                     \
            IMMEDIATE_GENERAL(in, GENERIC, l);                                    \
        }
        ARITH_IMMEDIATE_CASE(AddI, Add, +)
        ARITH_IMMEDIATE_CASE(SubI, Sub, -)
        // c > 0: no division by zero, no overflow.
        ARITH_IMMEDIATE_CASE(IntDivI, IntDiv, / )
        ARITH_IMMEDIATE_CASE(ModI, Mod, % )
#undef ARITH_IMMEDIATE_CASE
// A comparison: each operator has its own handler, so that the fast kinds
// compare with the operator itself.
// A comparison's general result: stored, operands freed, when it is not a
// branch; otherwise its truth decides (the operands are freed after).
#define GENERAL_TRUTH(in, res)                                                    \
    CHECK(res);                                                                   \
    if (!((in).x & Branch)) {                                                     \
        FINISH_OPERANDS(in);                                                      \
        PUT((in).a, std::move((res).value()));                                    \
        break;                                                                    \
    }                                                                             \
    auto b = condition((res).value());                                            \
    CHECK(b);                                                                     \
    truth = b.value()
#define COMPARE_CASE(NAME, CMP)                                                   \
        case Op::NAME: op_##NAME: {                                                          \
            OPERAND(l, in.b, scratchB);                                           \
            OPERAND(r, in.c, scratchC);                                           \
            const VarType lt = l->type(), rt = r->type();                         \
            bool truth;                                                           \
            if (bothSmallInts(lt, rt)) [[likely]] {                               \
                truth = intOf(*l) CMP intOf(*r);                                  \
                FINISH_PLAIN_OPERANDS(in);                                        \
                BRANCH_OR_PUT_TRUTH(in, truth);                                   \
            } else if (double a, b; doubleOperand(*l, lt, a) && doubleOperand(*r, rt, b)) { \
                truth = a CMP b;                                                  \
                FINISH_PLAIN_OPERANDS(in);                                        \
                BRANCH_OR_PUT_TRUTH(in, truth);                                   \
            } else if (lt == VarType::String && rt == VarType::String) {          \
                truth = compareUnits(l->stringView(), r->stringView()) CMP 0;     \
            } else {                                                              \
                auto res = slowBinary(Op::NAME, *l, *r, in.x & 3);                \
                GENERAL_TRUTH(in, res);                                           \
            }                                                                     \
            FINISH_OPERANDS(in);                                                  \
            BRANCH_OR_PUT_TRUTH(in, truth);                                       \
        }
        COMPARE_CASE(Eq, ==)
        COMPARE_CASE(Ne, !=)
        COMPARE_CASE(Lt, <)
        COMPARE_CASE(Gt, >)
        COMPARE_CASE(Le, <=)
        COMPARE_CASE(Ge, >=)
#define COMPARE_IMMEDIATE_CASE(NAME, GENERIC, CMP)                                \
        case Op::NAME: op_##NAME: {                                                          \
            OPERAND(l, in.b, scratchB);                                           \
            bool truth;                                                           \
            if (isSmallInt(l->type())) [[likely]] {                               \
                truth = intOf(*l) CMP in.c;                                       \
            } else if (l->type() == VarType::Double) {                            \
                truth = l->asDouble() CMP static_cast<double>(in.c);              \
            } else {                                                              \
                {                                                                 \
                    auto res = immediateGeneral(Op::GENERIC, *l, in.c, in.x);     \
                    GENERAL_TRUTH(in, res);                                       \
                }                                                                 \
                FINISH_OPERANDS(in);                                              \
                BRANCH_OR_PUT_TRUTH(in, truth);                                   \
            }                                                                     \
            sp = slots + in.depth;                                                \
            if (in.x & ReleaseB)                                                  \
                slots[in.b].forgetPlain();                                        \
            BRANCH_OR_PUT_TRUTH(in, truth);                                       \
        }
        COMPARE_IMMEDIATE_CASE(EqI, Eq, ==)
        COMPARE_IMMEDIATE_CASE(NeI, Ne, !=)
        COMPARE_IMMEDIATE_CASE(LtI, Lt, <)
        COMPARE_IMMEDIATE_CASE(GtI, Gt, >)
        COMPARE_IMMEDIATE_CASE(LeI, Le, <=)
        COMPARE_IMMEDIATE_CASE(GeI, Ge, >=)
#undef COMPARE_IMMEDIATE_CASE
#undef COMPARE_CASE
        case Op::Concat: op_Concat: {
            OPERAND(l, in.b, scratchB);
            OPERAND(r, in.c, scratchC);
            // x = x & y, x a variable or temporary holding a string (or
            // Empty): y's text is appended to x in place (a shared string is
            // copied first). x & x, objects, dates and errors take the
            // general path.
            if (in.a == in.b && !scratchUsed && l != r && (l->isString() || l->isEmpty())) {
                NumberText number;
                std::u16string_view piece;
                if (r->isNull() || concatText(*r, number, piece)) {
                    if (!const_cast<Variant*>(l)->appendString(piece))
                        FAIL_WITH(makeError(ErrorCode::OutOfMemory));
                    FINISH_OPERANDS(in);
                    break;
                }
            }
            // x = x & y where x was read into a temporary before y (a call):
            // while x still holds the temporary's very block, no one can have
            // changed it in place (that needs the only reference), so the
            // temporary lets go and y is appended to x in place.
            if ((in.x & ReleaseB) && !scratchUsed) {
                if (Variant* d = TARGET(in.a); d && d != r && d->sameString(*l)) {
                    NumberText number;
                    std::u16string_view piece;
                    if (r->isNull() || concatText(*r, number, piece)) {
                        const_cast<Variant*>(l)->clearString();
                        if (!d->appendString(piece))
                            FAIL_WITH(makeError(ErrorCode::OutOfMemory));
                        FINISH_OPERANDS(in);
                        break;
                    }
                }
            }
            // x = a & b: the text is written into x's block when x holds the
            // only reference and it fits, else into a new block x takes.
            if (Variant* d = TARGET(in.a); d && d != l && d != r) {
                NumberText ln, rn;
                std::u16string_view lv, rv;
                if (concatText(*l, ln, lv) && concatText(*r, rn, rv) && d->replaceString(lv, rv)) {
                    FINISH_OPERANDS(in);
                    break;
                }
            }
            auto res = opConcat(*l, *r);
            CHECK(res);
            FINISH_OPERANDS(in);
            PUT(in.a, std::move(res.value()));
            break;
        }
        case Op::IntDiv: op_IntDiv:
        case Op::Mod: op_Mod: {
            OPERAND(l, in.b, scratchB);
            OPERAND(r, in.c, scratchC);
            const VarType lt = l->type(), rt = r->type();
            int64_t q;
            if (intDivision(in.op, lt, rt, intOf(*l), intOf(*r), q)) {
                FINISH_OPERANDS(in);
                if (Variant* d = TARGET(in.a)) {
                    setWide(*d, q, lt, rt);
                    break;
                }
                Variant t;
                setWide(t, q, lt, rt);
                CHECK(storeGlobal(NAMES[operandSite(in.a)], {}, std::move(t), StoreMode::Let, CODE));
                break;
            }
            auto res = slowBinary(in.op, *l, *r);
            CHECK(res);
            FINISH_OPERANDS(in);
            PUT(in.a, std::move(res.value()));
            break;
        }
        case Op::Is: op_Is: {
            OPERAND(l, in.b, scratchB);
            OPERAND(r, in.c, scratchC);
            bool truth;
            if (l->isObject() && r->isObject()) {
                truth = l->asObject() == r->asObject();
                // Consumed temporaries hold objects here: counts drop inline.
                FINISH_OPERANDS_WITH(in, clearObject);
                BRANCH_OR_PUT_TRUTH(in, truth);
            } else {
                auto same = opIs(*l, *r);
                CHECK(same);
                truth = same.value();
            }
            FINISH_OPERANDS(in);
            BRANCH_OR_PUT_TRUTH(in, truth);
        }
        case Op::Div: op_Div: case Op::Pow: op_Pow:
        case Op::And: op_And: case Op::Or: op_Or: case Op::Xor: op_Xor: case Op::Eqv: op_Eqv: case Op::Imp: op_Imp: {
            OPERAND(l, in.b, scratchB);
            OPERAND(r, in.c, scratchC);
            // / of Doubles, Integers and Longs with a finite result (a zero
            // divisor and an overflow take the general path to their errors).
            if (double a, b; in.op == Op::Div && doubleOperand(*l, l->type(), a)
                && doubleOperand(*r, r->type(), b) && b != 0) {
                const double v = a / b;
                Variant* d = TARGET(in.a);
                if (d && std::isfinite(v)) [[likely]] {
                    FINISH_PLAIN_OPERANDS(in);
                    d->setDouble(v);
                    NEXT();
                }
            }
            // And and Or of two Booleans: no general path.
            int truth = -1;
            if (l->type() == VarType::Boolean && r->type() == VarType::Boolean
                && (in.op == Op::And || in.op == Op::Or))
                truth = in.op == Op::And ? l->asBool() && r->asBool() : l->asBool() || r->asBool();
            if (truth >= 0) {
                FINISH_OPERANDS(in);
                PUT_TRUTH(in, truth);
            }
            auto res = slowBinary(in.op, *l, *r);
            CHECK(res);
            FINISH_OPERANDS(in);
            PUT(in.a, std::move(res.value()));
            break;
        }
        case Op::GetElem: op_GetElem: {
            OPERAND(index, in.c, scratchC);
            Variant* holder = TARGET(in.b);
            if (holder && holder->isArray()) {
                const Array* arr = holder->asArray();
                const uint64_t i = static_cast<uint64_t>(intOf(*index));
                if (isSmallInt(index->type()) && i < arr->vectorCount()) {
                    FINISH_OPERANDS(in);
                    // The target is a temporary: Empty, or this
                    // instruction's small-integer index.
                    Variant::copyTo(&slots[in.a], arr->data()[i]);
                    break;
                }
            }
            // The general path: any index, a non-array, an unresolved name.
            // The holder is a local or a script-level variable (an unbound
            // name goes through the general look-up).
            CHECK(getElemGeneral(in, f, holder, *index, slots[in.a]));
            FINISH_OPERANDS(in);
            break;
        }
        case Op::SetElem: op_SetElem: {
            OPERAND(index, in.b, scratchB);
            OPERAND(value, in.c, scratchC);
            Variant* holder = TARGET(in.a);
            if (holder && holder->isArray() && !value->isObject() && isSmallInt(index->type())) {
                // A plain value over a plain element of an unshared vector:
                // nothing to copy, count or release.
                if (Array* arr = holder->asArray(); value->isPlain() && (arr->refCount() == 1 || arr->locked())) {
                    const uint64_t i = static_cast<uint64_t>(intOf(*index));
                    if (i < arr->vectorCount() && arr->data()[i].isPlain()) [[likely]] {
                        const Variant::PlainBits plain = value->plainBits();
                        FINISH_PLAIN_OPERANDS(in);
                        arr->data()[i].setPlain(plain);
                        NEXT();
                    }
                }
                // The value is copied before the array is made unshared:
                // a(0) = a stores the old array into a new one.
                Variant copy;
                Variant::copyTo(&copy, *value);
                Array* arr = holder->asArray();
                if (arr->refCount() > 1 && !arr->locked())
                    arr = holder->mutableArray();
                const uint64_t i = static_cast<uint64_t>(intOf(*index));
                if (arr && i < arr->vectorCount()) {
                    FINISH_OPERANDS(in);
                    // The old element is released last.
                    arr->data()[i].takeFrom(copy);
                    break;
                }
            }
            // The index goes by reference (a constant by value), as to any
            // call; a consumed temporary's value moves.
            Variant pair[2] = { isConstOperand(in.b) ? *index : Variant::fromRef(const_cast<Variant*>(index)),
                                in.x & ReleaseC ? std::move(*const_cast<Variant*>(value)) : *value };
            Status st = setElemGeneral(in, f, holder, pair);
            FINISH_OPERANDS(in);
            CHECK(st);
            break;
        }
        case Op::Move: op_Move: {
            OPERAND(v, in.b, scratchB);
            if (v->isPlain()) {
                // A number, Boolean, Empty or Null: copied as it is. A
                // scratch operand is then plain too and may wait.
                const Variant::PlainBits plain = v->plainBits();
                FINISH_PLAIN_OPERANDS(in);
                if (Variant* d = TARGET(in.a)) [[likely]] {
                    d->setPlain(plain);
                    NEXT();
                }
                CHECK(storeGlobal(NAMES[operandSite(in.a)], {}, Variant::fromPlain(plain), StoreMode(in.x), CODE));
                NEXT();
            }
            Variant value = *v;
            FINISH_OPERANDS(in);
            if (value.isObject()) {
                // Let of an object: its default value, by the general store.
                if (Variant* d = TARGET(in.a))
                    CHECK(assign(*d, std::move(value), StoreMode(in.x)));
                else
                    CHECK(storeGlobal(NAMES[operandSite(in.a)], {}, std::move(value), StoreMode(in.x), CODE));
                break;
            }
            PUT(in.a, std::move(value));
            break;
        }
        case Op::Neg: op_Neg: {
            Variant& v = sp[-1];
            if (v.type() == VarType::Integer && v.asInteger() != INT16_MIN) {
                v = Variant::fromInteger(static_cast<int16_t>(-v.asInteger()));
            } else if (v.type() == VarType::Double) {
                v = Variant::fromDouble(-v.asDouble());
            } else {
                auto res = opNeg(v);
                CHECK(res);
                v = std::move(res.value());
            }
            break;
        }
        case Op::Not: op_Not: {
            auto res = opNot(sp[-1]);
            CHECK(res);
            sp[-1] = std::move(res.value());
            break;
        }
        case Op::Jump: op_Jump:
            POLL_BACK(in);
            JUMP(in.a);
            break;
        case Op::JumpIfFalse: op_JumpIfFalse:
        case Op::JumpIfTrue: op_JumpIfTrue: {
            bool truth;
            {
                Variant c = std::move(*--sp);
                if (c.type() == VarType::Boolean) {
                    truth = c.asBool();
                } else {
                    auto b = condition(c);
                    CHECK(b);
                    truth = b.value();
                }
            }
            if (truth == (in.op == Op::JumpIfTrue)) {
                POLL_BACK(in);
                JUMP(in.a);
            }
            break;
        }
        case Op::ForPrepare: op_ForPrepare: {
            Variant step = std::move(*--sp);
            Variant end = std::move(*--sp);
            auto s = toNumeric(step);
            CHECK(s);
            auto e = toNumeric(end);
            CHECK(e);
            auto start = toNumeric(sp[-1]);
            CHECK(start);
            if (s.value().isNull() || e.value().isNull() || start.value().isNull())
                FAIL_WITH(makeError(ErrorCode::InvalidUseOfNull));
            slots[in.b] = std::move(e.value());
            slots[in.b + 1] = std::move(s.value());
            sp[-1] = std::move(start.value());
            break;
        }
        case Op::ForTest: op_ForTest: {
            Variant counter = std::move(*--sp);
            const Variant& end = slots[in.b];
            const Variant& step = slots[in.b + 1];
            auto done = pastEnd(counter, end, step);
            CHECK(done);
            if (done.value())
                JUMP_OUT(in.a);
            break;
        }
        case Op::ForStep: op_ForStep: {
            auto next = stepped(sp[-1], slots[in.b + 1]);
            CHECK(next);
            sp[-1] = std::move(next.value());
            break;
        }
        case Op::ForLoop: op_ForLoop: {
            Variant* c = in.c >= 0 ? &slots[in.c].deref() : globalVariable(NAMES[operandSite(in.c)]);
            const Variant& end = slots[in.b];
            const Variant& step = slots[in.b + 1];
            if (c) [[likely]] {
                const VarType ct = c->type(), st = step.type();
                if (((static_cast<unsigned>(ct) ^ 2u) | (static_cast<unsigned>(st) ^ 2u)
                     | (static_cast<unsigned>(end.type()) ^ 2u)) < 2u) [[likely]] {
                    const int64_t by = step.asIntegerOrLong();
                    const int64_t n = c->asIntegerOrLong() + by;
                    c->overwriteWide(n, ct, st);
                    if (by >= 0 ? n <= end.asIntegerOrLong() : n >= end.asIntegerOrLong()) {
                        POLL();
                        JUMP(in.a);
                    }
                    NEXT();
                }
            }
            Variant counter;
            if (c) {
                counter = *c;
            } else {
                auto g = loadGlobal(NAMES[operandSite(in.c)], {}, false, CODE);
                CHECK(g);
                counter = std::move(g.value());
            }
            auto stepResult = stepped(counter, step);
            CHECK(stepResult);
            Variant next = std::move(stepResult.value());
            auto done = pastEnd(next, end, step);
            CHECK(done);
            if (c)
                *c = next;
            else
                CHECK(storeGlobal(NAMES[operandSite(in.c)], {}, Variant(next), StoreMode::Raw, CODE));
            if (!done.value()) {
                POLL();
                JUMP_OUT(in.a);
            }
            break;
        }
        case Op::ForEachInit: op_ForEachInit: {
            Variant coll = std::move(*--sp);
            if (coll.isArray()) {
                slots[in.b] = std::move(coll);
                slots[in.b + 1] = Variant::fromLong(0);
                if (slots[in.b].asArray()->size() == 0)
                    JUMP_OUT(in.a);
                break;
            }
            if (!coll.isObject())
                FAIL_WITH(makeError(ErrorCode::ObjectNotCollection));
            if (!coll.asObject())
                FAIL_WITH(makeError(ErrorCode::ObjectVariableNotSet));
            auto en = coll.asObject()->enumerate();
            CHECK(en);
            slots[in.b] = Variant::fromObject(makeEnumHolder(std::move(en.value())));
            slots[in.b + 1].clear();
            break;
        }
        case Op::ForEachNext: op_ForEachNext: {
            POLL();
            Variant& src = slots[in.b];
            if (src.isArray()) {
                // The hidden position is a Long that ForEachInit set.
                Variant& position = slots[in.b + 1];
                const int32_t i = position.asLong();
                const Array* arr = src.asArray();
                if (size_t(i) >= arr->size())
                    JUMP(in.a);
                Variant::copyTo(sp++, (*arr)[size_t(i)]);
                position.setLong(i + 1);
                NEXT();
            }
            Enumerator* en = enumeratorOf(src.asObject());
            Variant out;
            auto more = en ? en->next(out) : Result<bool>(false);
            CHECK(more);
            if (!more.value())
                JUMP_OUT(in.a);
            new (sp++) Variant(std::move(out));
            break;
        }
        case Op::OnError: op_OnError:
            f.resumeNext = in.x != 0;
            if (f.resumeNext)
                f.usedResumeNext = true;
            clearErr();
            break;
        case Op::Raise: op_Raise:
            FAIL_WITH(makeError(ErrorCode(in.a),
                                in.b == 0xFFFF ? std::u16string_view() : CODE.consts[in.b].stringView()));
        case Op::ExitProc: op_ExitProc:
            clearErr();
            f.usedResumeNext = false;
            [[fallthrough]];
        case Op::Return: op_Return: {
            Variant* const localsEnd = slots + CODE.slotCount;
            while (sp != localsEnd)
                (--sp)->clear();
            if (!f.call) {
                DROP_LOCKS();
                return {};
            }
            // No call is being set up here: the callee holds no locks of its
            // own, and the caller's call's are dropped below.
            InlineCall& call = *f.call;
            if (f.usedResumeNext)
                clearErr();
            // The locals die in slot order; the result moves to where the
            // caller expects it before the stack's top goes back below it
            // (script code run by a release meanwhile stacks above it).
            // (A Sub used as a value has no result slot: its value is Empty.)
            Variant* const result = call.wantResult && f.proc->resultSlot >= 0 ? slots + f.proc->resultSlot : nullptr;
            // (Parameters often hold objects: their counts drop inline.)
            for (Variant* p = slots; p != localsEnd; ++p) {
                if (p == result)
                    continue;
                if (p->isPlain())
                    p->forgetPlain();
                else
                    p->clearObject();
            }
            --m_callDepth;
            m_frameScope = call.outerScope;
            ip = call.returnIp;
            lockBase = call.lockBase;
            if (call.frame.scope) [[unlikely]]
                call.frame.scope.reset();
            fp = call.caller;
            // A member call's object, below the arguments, goes too.
            sp = slots;
            while (sp != call.resultAt)
                (--sp)->clearObject();
            if (result && result != sp)
                Variant::moveTo(sp, *result);
            m_stack.restoreTop(call.savedTop);
            m_inlineCalls.drop();
            DROP_LOCKS(); // the call's ByRef elements, at and above sp
            sp += call.wantResult;
            codeP = f.code;
            instrs = CODE.instrs.data();
            slots = f.slots;
            goto* in.handler;
        }
        default:
            // The compiler emits only the operations above: no range check.
            __builtin_unreachable();
        }
        ++ip;
        goto* in.handler;
    }

    onError:
        // ip is the failing instruction.
        const size_t pc = static_cast<size_t>(ip - instrs);
        annotate(*pending.error, CODE, pc);
        // A failing instruction may have popped an operand it had not
        // released yet: clear the frame's whole operand area, so that the
        // slots above sp are Empty again whichever path failed.
        Variant* const base = slots + CODE.slotCount;
        for (Variant* p = base + CODE.maxStack; p != base;)
            (--p)->clear();
        sp = base;
        scratchB.clear();
        scratchC.clear();
        scratchUsed = false;
        DROP_LOCKS();
        if (!pending.error->uncatchable && f.resumeNext) {
            setErr(*pending.error);
            pending.error.reset();
            const size_t resumePc = static_cast<size_t>(CODE.info[pc].resumePc);
            ip = instrs + resumePc;
            // Going on backwards is a loop's turn (a failing test at a loop's
            // end goes on into its body): poll, as a back-edge does.
            if (resumePc <= pc)
                POLL();
            continue;
        }
        if (!f.call)
            return pending;
        // The callee's error fails the caller's call instruction.
        InlineCall& call = *f.call;
        leaveInline(call, slots, CODE.slotCount);
        ip = call.returnIp - 1;
        sp = call.frame.slots;
        while (sp != call.resultAt)
            (--sp)->clear();
        lockBase = call.lockBase;
        fp = call.caller;
        m_inlineCalls.pop();
        goto enterFrame;
    }
#undef in
#undef FAIL_WITH
#undef CHECK
#undef POLL_BACK
#undef JUMP
#undef JUMP_OUT
#undef NEXT
#undef POLL
#undef DROP_LOCKS
#undef PUSH_COPY
#undef MEMBER
#undef OPERAND
#undef FINISH_OPERANDS
#undef FINISH_OPERANDS_WITH
#undef NAMES
#undef CONSTS
#undef GENERAL_TRUTH
#undef FINISH_PLAIN_OPERANDS
#undef RELEASE_OPERANDS
#undef IMMEDIATE_TYPE
#undef PUT_IMMEDIATE_RESULT
#undef IMMEDIATE_GENERAL
#undef PUT
#undef TARGET
#undef ENTER_INLINE
#undef THREAD_CODE
#undef pollSlice
#undef START_CALLEE
#undef BRANCH_OR_PUT_TRUTH
#undef PUT_TRUTH
#undef CODE
#undef f
}

} // namespace vbs
