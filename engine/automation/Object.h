// Object: the dispatch interface through which scripts call every object,
// host objects and script class instances alike. Objects are intrusively
// counted; the last release destroys the object at once (scripts rely on
// deterministic Class_Terminate).
#pragma once

#include "runtime/Error.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <new>
#include <unordered_set>
#include <vector>
#include <utility>

namespace vbs {

class Variant;

using DispId = int32_t;
constexpr DispId DispIdValue = 0; // the default member
constexpr DispId DispIdUnknown = -1;
constexpr DispId DispIdNewEnum = -4; // enumeration, for For Each

// How a member is invoked. PropertyPut is `obj.x = v` (Let), PropertyPutRef
// is `Set obj.x = v`.
enum class InvokeKind : uint8_t {
    Method = 1,
    PropertyGet = 2,
    PropertyPut = 4,
    PropertyPutRef = 8,
    // `obj.x(args)` or `obj.x` read in a context where either a method call or
    // a property read will do (the language does not distinguish them).
    MethodOrGet = Method | PropertyGet,
};

// Arguments in script order, left to right. For PropertyPut and
// PropertyPutRef the assigned value is the last element. An element may be a
// by-reference Variant (VarType::Ref) when the caller passes a variable, so
// that the callee can write back; omitted arguments are Variant::missing().
using Args = std::span<Variant>;

// Intrusive counted reference to anything with addRef()/release().
template <class T>
class Ref {
public:
    Ref() noexcept = default;
    Ref(std::nullptr_t) noexcept { }
    Ref(T* p) noexcept
        : m_p(p)
    {
        if (m_p)
            m_p->addRef();
    }
    Ref(const Ref& o) noexcept
        : Ref(o.m_p)
    {
    }
    Ref(Ref&& o) noexcept
        : m_p(std::exchange(o.m_p, nullptr))
    {
    }
    template <class U>
    Ref(const Ref<U>& o) noexcept
        : Ref(static_cast<T*>(o.get()))
    {
    }
    ~Ref()
    {
        if (m_p)
            m_p->release();
    }
    Ref& operator=(Ref o) noexcept
    {
        std::swap(m_p, o.m_p);
        return *this;
    }
    T* get() const noexcept { return m_p; }
    T* operator->() const noexcept { return m_p; }
    T& operator*() const noexcept { return *m_p; }
    explicit operator bool() const noexcept { return m_p != nullptr; }
    T* detach() noexcept { return std::exchange(m_p, nullptr); }
    static Ref adopt(T* p) noexcept
    {
        Ref r;
        r.m_p = p;
        return r;
    }

private:
    T* m_p = nullptr;
};

template <class T, class... A>
Ref<T> makeRef(A&&... a)
{
    return Ref<T>(new T(std::forward<A>(a)...));
}

// Enumeration for For Each: next() gives the following element, or false
// at the end.
class Enumerator {
public:
    virtual ~Enumerator() = default;
    void addRef() noexcept { ++m_refs; }
    void release() noexcept
    {
        if (--m_refs == 0)
            delete this;
    }
    virtual Result<bool> next(Variant& out) = 0;

private:
    uint32_t m_refs = 0;
};

class Object;

// Live objects that hold script values, kept by the engine that created them
// without owning them: an object leaves its registry when it is destroyed.
// Deleting one may release the next (a dictionary holding a dictionary, a
// million deep): deletions that start while one runs are queued and the
// outermost drains the queue, so the C++ stack stays flat.
struct ObjectRegistry {
    std::unordered_set<Object*> live;
    std::vector<Object*> doomed;
    bool deleting = false;
};

// What an object is, so that hot paths tell host objects and script class
// instances apart without dynamic_cast. Set once, by the constructor.
enum class ObjectKind : uint8_t {
    Other,
    Host, // a HostObject: classInfo() names its member table
    ScriptClass, // an instance of a script's Class
};

class Object {
public:
    Object() = default;
    explicit Object(ObjectKind kind) noexcept
        : m_kind(kind)
    {
    }
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    virtual ~Object()
    {
        if (m_registry)
            m_registry->live.erase(this);
    }

    void addRef() noexcept { ++m_refs; }
    void release() noexcept
    {
        if (--m_refs == 0)
            finalRelease();
    }
    uint32_t refCount() const noexcept { return m_refs; }
    ObjectKind objectKind() const noexcept { return m_kind; }

    // The name TypeName() reports.
    virtual Str typeName() const = 0;

    // Case-insensitive member lookup; DispIdUnknown when there is none.
    virtual DispId memberId(std::u16string_view name) = 0;

    // Invokes a member. Errors come back as values with the member's own
    // number and description.
    virtual Result<Variant> invoke(DispId id, InvokeKind kind, Args args) = 0;

    // For Each support: an enumerator over the object's elements, or error
    // 451 "Object not a collection".
    virtual Result<Ref<Enumerator>> enumerate();

    // The spelling of a member for error messages, when the object knows it.
    virtual Str memberName(DispId id) const;

    // Containers (a Dictionary) can hold themselves through script values.
    // The engine registers the ones it creates and, when it closes, empties
    // those still alive, which breaks such cycles.
    virtual bool holdsValues() const { return false; }
    virtual void dropValues() noexcept { }
    void setRegistry(ObjectRegistry* registry) noexcept
    {
        if (m_registry)
            m_registry->live.erase(this);
        m_registry = registry;
        if (m_registry)
            m_registry->live.insert(this);
    }

protected:
    // Called when the count reaches zero. Script class instances override it
    // to run Class_Terminate before deleting themselves.
    virtual void finalRelease() noexcept
    {
        if (m_registry)
            deleteFlat(*m_registry, this);
        else
            delete this;
    }
    // Deletes obj, or queues it when a deletion under the same registry is
    // running; the outermost one drains the queue.
    static void deleteFlat(ObjectRegistry& registry, Object* obj) noexcept
    {
        if (registry.deleting) {
            try {
                registry.doomed.push_back(obj);
                return;
            } catch (const std::bad_alloc&) {
                delete obj; // out of memory: recursion instead
                return;
            }
        }
        registry.deleting = true;
        delete obj;
        while (!registry.doomed.empty()) {
            Object* next = registry.doomed.back();
            registry.doomed.pop_back();
            delete next;
        }
        registry.deleting = false;
    }

private:
    uint32_t m_refs = 0;
    ObjectKind m_kind = ObjectKind::Other;
    ObjectRegistry* m_registry = nullptr;
};

} // namespace vbs
