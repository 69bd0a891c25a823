#pragma once
// Identifier -> slot index over one of the document's object lists, so that a look-up by id costs
// the same on a layout of fifty thousand pieces as on one of ten.
//
// The lists are public (plain vectors, or chunk lists for pieces and scenery), changed by the
// edit path and the reader. The index is built
// lazily and trusted only while the list it was built from looks unchanged: same table, same
// length, same first and last id and the same content generation (which every mutation of the
// document raises). A hit is verified against the slot's own id, and a slot that no longer holds
// its id makes the index rebuild, so an in-place reordering can at worst cost a rebuild, never a
// wrong answer. Giving an object another id in place is the one change that needs the generation
// raised before the next look-up. The first object carrying an id wins, as a front-to-back search
// would find it.

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

class IdIndex {
public:
    IdIndex() = default;
    // A copy of the document belongs to other vectors: it builds its own index when first asked.
    IdIndex(const IdIndex&) noexcept {}
    IdIndex& operator=(const IdIndex&) noexcept {
        m_built = false;
        return *this;
    }

    template <typename T>
    T* find(std::vector<T>& items, uint32_t id, uint64_t generation) const {
        return const_cast<T*>(find(std::as_const(items), id, generation));
    }

    /// The object with `id`, for reading; nullptr when absent.
    template <typename List>
    const typename List::value_type* find(const List& items, uint32_t id,
                                          uint64_t generation) const {
        const size_t slot = slotOf(items, id, generation);
        return slot == kAbsent ? nullptr : &items[slot];
    }

    /// The position of the object with `id`, or kAbsent.
    template <typename List>
    size_t slotOf(const List& items, uint32_t id, uint64_t generation) const {
        if (items.size() <= kLinearUpTo) {
            size_t slot = 0;
            for (const auto& item : items) {
                if (item.id == id) {
                    return slot;
                }
                ++slot;
            }
            return kAbsent;
        }
        const Print now = printOf(items, generation);
        if (!m_built || !(now == m_print)) {
            build(items, now);
        }
        size_t slot = lookup(id);
        if (slot == kAbsent) {
            return kAbsent;
        }
        if (slot < items.size() && items[slot].id == id) {
            return slot;
        }
        build(items, now);  // reordered in place since the index was built
        return lookup(id);
    }

    static constexpr size_t kAbsent = static_cast<size_t>(-1);

private:
    static constexpr size_t kLinearUpTo = 16;

    /// What identifies the state of a list cheaply.
    struct Print {
        const void* data = nullptr;
        size_t size = 0;
        uint32_t firstId = 0, lastId = 0;
        uint64_t generation = 0;
        bool operator==(const Print&) const = default;
    };
    /// One bucket: an id and its slot + 1 (0 for an empty bucket, so that any id can be stored).
    struct Bucket {
        uint32_t id = 0;
        uint32_t slotPlusOne = 0;
    };

    template <typename T>
    static const void* tableOf(const std::vector<T>& items) {
        return items.data();
    }
    template <typename List>
    static const void* tableOf(const List& items) {
        return items.table();
    }
    template <typename List>
    static Print printOf(const List& items, uint64_t generation) {
        return {tableOf(items), items.size(), items.front().id, items.back().id, generation};
    }

    template <typename List>
    void build(const List& items, const Print& print) const {
        reset(items.size());
        size_t slot = 0;
        for (const auto& item : items) {
            insert(item.id, slot++);
        }
        m_print = print;
        m_built = true;
    }

    void reset(size_t count) const;
    void insert(uint32_t id, size_t slot) const;
    size_t lookup(uint32_t id) const;

    mutable std::vector<Bucket> m_buckets;
    mutable Print m_print;
    mutable bool m_built = false;
};
