// Variant: constructors by subtype, reference counting of heap payloads,
// in-place string append and copy-on-write arrays.
#include "runtime/Variant.h"

#include "runtime/Error.h"

namespace vbs {

Variant Variant::fromObject(Object* o) noexcept
{
    Variant v = make(VarType::Object);
    v.m_obj = o;
    if (o)
        o->addRef();
    return v;
}

Variant Variant::fromArray(Array* a) noexcept
{
    if (!a)
        return Variant();
    Variant v = make(VarType::Array);
    v.m_arr = a;
    a->addRef();
    return v;
}

int32_t Variant::varType() const noexcept
{
    switch (m_type) {
    case VarType::Array:
        return 8204;
    case VarType::Ref:
        return m_ref->varType();
    default:
        return static_cast<int32_t>(m_type);
    }
}

bool Variant::isNumeric() const noexcept
{
    switch (m_type) {
    case VarType::Integer:
    case VarType::Long:
    case VarType::Byte:
    case VarType::Single:
    case VarType::Double:
    case VarType::Currency:
    case VarType::Date:
    case VarType::Boolean:
        return true;
    default:
        return false;
    }
}

bool Variant::replaceString(std::u16string_view a, std::u16string_view b) noexcept
{
    StringRep* rep = m_type == VarType::String ? m_str : nullptr;
    const size_t n = a.size() + b.size();
    if (rep && rep->refs == 1 && rep->fits(n)) {
        copyUnits(rep->data, a.data(), a.size());
        copyUnits(rep->data + a.size(), b.data(), b.size());
        rep->data[n] = 0;
        rep->length = static_cast<uint32_t>(n);
        return true;
    }
    if (m_type != VarType::String && !isPlain())
        return false;
    // A new block, filled before the old value goes (a or b may be its text).
    StringRep* fresh = nullptr;
    if (n != 0) {
        fresh = StringRep::allocate(n, n);
        if (!fresh)
            return false;
        copyUnits(fresh->data, a.data(), a.size());
        copyUnits(fresh->data + a.size(), b.data(), b.size());
    }
    if (rep)
        rep->release();
    m_type = VarType::String;
    m_str = fresh;
    return true;
}

bool Variant::appendString(std::u16string_view tail)
{
    if (m_type == VarType::Empty) {
        m_type = VarType::String;
        m_str = nullptr;
    }
    if (m_type != VarType::String)
        return false;
    if (m_str && m_str->appendInPlace(tail))
        return true;
    Str s = Str::adopt(m_str);
    m_str = nullptr;
    const bool ok = s.append(tail);
    m_str = s.detach();
    return ok;
}

Array* Variant::mutableArray()
{
    if (m_type != VarType::Array)
        return nullptr;
    if (m_arr->refCount() > 1) {
        Array* copy = m_arr->clone();
        if (!copy)
            return nullptr;
        copy->addRef();
        m_arr->release();
        m_arr = copy;
    }
    return m_arr;
}

void Variant::retainHeap() noexcept
{
    switch (m_type) {
    case VarType::String:
        if (m_str)
            m_str->addRef();
        break;
    case VarType::Object:
        if (m_obj)
            m_obj->addRef();
        break;
    case VarType::Array:
        // A locked array is written in place (an element of it is passed
        // ByRef), so a copy taken meanwhile gets its own elements: sharing
        // would let `a(0) = a` store the array into itself.
        if (m_arr->locked()) {
            if (Array* copy = m_arr->clone())
                m_arr = copy;
        }
        m_arr->addRef();
        break;
    default:
        break;
    }
}

void Variant::releaseHeap() noexcept
{
    switch (m_type) {
    case VarType::String:
        if (m_str)
            m_str->release();
        break;
    case VarType::Object:
        // Detach first: the object's termination may run script code that
        // looks at this very variable.
        if (Object* o = m_obj) {
            m_obj = nullptr;
            m_type = VarType::Empty;
            o->release();
        }
        break;
    case VarType::Array:
        if (Array* a = m_arr) {
            m_arr = nullptr;
            m_type = VarType::Empty;
            a->release();
        }
        break;
    default:
        break;
    }
}

} // namespace vbs
