// Array: creation with size limits, indexing and ReDim Preserve.
#include "runtime/Variant.h"

#include "runtime/Error.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace vbs {

namespace {

// Largest element count an array may have. Far beyond what a script needs,
// well below what exhausts the machine (a Variant is 16 bytes: 1 GiB).
constexpr uint64_t maxElements = uint64_t(64) << 20;

// Element count of the given bounds, or an error: 9 for a bound below -1,
// 7 when the product passes the cap (checked before each multiplication, so
// it cannot overflow). An empty dimension makes the whole array empty.
Result<size_t> elementCount(std::span<const int32_t> upperBounds)
{
    bool empty = false;
    for (int32_t ub : upperBounds) {
        if (ub < -1)
            return fail(ErrorCode::SubscriptOutOfRange);
        empty = empty || ub == -1;
    }
    if (empty)
        return size_t(0);
    uint64_t total = 1;
    for (int32_t ub : upperBounds) {
        const auto count = static_cast<uint64_t>(ub) + 1;
        if (count > maxElements / total)
            return fail(ErrorCode::OutOfMemory);
        total *= count;
    }
    return static_cast<size_t>(total);
}

} // namespace

Elements::~Elements()
{
    for (size_t i = 0; i < m_size; ++i)
        m_p[i].~Variant();
    std::free(static_cast<void*>(m_p));
}

bool Elements::reserve(size_t n) noexcept
{
    if (n <= m_capacity)
        return true;
    if (n > SIZE_MAX / sizeof(Variant))
        return false;
    void* grown = std::realloc(static_cast<void*>(m_p), n * sizeof(Variant));
    if (!grown)
        return false;
    m_p = static_cast<Variant*>(grown);
    m_capacity = n;
    return true;
}

bool Elements::resize(size_t n) noexcept
{
    if (n <= m_size) {
        while (m_size > n)
            m_p[--m_size].~Variant();
        return true;
    }
    if (!reserve(n))
        return false;
    std::memset(static_cast<void*>(m_p + m_size), 0, (n - m_size) * sizeof(Variant));
    m_size = n;
    return true;
}

bool Elements::makeEmpty(size_t n) noexcept
{
    if (n == 0)
        return true;
    void* block = std::calloc(n, sizeof(Variant));
    if (!block)
        return false;
    m_p = static_cast<Variant*>(block);
    m_size = m_capacity = n;
    return true;
}

bool Elements::makeCopy(const Elements& o) noexcept
{
    if (!reserve(o.m_size))
        return false;
    for (size_t i = 0; i < o.m_size; ++i)
        new (m_p + i) Variant(o.m_p[i]);
    m_size = o.m_size;
    return true;
}

bool Elements::makeMoved(std::vector<Variant>& v) noexcept
{
    if (v.empty())
        return true;
    if (!reserve(v.size()))
        return false;
    // Relocated as bytes; the vector is left holding Empty values.
    std::memcpy(static_cast<void*>(m_p), static_cast<const void*>(v.data()), v.size() * sizeof(Variant));
    std::memset(static_cast<void*>(v.data()), 0, v.size() * sizeof(Variant));
    m_size = v.size();
    return true;
}

void Array::destroy(Array* root) noexcept
{
    std::vector<Array*> pending;
    Array* a = root;
    for (;;) {
        // Take over each nested array that nothing else holds: a reference of
        // our own keeps it alive while the element lets go of it.
        for (Variant& v : a->m_data) {
            if (v.type() != VarType::Array || v.asArray()->refCount() != 1)
                continue;
            Array* child = v.asArray();
            try {
                pending.push_back(child);
            } catch (const std::bad_alloc&) {
                continue; // freed by recursion instead
            }
            child->addRef();
            v.clear();
        }
        delete a;
        if (pending.empty())
            return;
        a = pending.back();
        pending.pop_back();
    }
}

Result<Array*> Array::create(std::span<const int32_t> upperBounds, bool fixed)
{
    if (upperBounds.size() > static_cast<size_t>(MaxDims))
        return fail(ErrorCode::SubscriptOutOfRange);
    TRY_ASSIGN(count, elementCount(upperBounds));
    Array* a = new (std::nothrow) Array();
    if (!a)
        return fail(ErrorCode::OutOfMemory);
    if (!a->m_upper.assign(upperBounds) || !a->m_data.makeEmpty(upperBounds.empty() ? 0 : count)) {
        delete a;
        return fail(ErrorCode::OutOfMemory);
    }
    a->shapeChanged();
    a->m_fixed = fixed;
    return a;
}

