// Frames' slots and operand stacks, taken from chunks that never move (ByRef
// arguments and host argument spans point into them) and never touch malloc
// on the call path once warm.
#pragma once

#include "runtime/Variant.h"

#include <memory>
#include <vector>

namespace vbs {

class ValueStack {
public:
    static constexpr size_t ChunkSize = 1 << 15;
    static constexpr size_t MaxChunks = 512;

    struct Mark {
        size_t chunk;
        size_t offset;
    };

    // n Empty values, or nullptr when the stack is exhausted.
    Variant* allocate(size_t n, Mark& mark)
    {
        mark = { m_chunk, m_offset };
        if (n > ChunkSize)
            return nullptr;
        if (m_chunks.empty() || m_offset + n > ChunkSize) {
            size_t next = m_chunks.empty() ? 0 : m_chunk + 1;
            if (next >= MaxChunks)
                return nullptr;
            if (next == m_chunks.size())
                m_chunks.push_back(std::make_unique<Variant[]>(ChunkSize));
            m_chunk = next;
            m_offset = 0;
        }
        Variant* p = &m_chunks[m_chunk][m_offset];
        m_offset += n;
        return p;
    }
    // Releases the first n values (their destructors may run script code,
    // which allocates above them) and then the space; values beyond n must
    // be Empty already, as a finished frame's operand stack is.
    void release(Variant* p, size_t n, const Mark& mark)
    {
        for (size_t i = 0; i < n; ++i)
            p[i].clear();
        m_chunk = mark.chunk;
        m_offset = mark.offset;
    }

private:
    std::vector<std::unique_ptr<Variant[]>> m_chunks;
    size_t m_chunk = 0;
    size_t m_offset = 0;
};

} // namespace vbs
