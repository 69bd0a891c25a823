#pragma once
// The table of chunk pointers behind a ChunkList, in pages of 64 that copies of the table share.
// A copy of a list of fifty thousand records then costs a few dozen page pointers, and a change
// to one chunk copies one page of pointers besides the chunk itself.

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

template <typename P>
class ChunkTable {
public:
    static constexpr size_t kPage = 64;

    ChunkTable() = default;
    // Copies go through copyOf, which knows which pages may be shared.
    ChunkTable(const ChunkTable&) = delete;
    ChunkTable& operator=(const ChunkTable&) = delete;
    ChunkTable(ChunkTable&&) noexcept = default;
    ChunkTable& operator=(ChunkTable&&) noexcept = default;

    size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    const P& operator[](size_t i) const { return m_pages[i / kPage]->slots[i % kPage]; }
    const P& back() const { return (*this)[m_size - 1]; }

    /// Slot i to change: its page becomes this table's own (a copy when shared, which holds
    /// every chunk of the page once more) and is marked written.
    P& slot(size_t i) {
        Page& page = ownPage(i / kPage);
        page.written = true;
        return page.slots[i % kPage];
    }

    void push_back(P chunk) {
        if (m_size % kPage == 0) {
            m_pages.push_back(std::make_shared<Page>());
            m_pages.back()->slots.reserve(kPage);
        }
        Page& page = ownPage(m_pages.size() - 1);
        page.slots.push_back(std::move(chunk));
        page.written = true;
        ++m_size;
    }
    /// Chunks go from the middle rarely (a chunk emptied): the pages are laid out afresh then.
    void assign(std::vector<P> all) {
        clear();
        for (P& chunk : all) {
            push_back(std::move(chunk));
        }
    }
    void clear() {
        m_pages.clear();
        m_size = 0;
    }
    std::vector<P> toVector() const {
        std::vector<P> all;
        all.reserve(m_size);
        for (const auto& page : m_pages) {
            all.insert(all.end(), page->slots.begin(), page->slots.end());
        }
        return all;
    }
    /// Changes as the page table moves.
    const void* token() const { return m_pages.data(); }

    /// A copy of `other` that shares every page not written since the last copy; a written
    /// page's slots are each given by `copySlot(slot)`. Afterwards no page of `other` counts as
    /// written.
    template <typename CopySlot>
    static ChunkTable copyOf(const ChunkTable& other, CopySlot copySlot) {
        ChunkTable out;
        out.m_size = other.m_size;
        out.m_pages.reserve(other.m_pages.size());
        for (const auto& page : other.m_pages) {
            if (!page->written) {
                out.m_pages.push_back(page);
                continue;
            }
            auto copy = std::make_shared<Page>();
            copy->slots.reserve(page->slots.size());
            for (const P& chunk : page->slots) {
                copy->slots.push_back(copySlot(chunk));
            }
            out.m_pages.push_back(std::move(copy));
            page->written = false;
        }
        return out;
    }
    /// Forgets which pages were written (see ChunkList::settle).
    void settle() {
        for (const auto& page : m_pages) {
            page->written = false;
        }
    }

private:
    struct Page {
        std::vector<P> slots;
        bool written = false;  ///< a slot changed since the table was last copied
    };

    Page& ownPage(size_t p) {
        std::shared_ptr<Page>& page = m_pages[p];
        if (page.use_count() > 1) {
            auto copy = std::make_shared<Page>();
            copy->slots.reserve(kPage);
            copy->slots = page->slots;
            page = std::move(copy);
        }
        return *page;
    }

    std::vector<std::shared_ptr<Page>> m_pages;
    size_t m_size = 0;
};
