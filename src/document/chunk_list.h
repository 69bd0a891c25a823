#pragma once
// A list of records kept in small chunks that copies of it share: copying a list of fifty
// thousand pieces copies a table of chunk pointers, and a change to one record then copies only
// its chunk. Undo steps are such copies, so fifty one-piece edits cost little more than the
// layout itself.
//
// Reading is free: indexing and iterating give const records. Writing is explicit: edit(i),
// editBack(), edits() and the returned reference of emplace_back hand out a record whose chunk
// is this list's own (copied first when shared), so a write never reaches another copy.
//
// A copy never shares a chunk that was written since the last copy: it takes the chunk as it
// was before the writes (when the writes changed nothing) or a copy of its own, and the list
// keeps its chunk. So a record pointer taken before a copy (an undo step) still writes into the
// list, never into the step.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

#include "document/chunk_table.h"

template <typename T>
class ChunkList {
    struct Chunk;
    using ChunkPtr = std::shared_ptr<Chunk>;

public:
    static constexpr size_t kChunk = 32;  ///< records per chunk when appended
    using value_type = T;

    class const_iterator {
    public:
        using iterator_category = std::bidirectional_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = const T*;
        using reference = const T&;

        const_iterator() = default;
        const T& operator*() const { return *m_at; }
        const T* operator->() const { return m_at; }
        const_iterator& operator++() {
            ++m_index;
            if (++m_at == m_end) {
                enter(m_chunk + 1, 0);
            }
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++*this;
            return before;
        }
        const_iterator& operator--() {
            --m_index;
            if (m_chunk >= m_list->m_chunks.size() || m_at == m_begin) {
                const size_t previous = m_chunk - 1;
                enter(previous, m_list->m_chunks[previous]->items.size() - 1);
            } else {
                --m_at;
            }
            return *this;
        }
        const_iterator operator--(int) {
            const_iterator before = *this;
            --*this;
            return before;
        }
        bool operator==(const const_iterator& other) const { return m_index == other.m_index; }
        difference_type operator-(const const_iterator& other) const {
            return static_cast<difference_type>(m_index) -
                   static_cast<difference_type>(other.m_index);
        }
        /// The record's position in the list.
        size_t index() const { return m_index; }

    private:
        friend class ChunkList;
        const_iterator(const ChunkList* list, size_t chunk, size_t offset, size_t index)
            : m_list(list), m_index(index) {
            enter(chunk, offset);
        }
        void enter(size_t chunk, size_t offset) {
            m_chunk = chunk;
            if (chunk < m_list->m_chunks.size()) {
                const std::vector<T>& items = m_list->m_chunks[chunk]->items;
                m_begin = items.data();
                m_at = m_begin + offset;
                m_end = m_begin + items.size();
            } else {
                m_begin = m_at = m_end = nullptr;
            }
        }
        const ChunkList* m_list = nullptr;
        size_t m_chunk = 0;
        size_t m_index = 0;
        const T* m_begin = nullptr;
        const T* m_at = nullptr;
        const T* m_end = nullptr;
    };
    using iterator = const_iterator;
    using const_reverse_iterator = std::reverse_iterator<const_iterator>;

    ChunkList() = default;
    ChunkList(std::initializer_list<T> records) { append(records.begin(), records.end()); }
    explicit ChunkList(const std::vector<T>& records) { append(records.begin(), records.end()); }
    ChunkList(const ChunkList& other) { copyFrom(other); }
    ChunkList& operator=(const ChunkList& other) {
        if (this != &other) {
            ChunkList copy(other);
            *this = std::move(copy);
        }
        return *this;
    }
    ChunkList(ChunkList&& other) noexcept { *this = std::move(other); }
    ChunkList& operator=(ChunkList&& other) noexcept {
        m_chunks = std::move(other.m_chunks);
        m_size = std::exchange(other.m_size, 0);
        other.m_chunks.clear();
        forgetStarts();
        other.forgetStarts();
        return *this;
    }

