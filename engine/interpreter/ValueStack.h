// Frames' slots (locals, hidden slots, temporaries), taken from chunks that never move (ByRef
// arguments and host argument spans point into them) and never touch malloc
// on the call path once warm.
#pragma once

#include "runtime/Variant.h"

#include <algorithm>
#include <cassert>
#include <memory>
#include <vector>

namespace vbs {

class ValueStack {
public:
    // The first chunk is small (most scripts never need more); later ones
    // are larger, and a frame bigger than that gets a chunk of its own size.
    static constexpr size_t FirstChunkSize = 1 << 12;
    static constexpr size_t ChunkSize = 1 << 15;
    static constexpr size_t MaxChunks = 512;
    // Frames are at most this big (the compiler's slot limit and temporaries).
    static constexpr size_t MaxFrame = 1 << 18;

    struct Mark {
        size_t chunk;
        Variant* top;
    };

    // n Empty values, or nullptr when the stack is exhausted.
    Variant* allocate(size_t n, Mark& mark)
    {
        mark = { m_chunk, m_top };
        if (m_top && n <= static_cast<size_t>(m_limit - m_top)) {
            Variant* p = m_top;
            m_top += n;
            return p;
        }
        return allocateInNextChunk(n);
    }
    // Releases the first n values (their destructors may run script code,
    // which allocates above them) and then the space; values beyond n must
    // be Empty already, as a finished frame's temporaries are.
    void release(Variant* p, size_t n, const Mark& mark)
    {
        for (size_t i = 0; i < n; ++i)
            p[i].clear();
        if (mark.chunk != m_chunk || !mark.top) {
            m_chunk = mark.chunk;
            m_base = mark.top ? m_chunks[m_chunk].values.get() : nullptr;
            m_limit = mark.top ? m_base + m_chunks[m_chunk].size : nullptr;
        }
        m_top = mark.top;
    }
    // Makes [from, from + n) in use, where from lies in the current chunk at
    // or below its top (a frame's temporaries: a callee's frame starts at its
    // arguments). The caller guarantees that much: a dispatch loop's frames
    // lie in the chunk current when it started, current again whenever it
    // runs. False when it does not fit in the chunk; savedTop is the top to
    // go back to. Values past the top are Empty.
    bool extendAt(Variant* from, size_t n, Variant*& savedTop) noexcept
    {
        assert(from >= m_base && from <= m_top); // checked in the debug builds
        if (n > static_cast<size_t>(m_limit - from)) [[unlikely]]
            return false;
        savedTop = m_top;
        if (from + n > m_top)
            m_top = from + n;
        return true;
    }
    // Back to a top extendAt saved, once the values above it are Empty.
    void restoreTop(Variant* top) noexcept { m_top = top; }

private:
    struct Chunk {
        std::unique_ptr<Variant[]> values;
        size_t size = 0;
    };

    // The current chunk is full (or none is in use yet): go on in the next,
    // made (or remade larger) when it cannot hold n.
    Variant* allocateInNextChunk(size_t n)
    {
        if (n > MaxFrame)
            return nullptr;
        size_t next = m_top ? m_chunk + 1 : 0;
        if (next >= MaxChunks)
            return nullptr;
        if (next == m_chunks.size())
            m_chunks.emplace_back();
        Chunk& c = m_chunks[next];
        if (!c.values || c.size < n) {
            size_t size = std::max(n, next == 0 ? FirstChunkSize : ChunkSize);
            c.values = std::make_unique<Variant[]>(size);
            c.size = size;
        }
        m_chunk = next;
        m_base = c.values.get();
        m_top = c.values.get() + n;
        m_limit = c.values.get() + c.size;
        return c.values.get();
    }

    std::vector<Chunk> m_chunks;
    size_t m_chunk = 0;
    Variant* m_base = nullptr; // chunk m_chunk's first value
    Variant* m_top = nullptr; // next free value in chunk m_chunk; null before any
    Variant* m_limit = nullptr;
};

} // namespace vbs