Array* Array::createVector(std::vector<Variant> elements)
{
    Array* a = new Array();
    const int32_t upper = static_cast<int32_t>(elements.size()) - 1;
    a->m_upper.assign(std::span<const int32_t>(&upper, 1)); // in place: cannot fail
    if (!a->m_data.makeMoved(elements)) {
        delete a;
        throw std::bad_alloc();
    }
    a->shapeChanged();
    return a;
}

Array* Array::clone() const
{
    Array* a = new (std::nothrow) Array();
    if (!a)
        return nullptr;
    if (!a->m_upper.assign(m_upper.view()) || !a->m_data.makeCopy(m_data)) {
        delete a;
        return nullptr;
    }
    a->shapeChanged();
    a->m_fixed = m_fixed;
    return a;
}

Result<Variant*> Array::atAnyShape(std::span<const int32_t> indexes)
{
    if (indexes.size() != m_upper.size() || m_data.empty())
        return fail(ErrorCode::SubscriptOutOfRange);
    size_t flat = 0;
    size_t stride = 1;
    for (size_t d = 0; d < indexes.size(); ++d) {
        const int32_t i = indexes[d];
        if (i < 0 || i > m_upper[d])
            return fail(ErrorCode::SubscriptOutOfRange);
        flat += static_cast<size_t>(i) * stride;
        stride *= static_cast<size_t>(m_upper[d]) + 1;
    }
    return &m_data[flat];
}

Status Array::reserveFor(size_t count)
{
    if (count <= m_data.capacity())
        return {};
    const size_t doubled = std::min<size_t>(m_data.capacity() * 2, maxElements);
    if (m_data.reserve(std::max(count, doubled)) || m_data.reserve(count)) // else exactly what was asked
        return {};
    return fail(ErrorCode::OutOfMemory);
}

Status Array::redimPreserve(std::span<const int32_t> upperBounds)
{
    if (m_fixed || locked())
        return fail(ErrorCode::ArrayFixedOrLocked);
    // The common case: a vector that grows (or keeps its size).
    if (upperBounds.size() == 1 && m_upper.size() == 1 && upperBounds[0] >= m_upper[0]) {
        const auto count = static_cast<uint64_t>(upperBounds[0]) + 1;
        if (count > maxElements)
            return fail(ErrorCode::OutOfMemory);
        if (count > m_data.capacity())
            TRY_STATUS(reserveFor(static_cast<size_t>(count)));
        m_data.resize(static_cast<size_t>(count)); // within capacity: cannot fail
        m_upper[0] = upperBounds[0];
        shapeChanged();
        return {};
    }
    if (upperBounds.empty() || upperBounds.size() > static_cast<size_t>(MaxDims))
        return fail(ErrorCode::SubscriptOutOfRange);
    // A dynamic array that was never dimensioned takes any shape.
    if (!m_upper.empty()) {
        if (upperBounds.size() != m_upper.size())
            return fail(ErrorCode::SubscriptOutOfRange);
        for (size_t d = 0; d + 1 < m_upper.size(); ++d) {
            if (upperBounds[d] != m_upper[d])
                return fail(ErrorCode::SubscriptOutOfRange);
        }
    }
    TRY_ASSIGN(count, elementCount(upperBounds));
    // Elements cut off are released only once the array is consistent:
    // releasing one may run script code that reads this array.
    if (!m_upper.reserve(upperBounds.size()))
        return fail(ErrorCode::OutOfMemory);
    std::vector<Variant> dropped;
    try {
        if (count < m_data.size()) {
            dropped.reserve(m_data.size() - count);
            for (size_t i = count; i < m_data.size(); ++i)
                dropped.push_back(std::move(m_data[i]));
        }
    } catch (const std::bad_alloc&) {
        return fail(ErrorCode::OutOfMemory);
    }
    TRY_STATUS(reserveFor(count));
    m_data.resize(count); // within capacity: cannot fail
    m_upper.assign(upperBounds); // reserved: cannot fail
    shapeChanged();
    return {};
}

} // namespace vbs