    size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    const T& operator[](size_t i) const {
        const auto [chunk, offset] = locate(i);
        return m_chunks[chunk]->items[offset];
    }
    const T& front() const { return m_chunks[0]->items.front(); }
    const T& back() const { return m_chunks.back()->items.back(); }

    const_iterator begin() const { return {this, 0, 0, 0}; }
    const_iterator end() const { return {this, m_chunks.size(), 0, m_size}; }
    const_reverse_iterator rbegin() const { return const_reverse_iterator(end()); }
    const_reverse_iterator rend() const { return const_reverse_iterator(begin()); }

    /// Record i to change (its chunk becomes this list's own).
    T& edit(size_t i) {
        const auto [chunk, offset] = locate(i);
        return own(chunk).items[offset];
    }
    T& editBack() { return own(m_chunks.size() - 1).items.back(); }

    /// Every record to change, in order: `for (T& record : list.edits())`. Each chunk becomes
    /// this list's own as the loop reaches it, so a loop that changes a few records should use
    /// edit(i) for those instead.
    class Edits {
    public:
        class iterator {
        public:
            T& operator*() const { return m_list->own(m_chunk).items[m_offset]; }
            iterator& operator++() {
                if (++m_offset == m_list->m_chunks[m_chunk]->items.size()) {
                    ++m_chunk;
                    m_offset = 0;
                }
                return *this;
            }
            bool operator==(const iterator& other) const {
                return m_chunk == other.m_chunk && m_offset == other.m_offset;
            }

        private:
            friend class Edits;
            iterator(ChunkList* list, size_t chunk) : m_list(list), m_chunk(chunk) {}
            ChunkList* m_list;
            size_t m_chunk;
            size_t m_offset = 0;
        };
        iterator begin() const { return {m_list, 0}; }
        iterator end() const { return {m_list, m_list->m_chunks.size()}; }

    private:
        friend class ChunkList;
        explicit Edits(ChunkList* list) : m_list(list) {}
        ChunkList* m_list;
    };
    Edits edits() { return Edits(this); }

    /// Calls `change` on each record `pick` holds true for; only their chunks are copied.
    /// Returns how many were picked.
    template <typename Pick, typename Change>
    size_t editIf(Pick pick, Change change) {
        size_t picked = 0;
        for (size_t c = 0; c < m_chunks.size(); ++c) {
            for (size_t o = 0; o < m_chunks[c]->items.size(); ++o) {
                if (pick(std::as_const(m_chunks[c]->items[o]))) {
                    change(own(c).items[o]);
                    ++picked;
                }
            }
        }
        return picked;
    }

    void push_back(T record) { emplace_back(std::move(record)); }
    template <typename... Args>
    T& emplace_back(Args&&... args) {
        if (m_chunks.empty() || m_chunks.back()->items.size() >= kChunk) {
            auto fresh = std::make_shared<Chunk>();
            fresh->items.reserve(kChunk);
            m_chunks.push_back(std::move(fresh));
            if (m_startsValid) {  // appending keeps every earlier start
                m_starts.push_back(m_size);
            }
        }
        Chunk& last = own(m_chunks.size() - 1);
        last.items.emplace_back(std::forward<Args>(args)...);
        ++m_size;
        return last.items.back();
    }
    template <typename It>
    void append(It first, It last) {
        for (; first != last; ++first) {
            emplace_back(*first);
        }
    }
    /// Removes the records `remove` holds true for; only their chunks are copied. Returns how
    /// many went. `remove` may be asked more than once about a record.
    template <typename Pred>
    size_t eraseIf(Pred remove) {
        size_t removed = 0;
        bool emptied = false;
        for (size_t c = 0; c < m_chunks.size(); ++c) {
            const std::vector<T>& items = m_chunks[c]->items;
            if (std::any_of(items.begin(), items.end(), std::ref(remove))) {
                std::vector<T>& mine = own(c).items;
                removed += std::erase_if(mine, std::ref(remove));
                emptied = emptied || mine.empty();
            }
        }
        if (emptied) {
            std::vector<ChunkPtr> kept = m_chunks.toVector();
            std::erase_if(kept, [](const ChunkPtr& chunk) { return chunk->items.empty(); });
            m_chunks.assign(std::move(kept));
        }
        m_size -= removed;
        forgetStarts();
        return removed;
    }
    void clear() {
        m_chunks.clear();
        m_size = 0;
        forgetStarts();
    }
    /// Kept for the plain list's interface; chunks need no room held in advance.
    void reserve(size_t) {}
    /// Lets copies share every chunk: for a list just built, when no reference to one of its
    /// records is held (a freshly read layout), so that its first undo step copies nothing.
    void settle() {
        for (size_t c = 0; c < m_chunks.size(); ++c) {
            m_chunks[c]->written = false;
            m_chunks[c]->origin.reset();
        }
        m_chunks.settle();
    }

