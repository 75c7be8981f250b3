// An enumerator over a copy of a collection's elements, taken when For Each
// starts: the loop body may then change the collection (remove the key it is
// visiting, say) without invalidating the walk.
#pragma once

#include "runtime/Variant.h"

#include <vector>

namespace vbs {

class SnapshotEnumerator final : public Enumerator {
public:
    explicit SnapshotEnumerator(std::vector<Variant> elements)
        : m_elements(std::move(elements))
    {
    }

    Result<bool> next(Variant& out) override
    {
        if (m_position >= m_elements.size())
            return false;
        out = std::move(m_elements[m_position++]);
        return true;
    }

private:
    std::vector<Variant> m_elements;
    size_t m_position = 0;
};

} // namespace vbs