    /// A token that changes when the chunk table moves: with the size and the end records it
    /// tells an index built over the list whether positions may have moved.
    const void* table() const { return m_chunks.token(); }

private:
    struct Chunk {
        std::vector<T> items;
        /// Written since the list was last copied: a copy must not share it.
        bool written = false;
        /// The shared chunk this one was copied from before it was written, while it may still
        /// be equal to it.
        ChunkPtr origin;
    };

    void copyFrom(const ChunkList& other) {
        m_size = other.m_size;
        m_chunks = ChunkTable<ChunkPtr>::copyOf(other.m_chunks, [](const ChunkPtr& chunk) {
            if (!chunk->written) {
                return chunk;
            }
            ChunkPtr kept;
            const ChunkPtr& origin = chunk->origin;
            if (origin != nullptr && origin->items.size() == chunk->items.size() &&
                std::equal(origin->items.begin(), origin->items.end(), chunk->items.begin(),
                           [](const T& a, const T& b) { return sameRecord(a, b); })) {
                kept = origin;
            } else {
                kept = std::make_shared<Chunk>();
                kept->items = chunk->items;
            }
            chunk->written = false;
            chunk->origin.reset();
            return kept;
        });
    }

    /// Chunk `c` as this list's own, marked written.
    Chunk& own(size_t c) {
        ChunkPtr& chunk = m_chunks.slot(c);
        if (chunk.use_count() > 1) {
            auto copy = std::make_shared<Chunk>();
            copy->items.reserve(std::max(chunk->items.size(), kChunk));
            copy->items = chunk->items;
            copy->origin = chunk;
            chunk = std::move(copy);
        }
        chunk->written = true;
        return *chunk;
    }

    std::pair<size_t, size_t> locate(size_t i) const {
        if (!m_startsValid) {
            m_starts.resize(m_chunks.size());
            size_t start = 0;
            for (size_t c = 0; c < m_chunks.size(); ++c) {
                m_starts[c] = start;
                start += m_chunks[c]->items.size();
            }
            m_startsValid = true;
            m_lastChunk = 0;
        }
        // Loops over positions stay in one chunk for many steps.
        if (m_lastChunk < m_starts.size() && i >= m_starts[m_lastChunk] &&
            i - m_starts[m_lastChunk] < m_chunks[m_lastChunk]->items.size()) {
            return {m_lastChunk, i - m_starts[m_lastChunk]};
        }
        const auto after = std::upper_bound(m_starts.begin(), m_starts.end(), i);
        m_lastChunk = static_cast<size_t>(after - m_starts.begin()) - 1;
        return {m_lastChunk, i - m_starts[m_lastChunk]};
    }
    void forgetStarts() { m_startsValid = false; }

    ChunkTable<ChunkPtr> m_chunks;
    size_t m_size = 0;
    mutable std::vector<size_t> m_starts;
    mutable bool m_startsValid = false;
    mutable size_t m_lastChunk = 0;
};

/// Record i to change, in a chunk list or a plain list alike.
template <typename T>
T& editAt(ChunkList<T>& list, size_t i) {
    return list.edit(i);
}
template <typename T>
T& editAt(std::vector<T>& list, size_t i) {
    return list[i];
}
